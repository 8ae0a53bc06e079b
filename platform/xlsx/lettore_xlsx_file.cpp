#include "platform/xlsx/lettore_xlsx_file.h"

#include <charconv>
#include <cstring>
#include <deque>
#include <expat.h>
#include <zip.h>

namespace vantrel {
namespace {

constexpr std::size_t kPezzo = 1 << 16;
// The shared strings are the one part held whole: more than this is no bank statement.
constexpr std::size_t kMassimoStringhe = 256u << 20;

std::string_view locale(const XML_Char* nome) {
    std::string_view n(nome);
    const auto due = n.rfind(':');
    return due == std::string_view::npos ? n : n.substr(due + 1);
}

const XML_Char* attributo(const XML_Char** att, std::string_view nome) {
    for (; *att; att += 2)
        if (locale(att[0]) == nome) return att[1];
    return nullptr;
}

struct ChiudiZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ChiudiVoce {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using Zip = std::unique_ptr<zip_t, ChiudiZip>;
using VoceZip = std::unique_ptr<zip_file_t, ChiudiVoce>;

/// An expat parser over the methods of a subclass, fed a piece at a time.
class ParserXml {
public:
    ParserXml() : p_(XML_ParserCreate(nullptr)) {
        XML_SetUserData(p_, this);
        XML_SetElementHandler(
            p_, [](void* u, const XML_Char* n, const XML_Char** a) { static_cast<ParserXml*>(u)->apre(locale(n), a); },
            [](void* u, const XML_Char* n) { static_cast<ParserXml*>(u)->chiude(locale(n)); });
        XML_SetCharacterDataHandler(p_, [](void* u, const XML_Char* s, int n) {
            static_cast<ParserXml*>(u)->testo(std::string_view(s, static_cast<std::size_t>(n)));
        });
    }
    virtual ~ParserXml() { XML_ParserFree(p_); }
    ParserXml(const ParserXml&) = delete;
    ParserXml& operator=(const ParserXml&) = delete;

    /// False, with `problema` set, when the XML is malformed or the subclass gave up.
    bool elabora(const char* dati, std::size_t n, bool ultimo) {
        if (XML_Parse(p_, dati, static_cast<int>(n), ultimo) == XML_STATUS_OK && problema.empty()) return true;
        if (problema.empty())
            problema = std::string("XML non valido (") + XML_ErrorString(XML_GetErrorCode(p_)) + ", riga " +
                       std::to_string(XML_GetCurrentLineNumber(p_)) + ")";
        return false;
    }
    /// Reads a whole entry of the archive through the parser.
    bool elaboraVoce(zip_t* z, const char* nome) {
        VoceZip f(zip_fopen(z, nome, 0));
        if (!f) return false;
        std::string buf(kPezzo, '\0');
        for (zip_int64_t n; (n = zip_fread(f.get(), buf.data(), buf.size())) > 0;)
            if (!elabora(buf.data(), static_cast<std::size_t>(n), false)) return false;
        return elabora(nullptr, 0, true);
    }

    std::string problema; // in Italian

protected:
    virtual void apre(std::string_view nome, const XML_Char** att) = 0;
    virtual void chiude(std::string_view /*nome*/) {}
    virtual void testo(std::string_view /*s*/) {}

private:
    XML_Parser p_;
};

/// The first sheet's id in xl/workbook.xml, then its file in xl/_rels/workbook.xml.rels.
class PrimoFoglio : public ParserXml {
public:
    std::string id, file;

protected:
    void apre(std::string_view nome, const XML_Char** att) override {
        if (nome == "sheet" && id.empty()) {
            if (const auto* r = attributo(att, "id")) id = r;
        } else if (nome == "Relationship" && file.empty()) {
            const auto *i = attributo(att, "Id"), *t = attributo(att, "Target");
            if (i && t && id == i) file = t[0] == '/' ? std::string(t + 1) : "xl/" + std::string(t);
        }
    }
};

/// xl/sharedStrings.xml: the text of each <si>, its runs joined, phonetic hints left out.
class StringheCondivise : public ParserXml {
public:
    std::vector<std::string> stringhe;

protected:
    void apre(std::string_view nome, const XML_Char**) override {
        if (nome == "si") stringhe.emplace_back();
        if (nome == "rPh") fonetica_ = true;
        if (nome == "t") testo_ = !fonetica_ && !stringhe.empty();
    }
    void chiude(std::string_view nome) override {
        if (nome == "t") testo_ = false;
        if (nome == "rPh") fonetica_ = false;
    }
    void testo(std::string_view s) override {
        if (!testo_) return;
        byte_ += s.size();
        if (byte_ > kMassimoStringhe) problema = "le stringhe del foglio sono troppo grandi";
        stringhe.back() += s;
    }

private:
    bool testo_ = false, fonetica_ = false;
    std::size_t byte_ = 0;
};

/// The column of a reference such as "AB12", from 0; -1 when it has none.
int colonna(const char* ref) {
    int c = 0;
    bool lettere = false;
    for (; *ref >= 'A' && *ref <= 'Z'; ++ref, lettere = true)
        c = c * 26 + (*ref - 'A' + 1);
    return lettere && c <= 16384 ? c - 1 : -1;
}

/// The rows of the sheet, parsed as they are asked for.
class RigheXlsx : public RigheFoglio, private ParserXml {
public:
    RigheXlsx(Zip z, VoceZip f, std::vector<std::string> stringhe)
        : zip_(std::move(z)), foglio_(std::move(f)), stringhe_(std::move(stringhe)), buf_(kPezzo, '\0') {}
    ~RigheXlsx() override {
        foglio_.reset(); // the entry before its archive
    }

    bool prossima(std::vector<CellaFoglio>& celle, int& riga) override {
        while (pronte_.empty() && !finito_ && problema.empty()) {
            const zip_int64_t n = zip_fread(foglio_.get(), buf_.data(), buf_.size());
            finito_ = n <= 0;
            if (n < 0) problema = "il foglio non si legge dall'archivio";
            if (n >= 0) elabora(buf_.data(), static_cast<std::size_t>(n), finito_);
        }
        if (pronte_.empty() || !problema.empty()) return false;
        riga = pronte_.front().first;
        celle = std::move(pronte_.front().second);
        pronte_.pop_front();
        return true;
    }
    const std::string& errore() const override { return problema; }

private:
    void apre(std::string_view nome, const XML_Char** att) override {
        if (nome == "row") {
            const auto* r = attributo(att, "r");
            riga_ = r ? std::atoi(r) : riga_ + 1;
            celle_.clear();
            col_ = -1;
        } else if (nome == "c") {
            const auto *r = attributo(att, "r"), *t = attributo(att, "t");
            col_ = r && colonna(r) >= 0 ? colonna(r) : col_ + 1;
            tipo_ = t ? t : "n";
            valore_.clear();
        } else if (nome == "v" || (nome == "t" && tipo_ == "inlineStr")) {
            inValore_ = true;
        }
    }
    void chiude(std::string_view nome) override {
        if (nome == "v" || nome == "t") inValore_ = false;
        if (nome == "c") cella();
        if (nome == "row") pronte_.emplace_back(riga_, std::move(celle_));
    }
    void testo(std::string_view s) override {
        if (inValore_) valore_ += s;
    }
    void cella() {
        if (col_ < 0) return;
        CellaFoglio c;
        if (tipo_ == "s") {
            std::size_t i = 0;
            const auto [p, ec] = std::from_chars(valore_.data(), valore_.data() + valore_.size(), i);
            if (ec != std::errc() || i >= stringhe_.size()) {
                problema = "riga " + std::to_string(riga_) + ": stringa condivisa inesistente";
                return;
            }
            c.testo = stringhe_[i];
        } else if (tipo_ == "n" && !valore_.empty()) {
            double v = 0;
            const auto [p, ec] = std::from_chars(valore_.data(), valore_.data() + valore_.size(), v);
            if (ec == std::errc() && p == valore_.data() + valore_.size()) c.numero = v;
            c.testo = valore_;
        } else {
            c.testo = valore_; // inline strings, formula texts, booleans, errors, ISO dates
        }
        if (celle_.size() <= static_cast<std::size_t>(col_)) celle_.resize(static_cast<std::size_t>(col_) + 1);
        celle_[static_cast<std::size_t>(col_)] = std::move(c);
    }

    Zip zip_;
    VoceZip foglio_;
    std::vector<std::string> stringhe_;
    std::string buf_;
    std::deque<std::pair<int, std::vector<CellaFoglio>>> pronte_;
    std::vector<CellaFoglio> celle_;
    std::string tipo_, valore_;
    int riga_ = 0, col_ = -1;
    bool inValore_ = false, finito_ = false;
};

} // namespace

std::unique_ptr<RigheFoglio> LettoreXlsxFile::apri(const std::string& path, std::string& errore) const {
    int codice = 0;
    Zip z(zip_open(path.c_str(), ZIP_RDONLY, &codice));
    const std::string nonLeggibile = "il file non è una cartella di lavoro Excel (.xlsx) leggibile";
    if (!z) {
        errore = codice == ZIP_ER_NOENT || codice == ZIP_ER_OPEN ? "impossibile aprire il file" : nonLeggibile;
        return nullptr;
    }
    PrimoFoglio primo;
    if (!primo.elaboraVoce(z.get(), "xl/workbook.xml") || !primo.elaboraVoce(z.get(), "xl/_rels/workbook.xml.rels"))
        primo.file.clear();
    std::string foglio = primo.file.empty() ? "xl/worksheets/sheet1.xml" : primo.file;
    StringheCondivise stringhe;
    if (zip_name_locate(z.get(), "xl/sharedStrings.xml", 0) >= 0 &&
        !stringhe.elaboraVoce(z.get(), "xl/sharedStrings.xml")) {
        errore = nonLeggibile + ": " + (stringhe.problema.empty() ? "stringhe illeggibili" : stringhe.problema);
        return nullptr;
    }
    VoceZip f(zip_fopen(z.get(), foglio.c_str(), 0));
    if (!f) {
        errore = nonLeggibile + ": manca il primo foglio";
        return nullptr;
    }
    return std::make_unique<RigheXlsx>(std::move(z), std::move(f), std::move(stringhe.stringhe));
}

} // namespace vantrel

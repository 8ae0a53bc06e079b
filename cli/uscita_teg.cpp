#include "uscita_teg.h"

#include "common/cartella_lavoro.h"
#include "report_hook.h"
#include "stringa_json.h"
#include "teg/teg_controlli.h"

#include <array>
#include <map>
#include <ostream>

namespace vantrel::cli {
namespace {

// The output columns, headed by the controls' own names.
using C = ControlliTeg;
constexpr std::array<int C::*, 24> kColonneUscita = {&C::giorni,
                                                     &C::indebitamentoMedio,
                                                     &C::totaleInteressi,
                                                     &C::formulaInteressi,
                                                     &C::formulaSpese,
                                                     &C::totaleSpese,
                                                     &C::totaleInteressiSpese,
                                                     &C::teg,
                                                     &C::tegInteressi,
                                                     &C::tegCms,
                                                     &C::tegAltriInteressi,
                                                     &C::tegSpese,
                                                     &C::tegAltriOneri,
                                                     &C::sommaParziali,
                                                     &C::tegVociInteressi,
                                                     &C::tegVociSpese,
                                                     &C::soglia,
                                                     &C::supero,
                                                     &C::tegSenzaCms,
                                                     &C::tassoCms,
                                                     &C::sogliaCms,
                                                     &C::eccedenzaCms,
                                                     &C::margineInteressi,
                                                     &C::esitoCms};

// A list of texts as the object's member, one level into the array.
void accodaListaJson(std::string& buf, const std::vector<std::string>& v) {
    if (v.empty()) {
        buf += "[]";
        return;
    }
    buf += '[';
    for (std::size_t k = 0; k < v.size(); ++k) {
        buf += k ? ",\n      " : "\n      ";
        accodaStringaJson(buf, v[k]);
    }
    buf += "\n    ]";
}

std::string unisci(const std::vector<std::string>& v, const std::string& sep) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s += (i ? sep : "") + v[i];
    return s;
}

// Every text and date field by its name, in the order of a JSON object's keys; of two controls of
// one name the later one, as an object assigned field by field keeps it. Each key comes with what
// goes before its value.
std::vector<std::pair<std::string, int>> campiJson(const Schema& s) {
    std::map<std::string, int> perNome;
    for (std::size_t i = 0; i < s.dimensione(); ++i) {
        const auto& d = s.definizione(static_cast<int>(i));
        if (d.tipo == Tipo::Testo || d.tipo == Tipo::Data) perNome[d.nome] = static_cast<int>(i);
    }
    std::vector<std::pair<std::string, int>> campi;
    for (const auto& [nome, id] : perNome) {
        std::string chiave = campi.empty() ? "\n      " : ",\n      ";
        accodaStringaJson(chiave, nome);
        campi.emplace_back(chiave + ": ", id);
    }
    return campi;
}

} // namespace

UscitaTeg::UscitaTeg(std::string formato, std::ostream& out) : formato_(std::move(formato)), out_(out) {
    const Schema& s = FinestraCalcolo::schemaCalcolo();
    for (int C::*c : kColonneUscita)
        colonne_.push_back(controlli<ControlliTeg>(s).*c);
    if (formato_ == "json") campiJson_ = campiJson(s);
    if (formato_ != "csv") return;
    for (int id : colonne_)
        (buf_ += s.definizione(id).nome) += ';';
    buf_ += "messaggio;riga\n";
}

void UscitaTeg::intestazione(const std::string& riga) {
    if (formato_ == "testo") (buf_ += riga) += '\n';
}

void UscitaTeg::periodo(FinestraCalcolo& w, const EsitoControllo& e) {
    if (formato_ == "testo" && !e.riga.empty()) (buf_ += e.riga) += '\n';
    if (formato_ == "csv") {
        for (int id : colonne_) {
            accodaCampoCsv(buf_, w.testo(id));
            buf_ += ';';
        }
        accodaCampoCsv(buf_, unisci(e.messaggi, " | "));
        buf_ += ';';
        accodaCampoCsv(buf_, e.riga);
        buf_ += '\n';
    } else if (formato_ == "json") {
        oggettoJson(w, e);
    }
}

// As nlohmann::json would dump the object {campi, messaggi, riepilogo, riga} of the period with an
// indent of 2, one level into the array, written straight into the buffer: no value is built.
void UscitaTeg::oggettoJson(FinestraCalcolo& w, const EsitoControllo& e) {
    buf_ += righeJson_++ == 0 ? "[\n  {\n    \"campi\": {" : ",\n  {\n    \"campi\": {";
    for (const auto& [chiave, id] : campiJson_) {
        buf_ += chiave;
        accodaStringaJson(buf_, w[id].testo);
    }
    buf_ += campiJson_.empty() ? "}" : "\n    }";
    buf_ += ",\n    \"messaggi\": ";
    accodaListaJson(buf_, e.messaggi);
    buf_ += ",\n    \"riepilogo\": ";
    accodaListaJson(buf_, riepilogoDi(w));
    buf_ += ",\n    \"riga\": ";
    accodaStringaJson(buf_, e.riga);
    buf_ += "\n  }";
}

void UscitaTeg::fine() {
    if (formato_ == "json") buf_ += righeJson_ == 0 ? "[]\n" : "\n]\n";
}

void UscitaTeg::scarica(std::size_t soglia) {
    if (buf_.size() < soglia) return;
    out_ << buf_;
    buf_.clear();
}

} // namespace vantrel::cli

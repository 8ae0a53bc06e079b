#include "common/stampa_documento.h"

#include "common/testo.h"

#include <algorithm>

namespace vantrel {
namespace {

// The printable height of an A4 page in points (10 mm and 6 mm margins) and the characters a line of
// 8-point Courier New holds, upright and lying.
constexpr double kAltezzaVerticale = 800, kAltezzaOrizzontale = 550;
constexpr std::size_t kColonneVerticale = 110, kColonneOrizzontale = 160;
// The line spacing of the two fonts, in ems, as Windows gives it.
constexpr double kInterlineaArial = 1.15, kInterlineaCourier = 1.133;

std::string allinea(const std::string& s, std::size_t larghezza, bool destra) {
    const std::size_t n = lunghezza(s);
    if (n >= larghezza) return s;
    const std::string pad(larghezza - n, ' ');
    return destra ? pad + s : s + pad;
}

// The printer with the height used on the page, to break pages where the document would. A new page
// is opened only when something goes on it, so that an orientation chosen in between holds for it
// (the printer turns the pages it opens after the choice).
class Pagine {
public:
    explicit Pagine(Stampante& s) : s_(s) {}

    void carattere(const char* nome, double punti, bool grassetto) {
        s_.font(nome);
        s_.dimensione(punti);
        s_.grassetto(grassetto);
        riga_ = punti * (std::string(nome) == "Arial" ? kInterlineaArial : kInterlineaCourier);
    }
    bool haPosto(int righe) const { return y_ + righe * riga_ <= altezza(); }
    void riga(const std::string& t) {
        if (!haPosto(1)) nuova();
        apri();
        s_.riga(t);
        y_ += riga_;
    }
    void nuova() {
        pendente_ = iniziata_;
        y_ = 0;
    }
    void orientamento(Orientamento o) {
        if (o == orientamento_) return;
        s_.orientamento(o);
        orientamento_ = o;
        if (iniziata_ && !pendente_) nuova();
    }
    void immagine(const std::string& png) {
        apri();
        s_.immagine(png);
        nuova();
    }
    bool vuota() const { return y_ == 0; }

private:
    void apri() {
        if (pendente_) s_.nuovaPagina();
        pendente_ = false;
        iniziata_ = true;
    }
    double altezza() const {
        return orientamento_ == Orientamento::Verticale ? kAltezzaVerticale : kAltezzaOrizzontale;
    }

    Stampante& s_;
    double y_ = 0, riga_ = 12;
    Orientamento orientamento_ = Orientamento::Verticale;
    bool iniziata_ = false, pendente_ = false;
};

bool lunga(const TabellaDocumento& t, const std::vector<std::string>& righe) {
    return t.orizzontale || (!righe.empty() && lunghezza(righe.front()) > kColonneVerticale);
}

// Whether the section's heading at `i` goes on a landscape page: it stays with its first table, when
// that is too wide for an upright page and only paragraphs come between them.
bool sezioneOrizzontale(const std::vector<ElementoDocumento>& e, std::size_t i) {
    for (std::size_t k = i + 1; k < e.size(); ++k) {
        if (e[k].tipo == ElementoDocumento::Tipo::Tabella) return lunga(e[k].tabella, righeTabella(e[k].tabella));
        if (e[k].tipo != ElementoDocumento::Tipo::Paragrafo) return false;
    }
    return false;
}

void tabella(Pagine& p, const TabellaDocumento& t) {
    const std::vector<std::string> righe = righeTabella(t);
    const std::size_t larghezza = righe.empty() ? 0 : lunghezza(righe.front());
    const bool orizzontale = lunga(t, righe);
    p.orientamento(orizzontale ? Orientamento::Orizzontale : Orientamento::Verticale);
    const std::size_t spazio = orizzontale ? kColonneOrizzontale : kColonneVerticale;
    const double punti = larghezza > spazio ? std::max(5.0, 8.0 * spazio / larghezza) : 8.0;
    const auto intestazione = [&] {
        p.carattere("Courier New", punti, true);
        p.riga(righe[0]);
        p.riga(righe[1]);
    };
    if (!p.haPosto(4)) p.nuova();
    intestazione();
    for (std::size_t r = 2; r < righe.size(); ++r) {
        if (!p.haPosto(1)) {
            p.nuova();
            intestazione();
        }
        const std::size_t dato = r - 2;
        p.carattere("Courier New", punti, dato < t.evidenziate.size() && t.evidenziate[dato]);
        p.riga(righe[r]);
    }
    if (orizzontale) p.orientamento(Orientamento::Verticale);
}

} // namespace

std::vector<std::string> aCapo(const std::string& testo, std::size_t larghezza) {
    std::vector<std::string> out;
    std::string riga;
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        std::size_t fine = testo.find(' ', inizio);
        if (fine == std::string::npos) fine = testo.size();
        const std::string parola = testo.substr(inizio, fine - inizio);
        if (!riga.empty() && lunghezza(riga) + 1 + lunghezza(parola) > larghezza) {
            out.push_back(riga);
            riga.clear();
        }
        if (!parola.empty()) riga += (riga.empty() ? "" : " ") + parola;
        inizio = fine + 1;
    }
    if (!riga.empty() || out.empty()) out.push_back(riga);
    return out;
}

std::vector<std::string> righeTabella(const TabellaDocumento& t) {
    std::vector<std::size_t> larghezze(t.intestazione.size());
    for (std::size_t c = 0; c < larghezze.size(); ++c)
        larghezze[c] = lunghezza(t.intestazione[c]);
    for (const auto& r : t.righe)
        for (std::size_t c = 0; c < r.size() && c < larghezze.size(); ++c)
            larghezze[c] = std::max(larghezze[c], lunghezza(r[c]));
    const auto linea = [&](const std::vector<std::string>& celle) {
        std::string l;
        for (std::size_t c = 0; c < larghezze.size(); ++c) {
            const bool destra = c < t.numeriche.size() && t.numeriche[c];
            l += (c > 0 ? " " : "") + allinea(c < celle.size() ? celle[c] : "", larghezze[c], destra);
        }
        return l;
    };
    std::size_t totale = larghezze.empty() ? 0 : larghezze.size() - 1;
    for (std::size_t w : larghezze)
        totale += w;
    std::vector<std::string> out = {linea(t.intestazione), std::string(totale, '-')};
    for (const auto& r : t.righe)
        out.push_back(linea(r));
    out.push_back(std::string(totale, '-'));
    return out;
}

std::string stampaDocumento(Stampante& s, const Documento& d) {
    s.documento(d.titolo);
    s.orientamento(Orientamento::Verticale);
    Pagine p(s);
    for (std::size_t i = 0; i < d.elementi.size(); ++i) {
        const ElementoDocumento& e = d.elementi[i];
        switch (e.tipo) {
        case ElementoDocumento::Tipo::Titolo:
            p.carattere("Arial", 16, true);
            for (const auto& l : aCapo(e.testo, 60))
                p.riga(l);
            p.riga("");
            break;
        case ElementoDocumento::Tipo::Sezione:
            p.orientamento(sezioneOrizzontale(d.elementi, i) ? Orientamento::Orizzontale : Orientamento::Verticale);
            if (i + 1 < d.elementi.size() && d.elementi[i + 1].tipo == ElementoDocumento::Tipo::Immagine && !p.vuota())
                p.nuova(); // the heading goes on the picture's page
            p.carattere("Arial", 12, true);
            if (!p.haPosto(6)) p.nuova();
            if (!p.vuota()) p.riga("");
            for (const auto& l : aCapo(e.testo, 80))
                p.riga(l);
            p.riga("");
            break;
        case ElementoDocumento::Tipo::Paragrafo:
            p.carattere("Arial", 10, false);
            for (const auto& l : aCapo(e.testo, 100))
                p.riga(l);
            break;
        case ElementoDocumento::Tipo::Tabella:
            tabella(p, e.tabella);
            break;
        case ElementoDocumento::Tipo::Immagine:
            if (!p.vuota() && d.elementi[i - 1].tipo != ElementoDocumento::Tipo::Sezione) p.nuova();
            p.carattere("Arial", 10, false);
            p.riga(e.testo);
            p.riga("");
            p.immagine(e.png);
            break;
        }
    }
    return s.fine();
}

} // namespace vantrel

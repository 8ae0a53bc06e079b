#include "account/stampa_pratica.h"

#include "account/fogli_pratica.h"
#include "common/maschera_formato.h"
#include "common/testo.h"

#include <algorithm>

namespace vantrel {
namespace {

const std::string kRientro(6, ' ');

// Short titles of the printed columns, by column of the results table; the notes follow the table.
constexpr const char* kTitoli[] = {"N.",    "Dal",   "Al",      "Categoria", "Cl.", "TEG",        "Soglia", "Supero",
                                   "Esito", "Norma", "Formula", "Int.",      "CMS", "Altri int.", "Spese",  "Oneri"};
constexpr std::size_t kColonne = std::size(kTitoli);

std::string allinea(const std::string& s, std::size_t larghezza, bool destra) {
    const std::size_t n = lunghezza(s);
    if (n >= larghezza) return s;
    const std::string pad(larghezza - n, ' ');
    return destra ? pad + s : s + pad;
}

void copertina(Stampante& s, const DatiStampaPratica& d, const std::vector<EsitoTrimestre>& esiti) {
    const TotaliPratica tot = totaliPratica(esiti);
    s.orientamento(Orientamento::Orizzontale);
    s.font("Arial");
    s.dimensione(24);
    s.grassetto(true);
    for (int k = 0; k < 4; ++k)
        s.riga("");
    s.riga(kRientro + "Verifica dei tassi soglia del conto");
    s.grassetto(false);
    s.dimensione(18);
    s.riga("");
    s.riga(kRientro + (d.nome.empty() ? std::string("Pratica senza nome") : d.nome));
    s.riga("");
    s.dimensione(12);
    s.riga(kRientro + "Data: " + d.oggi.testo());
    s.riga("");
    std::string periodo;
    if (!esiti.empty()) periodo = ", dal " + esiti.front().dal + " al " + esiti.back().al;
    s.riga(kRientro + "Trimestri controllati: " + std::to_string(tot.trimestri) + periodo);
    s.riga(kRientro + "Trimestri oltre la soglia: " + std::to_string(tot.oltre));
    s.riga(kRientro + "Supero massimo: " +
           (tot.massimo ? formatta(tot.superoMassimo, maschere::tasso3Riga) + " (dal " + tot.massimo->dal + " al " +
                              tot.massimo->al + ")"
                        : std::string("nessuno")));
}

// The results table as printed lines: each cell as text, each column as wide as its widest cell.
class TabellaStampata {
public:
    explicit TabellaStampata(const Foglio& tabella) : tabella_(tabella) {
        for (std::size_t c = 0; c < kColonne; ++c)
            larghezze_[c] = lunghezza(kTitoli[c]);
        for (const auto& r : tabella.righe) {
            auto& testi = celle_.emplace_back();
            for (std::size_t c = 0; c < kColonne && c < r.size(); ++c) {
                testi.push_back(testoCella(r[c]));
                larghezze_[c] = std::max(larghezze_[c], lunghezza(testi.back()));
            }
        }
    }

    std::string linea(const std::vector<std::string>& testi) const {
        std::string l = kRientro;
        for (std::size_t c = 0; c < testi.size(); ++c) {
            const Formato f = c < tabella_.colonne.size() ? tabella_.colonne[c].formato : Formato::Generale;
            const bool destra = f == Formato::Intero || f == Formato::Tasso || f == Formato::Importo;
            l += allinea(testi[c], larghezze_[c], destra) + (c + 1 < testi.size() ? " " : "");
        }
        return l;
    }
    std::string trattini() const {
        std::size_t totale = 0;
        for (std::size_t w : larghezze_)
            totale += w + 1;
        return kRientro + std::string(totale, '-');
    }
    void intestazione(Stampante& s) const {
        s.font("Arial");
        s.dimensione(14);
        s.grassetto(true);
        s.riga(kRientro + "Riepilogo dei trimestri");
        s.grassetto(false);
        s.riga("");
        s.font("Courier New");
        s.dimensione(8);
        s.riga(linea(std::vector<std::string>(std::begin(kTitoli), std::end(kTitoli))));
        s.riga(trattini());
    }
    const std::vector<std::vector<std::string>>& celle() const { return celle_; }

private:
    const Foglio& tabella_;
    std::vector<std::vector<std::string>> celle_;
    std::size_t larghezze_[kColonne];
};

// The results table, with its header on every page, its totals and the messages of the checks.
void tabellaRisultati(Stampante& s, const Foglio& tabella, const std::vector<EsitoTrimestre>& esiti,
                      int righePerPagina) {
    const TabellaStampata t(tabella);
    s.nuovaPagina();
    t.intestazione(s);
    int c = 4;
    for (std::size_t r = 0; r < t.celle().size(); ++r) {
        if (c >= righePerPagina) {
            s.nuovaPagina();
            t.intestazione(s);
            c = 4;
        }
        const bool oltre = r < tabella.evidenziate.size() && tabella.evidenziate[r];
        s.grassetto(oltre);
        s.riga(t.linea(t.celle()[r]));
        s.grassetto(false);
        ++c;
    }
    s.riga(t.trattini());
    for (const auto& tot : tabella.totali)
        s.riga(kRientro + allinea(testoCella(tot[0]), 30, false) + testoCella(tot[5]));
    // The messages of the checks, by row number.
    bool note = false;
    for (std::size_t r = 0; r < esiti.size(); ++r)
        for (const auto& m : esiti[r].messaggi) {
            if (!note) s.riga("");
            note = true;
            s.riga(kRientro + "N. " + std::to_string(r + 1) + ": " + m);
        }
}

void paginaGrafico(Stampante& s, const std::string& png) {
    s.nuovaPagina();
    s.font("Arial");
    s.dimensione(14);
    s.grassetto(true);
    s.riga(kRientro + "Andamento del TEG e del tasso soglia");
    s.grassetto(false);
    s.riga("");
    s.immagine(png);
}

// The summary of each quarter over the threshold, in portrait.
void trimestriOltreSoglia(Stampante& s, const std::vector<EsitoTrimestre>& esiti) {
    s.orientamento(Orientamento::Verticale);
    for (std::size_t r = 0; r < esiti.size(); ++r) {
        const EsitoTrimestre& e = esiti[r];
        if (!e.oltreSoglia()) continue;
        s.nuovaPagina();
        s.font("Arial");
        s.dimensione(12);
        s.grassetto(true);
        s.riga(kRientro + "Trimestre oltre la soglia N. " + std::to_string(r + 1) + ": dal " + e.dal + " al " + e.al);
        s.riga("");
        s.font("Courier New");
        s.dimensione(9);
        for (const auto& l : e.riepilogo)
            s.riga(kRientro + l);
        s.grassetto(false);
    }
}

} // namespace

std::string stampaPratica(Stampante& s, const DatiStampaPratica& d) {
    static const std::vector<EsitoTrimestre> nessuno;
    const std::vector<EsitoTrimestre>& esiti = d.esiti ? *d.esiti : nessuno;
    const Foglio vuoto = foglioRiepilogo();
    copertina(s, d, esiti);
    tabellaRisultati(s, d.tabella ? *d.tabella : vuoto, esiti, d.righePerPagina >= 20 ? d.righePerPagina : 40);
    if (!d.grafico.empty()) paginaGrafico(s, d.grafico);
    trimestriOltreSoglia(s, esiti);
    return s.fine();
}

} // namespace vantrel

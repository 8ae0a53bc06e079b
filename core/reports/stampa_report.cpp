#include "reports/stampa_report.h"

#include "common/numeri.h"
#include "reports/spazi.h"

#include <array>
#include <string_view>

namespace vantrel {
namespace {

const std::string kRigaFinePagina = std::string(11, ' ') + std::string(95, '-');
const std::string kRigaChiusura = std::string(11, ' ') + std::string(94, '-');

/// A page number as printed: a space for the sign, the digits, a space.
std::string numeroPagina(int p) {
    return (p < 0 ? "-" : " ") + std::to_string(p < 0 ? -p : p) + " ";
}

/// Lines one by one with the page ends; `grassetto` tells which lines print bold.
template <class Grassetto>
void corpo(Stampante& s, const std::vector<std::string>& righe, int righePagina, std::string_view rientro,
           Grassetto grassetto) {
    int c = 0;
    int p = 1;
    std::string t;
    for (const auto& r : righe) {
        t.assign(rientro);
        t += r;
        ++c;
        if (c == righePagina - 1) {
            s.riga(kRigaFinePagina);
            s.riga("");
            s.riga("                                                     Pagina " + numeroPagina(p));
            s.nuovaPagina();
            c = 1;
            ++p;
        }
        if (grassetto(t)) s.grassetto(true);
        s.riga(t);
        s.grassetto(false);
    }
    for (int k = righePagina - c - 2; k >= 1; --k)
        s.riga("");
    s.dimensione(8);
    s.grassetto(true);
    s.riga(kRigaChiusura);
    s.grassetto(false);
    s.riga("");
    s.riga("                                                 Pagina " + numeroPagina(p) +
           "                 .....fine stampa");
}

void segnalaErroreStampa(Contesto& ctx, const std::string& errore) {
    if (!errore.empty()) ctx.messaggio({kTitoloProgramma, "Errore di stampa: " + errore, Icona::Critica});
}

} // namespace

bool rigaInGrassetto(const std::string& t) {
    static constexpr std::array<std::string_view, 10> kParole = {"conto", "C/C",   "c/c",   "Conto", "CONTO",
                                                                 "nr.",   "CASSA", "Cassa", "BANCA", "Banca"};
    for (auto w : kParole)
        if (t.find(w) != std::string::npos) return true;
    return togliSpazi(t) == "Intestato";
}

std::string stampaListaRisultati(Stampante& s, const std::vector<std::string>& righe, int righePagina) {
    s.orientamento(Orientamento::Orizzontale);
    s.riga("");
    s.font("Arial");
    s.dimensione(18);
    s.riga("");
    s.riga("                                     Elenco dei valori di TEG rilevati ");
    s.riga("");
    s.font("Courier New");
    s.dimensione(8);
    corpo(s, righe, righePagina, "       ", rigaInGrassetto);
    return s.fine();
}

std::string stampaTestoFinestra(Stampante& s, const std::vector<std::string>& righe, int righePagina) {
    for (int k = 0; k < 7; ++k)
        s.riga("");
    s.font("Courier New");
    corpo(s, righe, righePagina, "           ", [](const std::string&) { return true; });
    return s.fine();
}

void stampaRisultati(Contesto& ctx, const std::vector<std::string>& righe, const std::string& documento) {
    if (!ctx.servizi.stampante) return;
    ctx.servizi.stampante->documento(documento);
    segnalaErroreStampa(ctx,
                        stampaListaRisultati(*ctx.servizi.stampante, righe, ctx.stato.opzStampa.righeOrizzontale()));
}

void stampaTesto(Contesto& ctx, const std::vector<std::string>& righe) {
    if (!ctx.servizi.stampante) return;
    ctx.servizi.stampante->documento("riepilogo-calcolo");
    segnalaErroreStampa(ctx, stampaTestoFinestra(*ctx.servizi.stampante, righe, ctx.stato.opzStampa.righeVerticale()));
}

} // namespace vantrel

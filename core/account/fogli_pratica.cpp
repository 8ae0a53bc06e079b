#include "account/fogli_pratica.h"

#include "common/date.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "teg/campo_periodo.h"

namespace vantrel {
namespace {

Cella data(const std::string& testo) {
    const auto d = leggiData(testo);
    return d ? Cella::diNumero(static_cast<double>(d->numero()), Formato::Data) : Cella::diTesto(testo);
}

Cella intero(double v) {
    return Cella::diNumero(v, Formato::Intero);
}

std::string unisci(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& m : v)
        s += (s.empty() ? "" : " | ") + m;
    return s;
}

std::string fonte(const EsitoTrimestre& e) {
    if (!e.inTabella) return "trimestre " + e.periodoTassi + " assente dalla tabella dei tassi: soglia 0";
    return "tabella dei tassi del programma (NtassiU.dat), periodo " + e.periodoTassi + ", " + e.voceTasso;
}

std::vector<Cella> rigaRiepilogo(const EsitoTrimestre& e, std::size_t n) {
    std::vector<Cella> r = {intero(static_cast<double>(n)),
                            data(e.dal),
                            data(e.al),
                            Cella::diTesto(e.categoria),
                            intero(e.classe),
                            Cella::daCampo(e.teg, Formato::Tasso),
                            Cella::daCampo(e.soglia, Formato::Tasso),
                            Cella::daCampo(e.supero, Formato::Tasso),
                            Cella::diTesto(e.oltreSoglia()         ? kOltreSoglia
                                           : leggiNumero(e.soglia) ? "entro soglia"
                                                                   : "soglia non disponibile"),
                            Cella::diTesto(e.esitoCms),
                            Cella::diTesto(e.norma),
                            Cella::diTesto(e.formula)};
    for (const auto& p : e.parziali)
        r.push_back(Cella::daCampo(p, Formato::Tasso));
    r.push_back(Cella::diTesto(unisci(e.messaggi)));
    return r;
}

} // namespace

void aggiungiTrimestre(TotaliPratica& t, const EsitoTrimestre& e) {
    ++t.trimestri;
    if (e.esitoCms.starts_with(kCmsOltreSoglia)) ++t.cmsOltre;
    if (!e.oltreSoglia()) return;
    const double s = leggiNumero(e.supero).value_or(0);
    if (t.oltre++ == 0 || s > t.superoMassimo) {
        t.superoMassimo = s;
        t.massimo = &e;
    }
}

TotaliPratica totaliPratica(const std::vector<EsitoTrimestre>& esiti) {
    TotaliPratica t;
    for (const auto& e : esiti)
        aggiungiTrimestre(t, e);
    return t;
}

Foglio foglioRiepilogo() {
    Foglio f;
    f.nome = "Riepilogo";
    f.colonne = {{"N.", 5, Formato::Intero},
                 {"Dal", 11, Formato::Data},
                 {"Al", 11, Formato::Data},
                 {"Categoria", 24, Formato::Generale},
                 {"Classe", 7, Formato::Intero},
                 {"TEG", 9, Formato::Tasso},
                 {"Tasso soglia", 10, Formato::Tasso},
                 {"Supero", 9, Formato::Tasso},
                 {"Esito", 14, Formato::Generale},
                 {"Esito CMS", 30, Formato::Generale},
                 {"Norma", 14, Formato::Generale},
                 {"Formula", 15, Formato::Generale},
                 {"TEG interessi", 10, Formato::Tasso},
                 {"TEG CMS", 10, Formato::Tasso},
                 {"TEG altri interessi", 10, Formato::Tasso},
                 {"TEG spese", 10, Formato::Tasso},
                 {"TEG altri oneri", 10, Formato::Tasso},
                 {"Note", 40, Formato::Generale}};
    return f;
}

void accodaRiepilogo(Foglio& f, const EsitoTrimestre& e) {
    f.righe.push_back(rigaRiepilogo(e, f.righe.size() + 1));
    f.evidenziate.push_back(e.oltreSoglia());
}

void totaliRiepilogo(Foglio& f, const std::vector<EsitoTrimestre>& esiti) {
    f.totali = totaliRiepilogo(totaliPratica(esiti), f.righe.size());
}

std::vector<std::vector<Cella>> totaliRiepilogo(const TotaliPratica& t, std::size_t righe) {
    std::vector<std::vector<Cella>> totali;
    if (righe == 0) return totali;
    const auto intervallo = [&](std::size_t c) { return nomeCella(c, 1) + ":" + nomeCella(c, righe); };
    const auto riga = [&](const char* titolo, Cella valore) {
        std::vector<Cella> r(6);
        r[0] = Cella::diTesto(titolo);
        r[5] = std::move(valore);
        totali.push_back(std::move(r));
    };
    riga("Trimestri controllati",
         Cella::diFormula("=COUNT(" + intervallo(0) + ")", static_cast<double>(t.trimestri), Formato::Intero));
    riga("Trimestri oltre la soglia",
         Cella::diFormula("=COUNTIF(" + intervallo(kColonnaEsito) + ",\"" + kOltreSoglia + "\")",
                          static_cast<double>(t.oltre), Formato::Intero));
    riga("Trimestri con CMS oltre la soglia (fino al 2009)",
         Cella::diFormula("=COUNTIF(" + intervallo(kColonnaEsitoCms) + ",\"" + kCmsOltreSoglia + "*\")",
                          static_cast<double>(t.cmsOltre), Formato::Intero));
    riga("Supero massimo",
         Cella::diFormula("=MAX(" + intervallo(kColonnaSupero) + ")", t.superoMassimo, Formato::Tasso));
    return totali;
}

CartellaLavoro cartellaPraticaVuota() {
    CartellaLavoro c;
    c.fogli.push_back(foglioRiepilogo());
    Foglio& dati = c.fogli.emplace_back();
    dati.nome = "Dati dei trimestri";
    dati.colonne = {{"N.", 5, Formato::Intero},
                    {"Riga del file", 8, Formato::Intero},
                    {"Dal", 11, Formato::Data},
                    {"Al", 11, Formato::Data}};
    for (const CampoPeriodo& k : kCampiPeriodo)
        dati.colonne.push_back({std::string(k.colonna), k.larghezza, k.formato});
    dati.colonne.insert(dati.colonne.end(), {{"Categoria", 24, Formato::Generale},
                                             {"Valuta", 7, Formato::Generale},
                                             {"Norma", 14, Formato::Generale},
                                             {"Formula", 15, Formato::Generale}});
    Foglio& tassi = c.fogli.emplace_back();
    tassi.nome = "Tassi usati";
    tassi.colonne = {
        {"N.", 5, Formato::Intero},           {"Dal", 11, Formato::Data},          {"Al", 11, Formato::Data},
        {"Categoria", 24, Formato::Generale}, {"Classe", 7, Formato::Intero},      {"Periodo", 8, Formato::Generale},
        {"Voce", 6, Formato::Generale},       {"Tasso medio", 10, Formato::Tasso}, {"Norma", 14, Formato::Generale},
        {"Tasso soglia", 10, Formato::Tasso}, {"Fonte", 60, Formato::Generale}};
    return c;
}

std::vector<std::vector<Cella>> righePratica(const EsitoTrimestre& e, std::size_t n) {
    std::vector<Cella> d = {intero(static_cast<double>(n)), intero(e.riga), data(e.dal), data(e.al)};
    for (std::size_t k = 0; k < e.dati.size(); ++k)
        d.push_back(Cella::daCampo(e.dati[k], kCampiPeriodo[k].formato));
    for (const std::string* t : {&e.categoria, &e.valuta, &e.norma, &e.formula})
        d.push_back(Cella::diTesto(*t));
    std::vector<Cella> t = {intero(static_cast<double>(n)),
                            data(e.dal),
                            data(e.al),
                            Cella::diTesto(e.categoria),
                            intero(e.classe),
                            Cella::diTesto(e.periodoTassi),
                            Cella::diTesto(e.voceTasso),
                            Cella::daCampo(e.tassoMedio, Formato::Tasso),
                            Cella::diTesto(e.norma),
                            Cella::daCampo(e.soglia, Formato::Tasso),
                            Cella::diTesto(fonte(e))};
    return {rigaRiepilogo(e, n), std::move(d), std::move(t)};
}

CartellaLavoro cartellaPratica(const std::vector<EsitoTrimestre>& esiti) {
    CartellaLavoro c = cartellaPraticaVuota();
    for (std::size_t n = 0; n < esiti.size(); ++n) {
        auto righe = righePratica(esiti[n], n + 1);
        for (std::size_t f = 0; f < righe.size(); ++f) {
            c.fogli[f].righe.push_back(std::move(righe[f]));
            c.fogli[f].evidenziate.push_back(esiti[n].oltreSoglia());
        }
    }
    totaliRiepilogo(c.fogli.front(), esiti);
    return c;
}

} // namespace vantrel

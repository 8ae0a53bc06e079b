#include "casefile/scelte_ricalcolo.h"

namespace vantrel {
namespace {

constexpr VoceModo<ModoCapitalizzazione> kCapitalizzazione[] = {
    {ModoCapitalizzazione::ComeBanca, "banca", "come la banca",
     "come la banca, alla fine di ogni periodo di liquidazione"},
    {ModoCapitalizzazione::Nessuna, "nessuna", "nessuna (interessi a parte)",
     "nessuna: gli interessi restano a parte e non producono interessi (art. 1283 c.c.)"},
    {ModoCapitalizzazione::Annuale, "annuale", "annuale",
     "annuale: gli interessi dell'anno si capitalizzano al 31 dicembre"},
    {ModoCapitalizzazione::Norma, "norma", "secondo la norma in vigore",
     "secondo la norma in vigore: trimestrale nulla prima del 22/04/2000 (Cass. SS.UU. 21095/2004); reciproca "
     "dal 22/04/2000 solo con il contratto adeguato (delibera CICR 9/2/2000); nessuna dal 01/01/2014 (art. 120 "
     "c. 2 TUB, L. 147/2013); dal 2016 interessi esigibili il 1° marzo dell'anno dopo, senza interessi su "
     "interessi (art. 120 c. 2 TUB, L. 49/2016, delibera CICR 343/2016)"},
};

constexpr VoceModo<ModoCms> kCms[] = {
    {ModoCms::Mantenuta, "mantenuta", "mantenuta", "mantenuta"},
    {ModoCms::Eliminata, "eliminata", "eliminata",
     "eliminata perché non pattuita per iscritto (art. 117 c. 4 e 6 TUB)"},
    {ModoCms::EntroSoglia, "soglia", "entro la soglia CMS (fino al 2009)",
     "fino al 2009 mantenuta entro la soglia CMS, la CMS media del trimestre x 1,5 (Cass. SS.UU. "
     "16303/2018)"},
};

constexpr VoceModo<ModoUsura> kUsura[] = {
    {ModoUsura::Nessuna, "nessuna", "nessun effetto", "nessun effetto sugli addebiti"},
    {ModoUsura::Trimestre, "trimestre", "azzerati i periodi oltre la soglia",
     "nel trimestre oltre la soglia interessi e ogni onere azzerati (art. 1815 c. 2 c.c.)"},
    {ModoUsura::DalTrimestre, "dal-trimestre", "azzerato dal primo periodo oltre la soglia",
     "dal primo trimestre oltre la soglia alla fine interessi e ogni onere azzerati (art. 1815 c. 2 c.c.)"},
};

constexpr VoceModo<ModoTassi> kTassi[] = {
    {ModoTassi::Contratto, "contratto", "quelli delle condizioni", "quelli delle condizioni"},
    {ModoTassi::Inseriti, "inseriti", "tassi inseriti", "i tassi inseriti per periodo"},
    {ModoTassi::Legale, "legale", "tasso legale", "il tasso legale (art. 1284 c.c.)"},
    {ModoTassi::Bot, "bot", "tassi BOT (art. 117 c. 7 TUB)",
     "i tassi sostitutivi dell'art. 117 c. 7 TUB: per i debiti del cliente il minimo, per i suoi crediti il "
     "massimo, dei rendimenti delle aste dei BOT annuali dei dodici mesi prima"},
};

std::string erroreIntervallo(const IntervalloScelta& i, const char* scelta) {
    if (i.dal && i.al && *i.al < *i.dal)
        return std::string(scelta) + ": la fine " + i.al->testo() + " viene prima dell'inizio " + i.dal->testo();
    return {};
}

} // namespace

std::string IntervalloScelta::testo() const {
    if (dal && al) return "dal " + dal->testo() + " al " + al->testo();
    if (dal) return "dal " + dal->testo();
    if (al) return "fino al " + al->testo();
    return {};
}

std::span<const VoceModo<ModoCapitalizzazione>> vociCapitalizzazione() {
    return kCapitalizzazione;
}
std::span<const VoceModo<ModoCms>> vociCms() {
    return kCms;
}
std::span<const VoceModo<ModoUsura>> vociUsura() {
    return kUsura;
}
std::span<const VoceModo<ModoTassi>> vociTassi() {
    return kTassi;
}

std::string erroreScelte(const ScelteRicalcolo& s) {
    const std::pair<const IntervalloScelta*, const char*> intervalli[] = {
        {&s.periodoCapitalizzazione, "capitalizzazione"},
        {&s.periodoCms, "CMS"},
        {&s.periodoCommissioni, "commissioni"},
        {&s.periodoUsura, "usura"},
        {&s.periodoTassi, "tassi"},
        {&s.periodoSpese, "spese"}};
    for (const auto& [i, nome] : intervalli)
        if (std::string e = erroreIntervallo(*i, nome); !e.empty()) return e;
    for (std::size_t i = 1; i < s.tassiInseriti.size(); ++i)
        if (!(s.tassiInseriti[i - 1].dal < s.tassiInseriti[i].dal))
            return "tassi inseriti: la data " + s.tassiInseriti[i].dal.testo() + " non segue quella prima";
    for (const auto& t : s.tassiInseriti)
        if (t.debitore < 0 || t.creditore < 0) return "tassi inseriti: un tasso non può essere negativo";
    if (s.tassi == ModoTassi::Inseriti && s.tassiInseriti.empty())
        return "tassi inseriti: inserire almeno un tasso, con la data da cui vale";
    return {};
}

} // namespace vantrel

#include "scelte_cli.h"

#include "comune.h"

#include <algorithm>

namespace vantrel::cli {
namespace {

// An option's value, taken out of the arguments; false with `errore` when it has none.
bool valore(std::vector<std::string>& args, const std::string& nome, std::optional<std::string>& v,
            std::string& errore) {
    if (prendiValore(args, nome, v)) return true;
    errore = "manca il valore di " + nome;
    return false;
}

bool data(const std::optional<std::string>& testo, const std::string& nome, std::optional<Data>& d,
          std::string& errore) {
    if (!testo) return true;
    d = leggiData(*testo);
    if (!d) errore = "data non valida per " + nome + ": " + *testo;
    return d.has_value();
}

// --NAME-dal and --NAME-al: the days of a choice.
bool intervallo(std::vector<std::string>& args, const std::string& nome, IntervalloScelta& i, bool& date,
                std::string& errore) {
    std::optional<std::string> dal, al;
    if (!valore(args, "--" + nome + "-dal", dal, errore) || !valore(args, "--" + nome + "-al", al, errore))
        return false;
    if (!dal && !al) return true;
    date = true;
    i = {};
    return data(dal, "--" + nome + "-dal", i.dal, errore) && data(al, "--" + nome + "-al", i.al, errore);
}

template <class Modo>
bool modo(std::vector<std::string>& args, const std::string& nome, std::span<const VoceModo<Modo>> voci, Modo& m,
          bool& date, std::string& errore) {
    std::optional<std::string> v;
    if (!valore(args, "--" + nome, v, errore)) return false;
    if (!v) return true;
    date = true;
    if (const auto letto = modoDi(voci, *v)) {
        m = *letto;
        return true;
    }
    errore = "valore sconosciuto per --" + nome + ": \"" + *v + "\" (";
    for (std::size_t i = 0; i < voci.size(); ++i)
        errore += (i ? ", " : "") + std::string(voci[i].chiave);
    errore += ")";
    return false;
}

// "--tasso-inserito 01/01/2009:7:1", repeated: the entered rates, which replace the case's.
bool tassiInseriti(std::vector<std::string>& args, ScelteRicalcolo& s, bool& date, std::string& errore) {
    std::vector<TassoInserito> letti;
    for (std::optional<std::string> v; (v.reset(), valore(args, "--tasso-inserito", v, errore)) && v;) {
        const auto a = v->find(':'), b = v->find(':', a == std::string::npos ? a : a + 1);
        const auto dal = a == std::string::npos ? std::nullopt : leggiData(v->substr(0, a));
        const auto debitore = b == std::string::npos ? std::nullopt : leggiTassoDecimale(v->substr(a + 1, b - a - 1));
        const auto creditore = b == std::string::npos ? std::nullopt : leggiTassoDecimale(v->substr(b + 1));
        if (!dal || !debitore || !creditore) {
            errore = "--tasso-inserito vuole gg/mm/aaaa:debitore:creditore, non " + *v;
            return false;
        }
        letti.push_back({*dal, *debitore, *creditore});
    }
    if (!errore.empty()) return false;
    if (letti.empty()) return true;
    date = true;
    std::sort(letti.begin(), letti.end(), [](const auto& x, const auto& y) { return x.dal < y.dal; });
    s.tassiInseriti = std::move(letti);
    return true;
}

bool parole(std::vector<std::string>& args, ScelteRicalcolo& s, bool& date, std::string& errore) {
    std::optional<std::string> commissioni, spese, saldo, prescrizione, adeguamento;
    if (!valore(args, "--commissioni", commissioni, errore) || !valore(args, "--spese", spese, errore) ||
        !valore(args, "--saldo-iniziale", saldo, errore) || !valore(args, "--prescrizione", prescrizione, errore) ||
        !valore(args, "--adeguamento", adeguamento, errore))
        return false;
    date = date || commissioni || spese || saldo || prescrizione || adeguamento;
    if (commissioni && *commissioni != "mantenute" && *commissioni != "eliminate") {
        errore = "--commissioni vuole mantenute o eliminate, non " + *commissioni;
        return false;
    }
    if (commissioni) s.commissioniEliminate = *commissioni == "eliminate";
    if (spese && *spese != "mantenute" && *spese != "operazioni" && *spese != "fisse" && *spese != "operazioni,fisse") {
        errore = "--spese vuole mantenute, operazioni, fisse o operazioni,fisse, non " + *spese;
        return false;
    }
    if (spese) {
        s.speseOperazioniEliminate = spese->find("operazioni") != std::string::npos;
        s.speseFisseEliminate = spese->find("fisse") != std::string::npos;
    }
    if (saldo && *saldo != "banca" && *saldo != "zero") {
        errore = "--saldo-iniziale vuole banca o zero, non " + *saldo;
        return false;
    }
    if (saldo) s.saldoInizialeZero = *saldo == "zero";
    if (prescrizione && *prescrizione == "no")
        s.primaRichiesta.reset();
    else if (!data(prescrizione, "--prescrizione", s.primaRichiesta, errore))
        return false;
    if (adeguamento && *adeguamento == "no")
        s.adeguamento.reset();
    else if (!data(adeguamento, "--adeguamento", s.adeguamento, errore))
        return false;
    return true;
}

} // namespace

const char* const kAiutoScelte =
    "Scelte del ricalcolo (restano nella pratica; ciascuna con --<scelta>-dal e --<scelta>-al, i giorni in cui\n"
    "vale):\n"
    "  --capitalizzazione banca|nessuna|annuale|norma  [--adeguamento gg/mm/aaaa|no]\n"
    "  --cms mantenuta|eliminata|soglia                 (soglia: fino al 2009 entro la CMS media x 1,5)\n"
    "  --commissioni mantenute|eliminate                (commissioni sul fido e di sconfinamento)\n"
    "  --usura nessuna|trimestre|dal-trimestre          (art. 1815 c. 2 c.c.)\n"
    "  --tassi contratto|inseriti|legale|bot            [--tasso-inserito gg/mm/aaaa:debitore:creditore ...]\n"
    "  --spese mantenute|operazioni|fisse|operazioni,fisse\n"
    "  --saldo-iniziale banca|zero\n"
    "  --prescrizione gg/mm/aaaa|no                     (giorno della prima richiesta)\n";

bool leggiScelte(std::vector<std::string>& args, ScelteRicalcolo& s, bool& date, std::string& errore) {
    date = false;
    return modo(args, "capitalizzazione", vociCapitalizzazione(), s.capitalizzazione, date, errore) &&
           intervallo(args, "capitalizzazione", s.periodoCapitalizzazione, date, errore) &&
           modo(args, "cms", vociCms(), s.cms, date, errore) && intervallo(args, "cms", s.periodoCms, date, errore) &&
           intervallo(args, "commissioni", s.periodoCommissioni, date, errore) &&
           modo(args, "usura", vociUsura(), s.usura, date, errore) &&
           intervallo(args, "usura", s.periodoUsura, date, errore) &&
           modo(args, "tassi", vociTassi(), s.tassi, date, errore) &&
           intervallo(args, "tassi", s.periodoTassi, date, errore) &&
           intervallo(args, "spese", s.periodoSpese, date, errore) && tassiInseriti(args, s, date, errore) &&
           parole(args, s, date, errore);
}

} // namespace vantrel::cli

#include "recalculation/rideterminazione.h"

#include "recalculation/capitalizzazione_ricalcolo.h"
#include "recalculation/condizioni_ricalcolate.h"
#include "recalculation/prescrizione.h"
#include "teg/riga_report.h"

#include <algorithm>

namespace vantrel {
namespace {

const RigaCondizioni& inVigore(const std::vector<RigaCondizioni>& righe, const Data& d) {
    auto it = std::upper_bound(righe.begin(), righe.end(), d,
                               [](const Data& x, const RigaCondizioni& r) { return x < r.dal; });
    return it == righe.begin() ? righe.front() : *(it - 1);
}

RigaRicalcolo riga(const PeriodoScalare& banca, const PeriodoScalare& r, const RigaCondizioni& c, std::string nota) {
    const Competenze& k = r.calcolate;
    RigaRicalcolo x;
    x.dal = r.dal;
    x.al = r.al;
    x.banca = banca.banca;
    x.interessi = k.interessi();
    x.cms = k.cms;
    x.commissioni = k.commissioneFido + k.commissioneSconfinamento;
    x.spese = k.speseOperazioni + k.speseFisse;
    x.saldoBanca = banca.saldoChiuso;
    x.saldoRicalcolato = r.saldoChiuso;
    x.interessiAParte = r.interessiAParte;
    x.tassoDebitore = c.tassoDebitore;
    x.tassoCreditore = c.tassoCreditore;
    x.nota = std::move(nota);
    return x;
}

// By period, what the bank took unduly before it: the opening balances' difference and, for each
// period closed, its entries less the charges of the recalculation.
std::vector<Centesimi> indebito(Centesimi differenzaIniziale, const std::vector<PeriodoScalare>& banca,
                                const std::vector<PeriodoScalare>& ricalcolo) {
    std::vector<Centesimi> out;
    Centesimi somma = differenzaIniziale;
    for (std::size_t i = 0; i < ricalcolo.size(); ++i) {
        out.push_back(somma);
        somma += banca[i].totaleBanca() - ricalcolo[i].calcolate.netto();
    }
    return out;
}

std::string unisci(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& x : v)
        s += (s.empty() ? "" : "\n") + x;
    return s;
}

} // namespace

std::string versioneDati(const TassiPubblici& pubblici, const TabellaTassi& tassi) {
    int primo = 0, ultimo = 0, n = 0; // periods as year x 10 + quarter
    for (int i = 1; i <= tassi.validi(); ++i) {
        const std::string& k = tassi.slot(i).periodo;
        if (k.size() != 5) continue;
        const int p = std::stoi(k.substr(1)) * 10 + (k[0] - '0');
        primo = n == 0 ? p : std::min(primo, p);
        ultimo = n == 0 ? p : std::max(ultimo, p);
        ++n;
    }
    const auto periodo = [](int p) { return std::to_string(p % 10) + "° trim. " + std::to_string(p / 10); };
    const std::string soglie =
        n == 0 ? "tassi soglia: nessun trimestre"
               : "tassi soglia: " + std::to_string(n) + " trimestri dal " + periodo(primo) + " al " + periodo(ultimo);
    return soglie + "; " + pubblici.versione();
}

Rideterminazione ridetermina(const ContoBanca& banca, const ScelteRicalcolo& s, const TassiPubblici& pubblici,
                             const TabellaTassi& tassi) {
    Rideterminazione out;
    const auto& periodi = banca.controllo.scalare.periodi;
    if (out.errore = banca.controllo.errore; !out.errore.empty()) return out;
    if (out.errore = erroreScelte(s); !out.errore.empty()) return out;
    if (periodi.empty()) return {{}, {}, {}, "non ci sono periodi da ricalcolare"};
    std::vector<bool> oltre, compensata;
    for (const RisultatoPeriodo& r : banca.controllo.risultati) {
        oltre.push_back(!r.supero.empty());
        // The saved result row ends with the separate CMS test's verdict, where it was run.
        compensata.push_back(r.riga.ends_with(codaCms(kCmsEntroSoglia)));
    }
    oltre.resize(periodi.size(), false);
    compensata.resize(periodi.size(), false);
    CondizioniRicalcolate c = condizioniRicalcolate(banca.condizioni, s, {periodi, oltre, compensata, pubblici, tassi});
    if (out.errore = c.errore; !out.errore.empty()) return out;

    OpzioniScalare o = banca.opzioni;
    o.saldo = SaldoScalare::Ricalcolato;
    o.capitalizzazioni = trattiCapitalizzazione(s);
    o.dal = periodi.front().dal;
    o.al = periodi.back().al;
    if (s.saldoInizialeZero) o.saldoIniziale = 0;
    std::optional<Prescrizione> prescrizione;
    if (s.primaRichiesta) prescrizione.emplace(*s.primaRichiesta, banca.giorni);
    out.scalare = calcolaScalare(banca.giorni, c.righe, o, [&](const GiornoScalare& g) {
        if (prescrizione) prescrizione->giorno(g);
    });
    if (out.errore = out.scalare.errore; !out.errore.empty()) return out;
    if (out.scalare.periodi.size() != periodi.size())
        return {{}, {}, {}, "i periodi del ricalcolo non sono quelli della banca"};

    RicalcoloSalvato& r = out.ricalcolo;
    for (std::size_t i = 0; i < periodi.size(); ++i) {
        const PeriodoScalare& p = out.scalare.periodi[i];
        r.righe.push_back(riga(periodi[i], p, inVigore(c.righe, p.al), c.note[i]));
    }
    EsitoRicalcolo& e = r.esito;
    e.saldoBanca = periodi.back().saldoChiuso;
    e.saldoRicalcolato = out.scalare.periodi.back().saldoChiuso;
    e.interessiAParte = out.scalare.interessiAParte;
    if (prescrizione) {
        e.prescrizione = true;
        r.rimesse = prescrizione->calcola(
            indebito(o.saldoIniziale - banca.opzioni.saldoIniziale, periodi, out.scalare.periodi), c.righe);
        for (const RimessaSolutoria& m : r.rimesse)
            e.prescritto += m.prescritta;
        e.prescritto = std::clamp<Centesimi>(e.prescritto, 0, std::max<Centesimi>(0, e.differenza()));
    }
    e.avvisi = unisci(c.avvisi);
    e.versioneDati = versioneDati(pubblici, tassi);
    out.condizioni = std::move(c.righe);
    return out;
}

} // namespace vantrel

#pragma once

#include "account/importa_condizioni.h"
#include "account/importa_movimenti.h"
#include "account/scalare.h"
#include "casefile/pratica.h"
#include "casefile/scelte_ricalcolo.h"
#include "common/righe_csv.h"
#include "rates/tabella_tassi.h"
#include "support/righe_attese.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace vantrel::test {

/// The account of the recalculation's worked example (tools/ricalcolo_atteso.py): eight quarters of
/// 2008-2010 with a credit line, its movements and conditions as the tests import them, the opening
/// balance -5.000,00.
struct ContoRicalcolo {
    ContoRicalcolo() {
        std::ifstream mov(VANTREL_TEST_DATA "/ricalcolo_movimenti.csv", std::ios::binary),
            cond(VANTREL_TEST_DATA "/ricalcolo_condizioni.csv", std::ios::binary);
        RigheCsv righe(mov), righeCondizioni(cond);
        EXPECT_EQ(leggiMovimenti(righe, [&](const Movimento& m) { giorni.aggiungi(m); }).errore, "");
        auto lette = leggiCondizioni(righeCondizioni);
        EXPECT_EQ(lette.errore, "");
        condizioni = std::move(lette.righe);
        opzioni.saldoIniziale = -500000;
    }

    GiorniConto giorni;
    std::vector<RigaCondizioni> condizioni;
    OpzioniScalare opzioni;
};

/// The official rate history of data/tassi-ufficiali.csv, with the CMS averages the worked example
/// enters (tests/data/ricalcolo_cms_media.csv), as the rate window would store them.
inline void caricaTassiEsempio(TabellaTassi& t) {
    const auto decimale = [](std::string v) {
        std::ranges::replace(v, ',', '.');
        return v.empty() ? 0.0f : std::stof(v);
    };
    for (const auto& riga : righeFile(VANTREL_DATA_DIR "/tassi-ufficiali.csv")) {
        RecordTassi& r = t.slot(++t.numPeriodi);
        r.numRec = t.numPeriodi;
        r.periodo = riga.at("periodo");
        for (const auto& [nome, v] : riga)
            if (nome != "periodo") campoTasso(r, nome) = decimale(v);
    }
    for (const auto& m : righeFile(VANTREL_TEST_DATA "/ricalcolo_cms_media.csv"))
        t.slot(t.cercaPeriodo(m.at("periodo"))).TM[5] = decimale(m.at("cms media"));
}

/// The choices of each case of tools/ricalcolo_atteso.py, by its name.
inline const std::vector<std::pair<std::string, std::function<void(ScelteRicalcolo&)>>>& casiRicalcolo() {
    using S = ScelteRicalcolo;
    static const std::vector<std::pair<std::string, std::function<void(S&)>>> casi = {
        {"banca", [](S&) {}},
        {"capitalizzazione-nessuna", [](S& s) { s.capitalizzazione = ModoCapitalizzazione::Nessuna; }},
        {"capitalizzazione-annuale", [](S& s) { s.capitalizzazione = ModoCapitalizzazione::Annuale; }},
        {"capitalizzazione-norma",
         [](S& s) {
             s.capitalizzazione = ModoCapitalizzazione::Norma;
             s.adeguamento = Data{2009, 4, 1};
         }},
        {"capitalizzazione-nessuna-2009",
         [](S& s) {
             s.capitalizzazione = ModoCapitalizzazione::Nessuna;
             s.periodoCapitalizzazione = {Data{2009, 1, 1}, Data{2009, 12, 31}};
         }},
        {"cms-eliminata", [](S& s) { s.cms = ModoCms::Eliminata; }},
        {"cms-soglia", [](S& s) { s.cms = ModoCms::EntroSoglia; }},
        {"commissioni-eliminate", [](S& s) { s.commissioniEliminate = true; }},
        {"usura-trimestre", [](S& s) { s.usura = ModoUsura::Trimestre; }},
        {"usura-dal-trimestre", [](S& s) { s.usura = ModoUsura::DalTrimestre; }},
        {"tassi-inseriti",
         [](S& s) {
             s.tassi = ModoTassi::Inseriti;
             s.periodoTassi.dal = Data{2009, 2, 15};
             s.tassiInseriti = {{{2009, 1, 1}, 70000, 10000}, {{2010, 1, 1}, 60000, 5000}};
         }},
        {"tassi-legale", [](S& s) { s.tassi = ModoTassi::Legale; }},
        {"tassi-bot", [](S& s) { s.tassi = ModoTassi::Bot; }},
        {"spese-eliminate", [](S& s) { s.speseOperazioniEliminate = s.speseFisseEliminate = true; }},
        {"saldo-zero", [](S& s) { s.saldoInizialeZero = true; }},
        {"prescrizione",
         [](S& s) {
             s.primaRichiesta = Data{2019, 5, 20};
         }},
        {"insieme",
         [](S& s) {
             s.capitalizzazione = ModoCapitalizzazione::Norma;
             s.cms = ModoCms::EntroSoglia;
             s.commissioniEliminate = true;
             s.usura = ModoUsura::Trimestre;
             s.tassi = ModoTassi::Bot;
             s.speseFisseEliminate = true;
             s.primaRichiesta = Data{2019, 5, 20};
         }},
    };
    return casi;
}

/// The worked example as a case file at `path` (its movements, conditions and opening balance), with
/// the public rates copied into the program folder `cartella` as the build places them.
inline void praticaEsempio(ServizioBancheDati& sqlite, const std::string& path, const std::string& cartella) {
    std::string errore;
    auto p = Pratica::crea(sqlite, path, errore);
    ASSERT_TRUE(p) << errore;
    ASSERT_EQ(p->impostaDato(dati_pratica::kCliente, "Officine Verdi S.r.l."), "");
    ASSERT_EQ(p->impostaDato(dati_pratica::kSaldoIniziale, "-5.000,00"), "");
    const ContoRicalcolo c;
    ASSERT_EQ(p->impostaCondizioni(c.condizioni), "");
    std::ifstream mov(VANTREL_TEST_DATA "/ricalcolo_movimenti.csv", std::ios::binary);
    RigheCsv righe(mov);
    ASSERT_TRUE(p->importaMovimenti(righe, {}).importati);
    for (const char* f : {"tasso-legale.csv", "bot-12-mesi-aste.csv"})
        std::filesystem::copy_file(std::string(VANTREL_DATA_DIR "/") + f, cartella + f,
                                   std::filesystem::copy_options::overwrite_existing);
}

/// The expected outcome of a case of tools/ricalcolo_atteso.py.
inline RigaAttesa esitoAtteso(const std::string& caso) {
    for (auto& r : righeFile(VANTREL_TEST_DATA "/ricalcolo_esito_atteso.csv"))
        if (r.at("caso") == caso) return r;
    ADD_FAILURE() << "caso sconosciuto " << caso;
    return {};
}

} // namespace vantrel::test

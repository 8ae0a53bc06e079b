#include "common/maschera_formato.h"
#include "rate_windows/usurari.h"
#include "rates/fonti_tassi.h"
#include "support/ambiente.h"
#include "support/file_tassi.h"
#include "support/messaggio.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::Periodo;

void scegliPeriodo(Usurari& u, const std::string& trimestre, const std::string& anno) {
    const auto indice = [&](const char* combo, const std::string& testo) {
        const auto& v = u[combo].voci;
        return static_cast<int>(std::find(v.begin(), v.end(), testo) - v.begin());
    };
    u.seleziona("Combo1", indice("Combo1", trimestre));
    u.seleziona("Combo2", indice("Combo2", anno));
}

class ProvaUsurari : public ::testing::Test, protected test::Ambiente {
protected:
    ProvaUsurari() { orologio.imposta(Data{2026, 12, 5}); }

    test::Bytes dati() const { return test::leggiByte(dir.file("NtassiU.dat")); }
    test::Bytes numero() const { return test::leggiByte(dir.file("NRectassiU.dat")); }
};

// In record order: TM7 TM8 TM1..TM6, TU1..TU6.
Periodo periodo2004() {
    return Periodo{"32004", 9.57f, 10, 5.5f, 3, 4, 2.25f, 1, 1, 8.25f, 4.5f, 6, 3, 1.5f, 1.5f};
}

TEST_F(ProvaUsurari, LElencoSegueIlPeriodoConLaChiaveNascosta) {
    // Out of order, with a key saved without a quarter (stored as "2002 ").
    test::scriviTassi(dir, {periodo2004(), Periodo{"2002", 0, 0, 7}});

    Usurari u(ctx);
    const std::string trattini(100, '-');
    const std::string vuoti = "   0,00   0,00   0,00   0,00   0,00   0,00";
    const std::vector<std::string> atteso = {
        " 2° trim. 002   1° S.  7,00" + vuoti,
        "                2° S.  0,00   0,00   0,00   0,00   0,00   0,00",
        "                3° S.                              0,00   0,00",
        trattini,
        " 3° trim. 2004  1° S.  5,50   8,25   9,57  14,36   4,00   6,00   1,50", // 9,57 x 1,5 = 14,355
        "                2° S.  3,00   4,50  10,00  15,00   2,25   3,00",
        "                3° S.                              1,00   1,50",
        trattini,
    };
    std::vector<std::string> visibili;
    for (const auto& r : u["List1"].voci)
        visibili.push_back(testoVisibile(r));
    EXPECT_EQ(visibili, atteso);
    // Every row keeps its six-character sort key in the list itself.
    EXPECT_EQ(u["List1"].voci[4].substr(0, 6), "20043A");
    EXPECT_EQ(u["List1"].voci[0].substr(0, 6), "002 2A");
    EXPECT_EQ(u["Combo3"].voci, (std::vector<std::string>{"002  2° trim. ", "2004 3° trim. "}));
}

TEST_F(ProvaUsurari, UscireDaUnTassoLoFormattaERicavaLaSoglia) {
    struct Caso {
        const char* campo;
        const char* testo; // pasted
        const char* atteso;
        const char* soglia;
        const char* sogliaAttesa; // the threshold field starts as "7"
    };
    for (const Caso& c : {Caso{"TM1", "5,5", "5,50", "TU1", "8,25"}, Caso{"TM6", "8", "8,00", "TU6", "12,00"},
                          Caso{"TM2", "", "0", "TU2", "0,00"}, Caso{"TM7", "9,57", "9,57", "TU7", "14,355"},
                          Caso{"TM8", "1.234,5", "1234,50", "TU8", "0,00"}, Caso{"TM5", "", "", "TU5", "7"},
                          Caso{"TM5", "0,4", "0,40", "TU5", "0,60"}, Caso{"TM3", "abc", "0", "TU3", "0,00"},
                          Caso{"TM5", "12x", "", "TU5", "7"}, Caso{"TU4", "3", "3,00", "TM4", "7"},
                          Caso{"TU2", "--", "", "TM2", "7"}}) {
        Usurari u(ctx);
        scegliPeriodo(u, "1", "2004"); // a quarter of the old rule
        u.imposta(u.id(c.soglia), "7");
        u.incolla(c.campo, c.testo);
        u.esci(c.campo);
        EXPECT_EQ(u[c.campo].testo, c.atteso) << c.campo << " " << c.testo;
        EXPECT_EQ(u[c.soglia].testo, c.sogliaAttesa) << c.campo << " " << c.testo;
    }
}

// Saving a quarter also makes its rates the user's, and only that quarter's.
TEST_F(ProvaUsurari, SalvareUnNuovoPeriodoScriveIlRecordESvuotaICampi) {
    ASSERT_TRUE(registraFontiTassi(ctx.stato.cartellaDati, {{"32004", "decreto MEF del trimestre"}}));
    Usurari u(ctx);
    scegliPeriodo(u, "3", "2004");
    const std::pair<const char*, const char*> campi[] = {
        {"TM1", "5,5"},  {"TM2", "3"}, {"TM7", "9,57"}, {"TM8", "10"},  {"TM3", "4"}, {"TU3", "6"},
        {"TM4", "2,25"}, {"TU4", "3"}, {"TM6", "1"},    {"TU6", "1,5"}, {"TM5", "1"}, {"TU5", "1,5"}};
    for (const auto& [campo, testo] : campi) {
        u.incolla(campo, testo);
        u.esci(campo);
    }
    u.clicca("OK");

    EXPECT_EQ(dati(), test::fileDati({periodo2004()}));
    EXPECT_EQ(numero(), test::fileNumero(1));
    EXPECT_TRUE(risposte.mostrati().empty());
    EXPECT_EQ(ctx.stato.tassi.numPeriodi, 1);
    EXPECT_EQ(u["Combo3"].voci, std::vector<std::string>{"2004 3° trim. "});
    for (const char* campo : {"TM1", "TM8", "TU6"})
        EXPECT_EQ(u[campo].testo, "") << campo;
    EXPECT_EQ(fonteTassi(ctx.stato.cartellaDati, "32004"), fonti::utente);
    EXPECT_EQ(fonteTassi(ctx.stato.cartellaDati, "42004"), fonti::nonRegistrata);

    // A second period goes after the first; empty fields are stored as 0.
    scegliPeriodo(u, "4", "2004");
    u.incolla("TM1", "2");
    u.clicca("OK");
    EXPECT_EQ(dati(), test::fileDati({periodo2004(), Periodo{"42004", 0, 0, 2}}));
    EXPECT_EQ(numero(), test::fileNumero(2));
}

TEST_F(ProvaUsurari, SalvareUnPeriodoGiaPresenteChiedePrima) {
    for (const auto& [risposta, sovrascritto] : {std::pair{Risposta::Ok, true}, std::pair{Risposta::Annulla, false}}) {
        Periodo vecchio = periodo2004();
        vecchio.riserva = 0x04030201;
        const Periodo altro{"12005"};
        test::scriviTassi(dir, {altro, vecchio});
        risposte = RisposteProgrammate{};
        risposte.aggiungi(risposta);

        Usurari u(ctx);
        u.seleziona("Combo3", 0); // "2004 3° trim. " sorts before "2005 1° trim. "
        EXPECT_EQ(u["Combo2"].testo, "2004");
        EXPECT_EQ(u["TU8"].testo, "15,00");
        u.incolla("TM1", "6");
        u.esci("TM1");
        u.clicca("OK");

        ASSERT_EQ(risposte.mostrati().size(), 1u);
        test::controllaMessaggio(risposte.mostrati()[0],
                                 {"ATTENZIONE!", "Il periodo che stai salvando esiste già. Vuoi sovrascrivere i dati?",
                                  Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});

        Periodo atteso = vecchio;
        if (sovrascritto) atteso.tm1 = 6, atteso.tu1 = 9;
        EXPECT_EQ(dati(), test::fileDati({altro, atteso}));
        EXPECT_EQ(numero(), test::fileNumero(2));
        EXPECT_EQ(ctx.stato.tassi.slot(2).TM[1], sovrascritto ? 6.0f : 5.5f);
        EXPECT_EQ(ctx.stato.tassi.periodoScelto, sovrascritto ? 0 : 2);
        EXPECT_EQ(u["TM1"].testo, sovrascritto ? "" : "6,00");
    }
}

TEST_F(ProvaUsurari, LaTabellaRifiutaIl201esimoPeriodoEDicePerche) {
    std::vector<Periodo> periodi;
    for (int anno = 1950; anno < 2000; ++anno)
        for (int q = 1; q <= 4; ++q)
            periodi.push_back(Periodo{std::to_string(q) + std::to_string(anno)});
    test::scriviTassi(dir, periodi);
    const auto datiPrima = dati();

    Usurari u(ctx);
    scegliPeriodo(u, "1", "2026");
    u.incolla("TM1", "3");
    u.clicca("OK");

    ASSERT_EQ(risposte.mostrati().size(), 1u);
    EXPECT_NE(risposte.mostrati()[0].testo.find("200 periodi"), std::string::npos);
    EXPECT_EQ(dati(), datiPrima);
    EXPECT_EQ(numero(), test::fileNumero(200));
    EXPECT_EQ(u["TM1"].testo, "3"); // the user's figures stay for another try

    // An existing period can still be corrected.
    risposte.aggiungi(Risposta::Ok);
    scegliPeriodo(u, "2", "1999");
    u.clicca("OK");
    EXPECT_EQ(ctx.stato.tassi.slot(198).TM[1], 3.0f);
}

// The rate window turns a typed average into the threshold of the chosen quarter's rule.
TEST_F(ProvaUsurari, LaFinestraDeiTassiSegueIlTrimestre) {
    // The quarter and year chosen, the average typed, the threshold.
    const std::tuple<const char*, const char*, const char*, const char*> casi[] = {
        {"1", "2011", "10,45", "15,675"},  {"2", "2011", "10,45", "15,675"}, // the 2nd quarter as published
        {"3", "2011", "10,45", "17,0625"}, {"4", "2026", "10,45", "17,0625"},
        {"4", "2026", "16,08", "24,08"},   {"", "", "10,45", "17,0625"}, // no quarter chosen: the rule in force today
    };
    for (const auto& [trimestre, anno, media, soglia] : casi) {
        SCOPED_TRACE(std::string(trimestre) + " " + anno + " " + media);
        Usurari u(ctx);
        if (*trimestre) scegliPeriodo(u, trimestre, anno);
        u.incolla("TM7", media);
        u.esci("TM7");
        EXPECT_EQ(u["TU7"].testo, soglia);
    }
    // The listing computes the overdraft thresholds by the rule of each stored quarter.
    test::scriviTassi(dir, {Periodo{"22011", 13.6f}, Periodo{"32011", 14.65f}});
    Usurari u(ctx);
    const auto& righe = u["List1"].voci;
    ASSERT_EQ(righe.size(), 8u);
    EXPECT_NE(righe[0].find(" 13,60  20,40 "), std::string::npos) << righe[0]; // x 1,5
    EXPECT_NE(righe[4].find(" 14,65  22,31 "), std::string::npos) << righe[4]; // x 1,25 + 4
}

// While the server is awaited only "Esci" takes a click: it cancels the download, and closes the
// window once the download has stopped; Annulla cancels and leaves the window as it was.
TEST(ScaricaTassi, DuranteLAttesaSoloEsciChiudeDopoAverAnnullato) {
    // A server that answers only when the transfer is cancelled; the user clicks during the wait.
    struct Rete : ClientRete {
        std::function<void()> clic;
        bool fermo = false;
        void azzera() override { fermo = false; }
        void annulla() override { fermo = true; }
        EsitoTrasferimento scarica(const Trasferimento&) override {
            clic();
            EsitoTrasferimento e;
            e.stato = fermo ? EsitoTrasferimento::Stato::Annullato : EsitoTrasferimento::Stato::Errore;
            return e;
        }
    };
    struct Connessione : StatoConnessione {
        bool connessioneAttiva() override { return true; }
    } connessione;
    for (const bool esci : {true, false}) {
        test::Ambiente a;
        Rete rete;
        a.ctx.servizi.rete = &rete;
        a.ctx.servizi.connessione = &connessione;
        Usurari u(a.ctx);
        std::vector<bool> abilitati;
        rete.clic = [&] {
            for (const char* p : {"OK", "Pulisci", "SSCommand6", "ImportaSerie", "Esc"})
                abilitati.push_back(u[p].abilitato);
            esci ? u.clicca("Esc") : u.annullaScaricamento();
            EXPECT_FALSE(u.chiusa()) << "closed while the download still runs";
        };
        u.clicca("SSCommand6");
        EXPECT_EQ(abilitati, (std::vector<bool>{false, false, false, false, true}));
        EXPECT_EQ(u.chiusa(), esci);
        EXPECT_TRUE(a.risposte.mostrati().empty());
        EXPECT_EQ(u["LblStato"].testo.rfind("Scaricamento annullato", 0), 0u);
        EXPECT_TRUE(u["SSCommand6"].abilitato);
    }
}

// The labels name the categories and classes of the published table of the quarter shown: lire up
// to 2001, the overdrafts from 2010, three classes of advances from 2nd quarter 2010 with new limits
// and names from 2nd quarter 2017 and from 4th quarter 2025.
TEST_F(ProvaUsurari, LeEtichetteSeguonoIlTrimestreMostrato) {
    struct Caso {
        const char *trimestre, *anno, *valuta, *conto1, *scoperti, *scoperti1, *anticipi, *anticipi2, *anticipi3;
    };
    const Caso casi[] = {
        {"2", "1999", "in lire", "fino a 10.000.000 lire", "Scoperti senza affidamento: non rilevati prima del 2010",
         "", "Anticipi, sconti commerciali e altri finanziamenti alle imprese effettuati dalle banche",
         "oltre 10.000.000 lire", "non prevista"},
        {"1", "2010", "in euro", "fino a 5.000 euro", "Scoperti senza affidamento", "fino a 1.500 euro",
         "Anticipi, sconti commerciali e altri finanziamenti alle imprese", "oltre 5.000 euro", "non prevista"},
        {"2", "2010", "in euro", "fino a 5.000 euro", "Scoperti senza affidamento", "fino a 1.500 euro",
         "Anticipi e sconti", "da 5.000 a 100.000 euro", "oltre 100.000 euro"},
        {"2", "2017", "in euro", "fino a 5.000 euro", "Scoperti senza affidamento", "fino a 1.500 euro",
         "Anticipi, sconti commerciali e finanziamenti all'importazione", "da 50.000 a 200.000 euro",
         "oltre 200.000 euro"},
        {"1", "2026", "in euro", "fino a 5.000 euro", "Scoperti senza affidamento", "fino a 1.500 euro",
         "Finanziamenti per anticipi su crediti e documenti e sconto di portafoglio commerciale; finanziamenti "
         "all'importazione e anticipo fornitori",
         "da 50.000 a 200.000 euro", "oltre 200.000 euro"},
    };
    Usurari u(ctx);
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.trimestre) + c.anno);
        scegliPeriodo(u, c.trimestre, c.anno);
        EXPECT_TRUE(u["Label2"].testo.ends_with(c.valuta)) << u["Label2"].testo;
        EXPECT_EQ(u["LblConto1"].testo, c.conto1);
        EXPECT_EQ(u["LblScoperti"].testo, c.scoperti);
        EXPECT_EQ(u["LblScoperti1"].testo, c.scoperti1);
        EXPECT_EQ(u["LblAnticipi"].testo, c.anticipi);
        EXPECT_EQ(u["LblAnticipi2"].testo, c.anticipi2);
        EXPECT_EQ(u["LblAnticipi3"].testo, c.anticipi3);
    }
}

} // namespace
} // namespace vantrel

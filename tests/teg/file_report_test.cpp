#include "reports/file_report.h"
#include "reports/gestore_report.h"
#include "support/ambiente.h"
#include "support/disco_guasto.h"
#include "support/messaggio.h"
#include "support/stato_finestra.h"
#include "teg/finestra_calcolo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Righe = std::vector<std::string>;

class FileReport : public ::testing::Test, protected test::Ambiente {};

TEST(ContenutoReport, ByteDelFile) {
    struct Caso {
        Righe righe;
        std::string byte;
    };
    for (const Caso& c : {
             Caso{{}, "Fine\r\n"},
             Caso{{"a", "", "  b  "}, "a\r\n\r\n  b  \r\nFine\r\n"},
             Caso{{"perché è così €"}, "perch\xE9 \xE8 cos\xEC \x80\r\nFine\r\n"},
             Caso{{"a", "Fine", "b"}, "a\r\nFine\r\nb\r\nFine\r\n"},
         }) {
        EXPECT_EQ(contenutoReport(c.righe), c.byte);
    }
}

TEST(ContenutoReport, Lettura) {
    struct Caso {
        const char* nome;
        std::string byte;
        Righe righe;
    };
    for (const Caso& c : {
             Caso{"vuoto", "", {}},
             Caso{"Fine esatto ferma senza entrare", "a\r\nFine\r\nb\r\nFine\r\n", {"a"}},
             Caso{"Fine con spazi entra e ferma", "a\r\n Fine \r\nb\r\n", {"a", " Fine "}},
             Caso{"il tab non e uno spazio", "\tFine\r\nb\r\n", {"\tFine", "b"}},
             Caso{"senza terminatore", "a\r\nb", {"a", "b"}},
             Caso{"solo CR", "a\rb\rFine\r", {"a", "b"}},
             Caso{"solo LF", "a\nb\nFine\n", {"a", "b"}},
             Caso{"Windows-1252", "perch\xE9 \x80\r\nFine\r\n", {"perché €"}},
         }) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(righeReport(c.byte), c.righe);
    }
}

TEST_F(FileReport, SalvaERiapreDaTaeg) {
    FinestraCalcolo t(ctx);
    test::stato(t, "List1").voci = {"r1", "r2"};
    const Righe prima = t["List1"].voci;
    const std::string path = dir.file("prova.RKT");
    t.incolla("nome", "prova");
    risposte.aggiungi(path);
    t.clicca("SSCommand6");
    EXPECT_EQ(test::leggiTesto(path), contenutoReport(prima));

    risposte.aggiungi(Risposta::Ok);
    t.clicca("Pulisci");
    risposte.aggiungi(path);
    t.clicca("Command3D2");
    EXPECT_EQ(t["List1"].voci, prima);
    ASSERT_EQ(risposte.mostrati().size(), 1u); // only the question of "elimina tutto"
    EXPECT_EQ(risposte.mostrati()[0].testo, testiReport::eliminaTutto);
}

TEST_F(FileReport, NomeDiSoliSpaziMancante) {
    GestoreReport g(ctx);
    g.incolla("nome", "   ");
    g.clicca("OK");
    ASSERT_EQ(risposte.mostrati().size(), 1u);
    EXPECT_EQ(risposte.mostrati()[0].testo, "manca il nome del report, inserire il dato e riprovare");
}

// Over an existing report: Annulla keeps it, OK replaces it, a write that fails leaves it and says so.
TEST_F(FileReport, SovrascritturaChiestaEScritturaFallita) {
    const std::string path = dir.file("x.RKT"), vecchio = "vecchio\r\nFine\r\n";
    Disco* const sano = ctx.servizi.disco;
    test::DiscoGuasto guasto;
    for (const auto& [risposta, rotto] :
         {std::pair{Risposta::Annulla, false}, {Risposta::Ok, false}, {Risposta::Ok, true}}) {
        SCOPED_TRACE(rotto ? "disco guasto" : risposta == Risposta::Ok ? "OK" : "Annulla");
        test::scriviTesto(path, vecchio);
        ctx.servizi.disco = rotto ? &guasto : sano;
        GestoreReport g(ctx);
        g.incolla("nome", "x");
        risposte.dimentica();
        risposte.aggiungi(path);
        risposte.aggiungi(risposta);
        g.clicca("OK");
        const auto& m = risposte.mostrati();
        ASSERT_EQ(m.size(), rotto ? 2u : 1u);
        test::controllaMessaggio(m[0],
                                 {"AVVERTIMENTO!", "Esiste già un report con questo nome, vuoi sovrascrivere i dati?",
                                  Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});
        const bool scritto = risposta == Risposta::Ok && !rotto;
        EXPECT_EQ(test::leggiTesto(path), scritto ? contenutoReport(g["List1"].voci) : vecchio);
        if (rotto) {
            EXPECT_NE(m[1].testo.find("Il report esistente non è stato modificato"), std::string::npos);
            EXPECT_EQ(m[1].icona, Icona::Critica);
        }
    }
}

TEST_F(FileReport, FileIlleggibileLasciaLaLista) {
    GestoreReport g(ctx);
    const Righe prima = g["List1"].voci;
    for (const std::string& p : {dir.file("manca.RKT"), dir.cartella()}) {
        risposte.aggiungi(p);
        g.clicca("Command3D2");
        EXPECT_EQ(g["List1"].voci, prima);
    }
}

} // namespace
} // namespace vantrel

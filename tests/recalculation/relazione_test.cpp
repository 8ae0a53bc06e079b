// The expert's report of the worked example written as an OpenDocument text and read back with
// odt2txt: the figures of the recalculation table and of the result are there, the package is what
// a word processor expects, and the case reopened and recalculated gives the same bytes.
#include "account/grafico_pratica.h"
#include "platform/odt/scrittore_odt.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "recalculation/relazione.h"
#include "recalculation/ricalcolo_legale.h"
#include "support/ambiente.h"
#include "support/conto_ricalcolo.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

namespace vantrel {
namespace {

// A 1 x 1 PNG picture (its 67 bytes, the literal's closing zero left out).
constexpr char kBytePng[] =
    "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\x90wS\xde\0\0\0\x0cIDATx\x9c"
    "c\xf8\x0f\0\0\x01\x01\0\x05\x18\xd8N\0\0\0\0IEND\xae"
    "B`\x82";
const std::string kPng(kBytePng, sizeof kBytePng - 1);

struct GraficoFisso : DisegnoGrafico {
    int disegnati = 0;
    std::string png(const DatiGrafico& d, int, int) override {
        disegnati += d.punti.size() == 8;
        return kPng;
    }
};

class RelazioneTest : public testing::Test, protected test::Ambiente {
protected:
    void SetUp() override {
        test::caricaTassiEsempio(ctx.stato.tassi);
        test::praticaEsempio(sqlite, path, dir.cartella());
        ScelteRicalcolo s;
        std::ranges::find(test::casiRicalcolo(), "insieme", [](const auto& c) { return c.first; })->second(s);
        auto p = apri();
        ASSERT_EQ(RicalcoloLegale(*p, ctx).applica(s).errore, "");
    }
    std::unique_ptr<Pratica> apri() {
        std::string errore;
        auto p = Pratica::apri(sqlite, path, errore);
        EXPECT_TRUE(p) << errore;
        return p;
    }
    std::string scrivi(const Pratica& p, const std::string& nome) {
        std::string errore;
        const auto d = relazione(p, {"9.9.9", ctx.oggi(), &grafico, ctx.stato.cartellaDati}, errore);
        EXPECT_TRUE(d) << errore;
        const std::string file = dir.file(nome);
        EXPECT_EQ(ScrittoreOdtFile().scrivi(*d, file), "");
        return file;
    }
    static std::string testo(const std::string& odt) {
        return test::uscitaDi("odt2txt --encoding=UTF-8 --width=-1 '" + odt + "'");
    }

    BancheDatiSqlite sqlite;
    std::string path = dir.file("conto.vantrel");
    GraficoFisso grafico;
};

// Written once, the report is read as text and as the package a word processor opens, and the case
// reopened gives it again.
TEST_F(RelazioneTest, LeCifreInUnPacchettoCheIProgrammiDiScritturaAprono) {
    const std::string odt = scrivi(*apri(), "relazione.odt");
    const std::string t = testo(odt);
    ASSERT_FALSE(t.empty()) << "odt2txt non ha letto la relazione";
    for (const auto& r : test::righeFile(VANTREL_TEST_DATA "/ricalcolo_atteso.csv")) {
        if (r.at("caso") != "insieme") continue;
        for (const char* c : {"interessi", "cms", "spese", "saldo banca", "saldo ricalcolato", "differenza"})
            EXPECT_NE(t.find(r.at(c)), std::string::npos) << r.at("dal") << ", " << c << ": " << r.at(c);
    }
    const auto e = test::esitoAtteso("insieme");
    for (const std::string& riga :
         {"Saldo finale della banca: " + e.at("saldo banca") + " euro",
          "Saldo rideterminato: " + e.at("saldo rideterminato") + " euro",
          "Differenza a favore del cliente: " + e.at("differenza") + " euro",
          "Di cui esclusa per prescrizione: " + e.at("prescritto") + " euro",
          "Minor debito del cliente: " + e.at("minore debito") + " euro",
          "Somma da restituire al cliente: " + e.at("da restituire") + " euro",
          std::string("Relazione prodotta con Vantrel 9.9.9; dati dei tassi: tassi soglia: 119 trimestri"),
          std::string("Cass. SS.UU. 16303/2018"), std::string("art. 1815 c. 2 c.c."), std::string("OLTRE LA SOGLIA")})
        EXPECT_NE(t.find(riga), std::string::npos) << riga;
    EXPECT_EQ(t.find("OLTRE LA SOGLIA"), t.rfind("OLTRE LA SOGLIA")); // one quarter only
    std::size_t sezione = 0; // the eight sections in their order, then the appendix
    for (const std::string n : {"\n1. ", "\n2. ", "\n3. ", "\n4. ", "\n5. ", "\n6. ", "\n7. ", "\n8. ", "\nAppendice"})
        EXPECT_NE(sezione = t.find(n, sezione), std::string::npos) << n;
    EXPECT_EQ(grafico.disegnati, 1);
    const std::string byte = test::leggiTesto(odt);
    // The first entry is "mimetype", uncompressed and without extra field, so that its text begins
    // at byte 38 of the file.
    ASSERT_GT(byte.size(), 100u);
    EXPECT_EQ(byte.substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_EQ(byte.substr(30, 8), "mimetype");
    EXPECT_EQ(byte.substr(38, 39), "application/vnd.oasis.opendocument.text");
    EXPECT_EQ(test::uscitaDi("zipinfo -1 '" + odt + "'"),
              "mimetype\nMETA-INF/manifest.xml\ncontent.xml\nstyles.xml\nmeta.xml\nPictures/figura1.png\n");
    EXPECT_NE(test::uscitaDi("unzip -p '" + odt + "' meta.xml").find("<meta:generator>Vantrel/9.9.9</meta:generator>"),
              std::string::npos);
    // Every figure of a table (a decimal comma, nothing else) stands right, as figures do.
    const std::string contenuto = test::uscitaDi("unzip -p '" + odt + "' content.xml");
    const std::regex cifra(R"re(<text:p text:style-name="(\w+)">-?[0-9.]*[0-9],[0-9]+</text:p></table:table-cell>)re");
    int cifre = 0;
    for (std::sregex_iterator i(contenuto.begin(), contenuto.end(), cifra), fine; i != fine; ++i, ++cifre)
        EXPECT_TRUE((*i)[1].str().starts_with("CellaNumero")) << i->str();
    EXPECT_GT(cifre, 100);
    auto p = apri(); // reopened and recalculated, the same bytes; another day, only the dates change
    ASSERT_EQ(RicalcoloLegale(*p, ctx).applica(p->scelteRicalcolo()).errore, "");
    EXPECT_EQ(test::leggiTesto(scrivi(*p, "dopo.odt")), byte);
    orologio.imposta({2026, 4, 2});
    ASSERT_EQ(RicalcoloLegale(*p, ctx).applica(p->scelteRicalcolo()).errore, "");
    std::string attesa = t;
    for (std::size_t i; (i = attesa.find("15/03/2026")) != std::string::npos;)
        attesa.replace(i, 10, "02/04/2026");
    EXPECT_EQ(testo(scrivi(*p, "altro.odt")), attesa);
}

// The characters XML reserves reach the reader as written, in a heading, a paragraph and a table.
TEST_F(RelazioneTest, ICaratteriRiservatiDiXmlArrivanoIntatti) {
    const std::string speciali = "saldo < 0 & tasso > \"soglia\" dell'anno";
    Documento d{.titolo = speciali, .generatore = "Vantrel", .data = {2026, 3, 15}, .elementi = {}};
    d.sezione(speciali);
    d.paragrafo(speciali);
    d.tabella({.intestazione = {speciali}, .righe = {{speciali}}, .numeriche = {false}, .evidenziate = {}});
    const std::string odt = dir.file("speciali.odt");
    ASSERT_EQ(ScrittoreOdtFile().scrivi(d, odt), "");
    const std::string t = testo(odt);
    std::size_t volte = 0;
    for (std::size_t i = t.find(speciali); i != std::string::npos; i = t.find(speciali, i + 1))
        ++volte;
    EXPECT_EQ(volte, 4u) << t;
    for (const char* parte : {"content.xml", "meta.xml"})
        EXPECT_EQ(std::system(("unzip -p '" + odt + "' " + parte + " | xmllint --noout - 2>/dev/null").c_str()), 0)
            << parte;
}

TEST_F(RelazioneTest, SenzaRicalcoloNessunaRelazione) {
    std::filesystem::remove(path);
    test::praticaEsempio(sqlite, path, dir.cartella());
    std::string errore;
    EXPECT_FALSE(relazione(*apri(), {"9.9.9", ctx.oggi(), nullptr, ctx.stato.cartellaDati}, errore));
    EXPECT_EQ(errore, "la pratica non è stata ricalcolata: ricalcolarla prima di scrivere la relazione");
}

} // namespace
} // namespace vantrel

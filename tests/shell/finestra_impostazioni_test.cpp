#include "common/testo.h"
#include "shell/finestra_impostazioni.h"
#include "shell/impostazioni.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ProvaImpostazioni : public ::testing::Test, protected test::Ambiente {};

TEST_F(ProvaImpostazioni, IDecimaliVannoSoloDaZeroATre) {
    const std::pair<const char*, const char*> casi[] = {
        {"2", "22"}, {"4", "2"}, {"a9.,", "2"}, {"3\b1", "21"}, {"\b\b3", "3"}}; // after the "2" shown
    for (const auto& [tasti, atteso] : casi) {
        FinestraImpostazioni f(ctx);
        for (const char ch : std::string_view(tasti))
            f.digita("decimali", std::string(1, ch));
        EXPECT_EQ(f["decimali"].testo, atteso) << tasti;
    }
}

TEST_F(ProvaImpostazioni, SalvaScriveIDueRecordAlLoroPosto) {
    // Unused fields of a record already on disk must come back unchanged.
    std::vector<unsigned char> imposta(218, 0xAB), opz(55, 0xCD);
    test::scriviByte(dir.file(kFileImposta), imposta);
    test::scriviByte(dir.file(kFileOpzStampa), opz);
    FinestraImpostazioni f(ctx);
    f.incolla("decimali", "2");
    f.incolla("NomeUt", std::string(35, 'U'));
    f.incolla("PassW", "segreto");
    f.clicca("accesso");
    f.clicca("verticale");
    f.incolla("LineVer", "60");
    f.incolla("lineor", "45");
    f.clicca("Salva");

    EXPECT_TRUE(f.chiusa());
    const auto a = test::leggiByte(dir.file(kFileImposta));
    ASSERT_EQ(a.size(), 218u);
    EXPECT_EQ(a[60], 0xAB) << "fields never set keep what was read";
    EXPECT_EQ(a[75], 0xAB) << "the currency label is written back as read";
    EXPECT_EQ(a[100] | a[101] << 8, 2); // decimals, 16 bits little-endian
    EXPECT_EQ(std::string(a.begin() + 102, a.begin() + 132), std::string(30, 'U'));
    EXPECT_EQ(std::string(a.begin() + 132, a.begin() + 142), "segreto   ");
    EXPECT_EQ(a[142] | a[143] << 8, 0xFFFF); // login asked: -1
    EXPECT_EQ(a[144], 0xAB);
    const auto o = test::leggiByte(dir.file(kFileOpzStampa));
    ASSERT_EQ(o.size(), 55u);
    EXPECT_EQ(o[0], '1'); // portrait
    EXPECT_EQ(o[1], 60);
    EXPECT_EQ(o[3] | o[4] << 8, 45);
    EXPECT_EQ(o[5], 0xCD);

    FinestraImpostazioni riaperta(ctx);
    EXPECT_EQ(riaperta["NomeUt"].testo, std::string(30, 'U'));
    EXPECT_EQ(riaperta["PassW"].testo, "segreto");
    EXPECT_TRUE(riaperta["accesso"].selezionato);
    EXPECT_TRUE(riaperta["verticale"].selezionato);
    EXPECT_EQ(riaperta["decimali"].testo, "2");

    // The days of the year of the TEG formulas: the file above never chose and kept its byte (the
    // leap-year default); "36.500 sempre" is written, read back, and undone.
    const auto salva = [&](const char* opzione) {
        FinestraImpostazioni g(ctx);
        g.clicca(opzione);
        EXPECT_TRUE(g.salvaImpostazioni());
        return test::leggiByte(dir.file(kFileImposta))[144];
    };
    EXPECT_EQ(salva("Divisore36500"), '5');
    FinestraImpostazioni divisore(ctx);
    EXPECT_TRUE(divisore["Divisore36500"].selezionato);
    EXPECT_FALSE(divisore["Divisore36600"].selezionato);
    EXPECT_TRUE(ctx.stato.imposta.divisoreSempre365());
    EXPECT_EQ(salva("Divisore36600"), ' ');
    EXPECT_FALSE(ctx.stato.imposta.divisoreSempre365());
}

TEST_F(ProvaImpostazioni, OrientamentoEMascheraSeguonoLaScelta) {
    struct Caso {
        const char* opzione;
        const char* decimali;
        char byte0;
        const char* maschera;
    } casi[] = {{"orizzontale", "0", '2', "#,###,###,##0"},
                {"verticale", "3", '1', "#,###,###,##0.000"},
                {"orizzontale", "33", '2', "#,###,###,##0.000"}}; // 33: the mask stays as it was
    for (const Caso& c : casi) {
        FinestraImpostazioni f(ctx);
        f.clicca(c.opzione);
        f.incolla("decimali", c.decimali);
        ASSERT_TRUE(f.salvaImpostazioni());
        EXPECT_EQ(test::leggiByte(dir.file(kFileOpzStampa))[0], c.byte0);
        EXPECT_EQ(ctx.stato.mascheraImporti, c.maschera) << c.decimali;
    }
}

TEST_F(ProvaImpostazioni, INumeriErratiSiRifiutanoERestaIlValorePrecedente) {
    const std::pair<const char*, const char*> casi[] = {{"decimali", ""},     {"decimali", "abc"},
                                                        {"lineor", "40000"},  {"LineVer", "-32769"},
                                                        {"LineVer", "12abc"}, {"lineor", "   "}};
    for (const auto& [campo, testo] : casi) {
        FinestraImpostazioni f(ctx);
        f.incolla("LineVer", "50");
        f.incolla(campo, testo);
        risposte.dimentica();
        EXPECT_FALSE(f.salvaImpostazioni()) << campo << "=" << testo;
        EXPECT_FALSE(f.chiusa());
        ASSERT_EQ(risposte.mostrati().size(), 1u);
        EXPECT_NE(risposte.mostrati()[0].testo.find("numero intero"), std::string::npos);
        EXPECT_EQ(f[campo].testo, std::string(campo) == "decimali" ? "2" : "0") << "the value read comes back";
        EXPECT_EQ(f.fuoco(), f.id(campo));
        EXPECT_EQ(test::leggiByte(dir.file(kFileOpzStampa)), std::vector<unsigned char>()) << "nothing written";
    }
}

} // namespace
} // namespace vantrel

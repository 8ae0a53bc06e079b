#include "rate_windows/soglie_ufficiali.h"
#include "rates/riferimento_serie.h"
#include "support/ambiente.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ProvaSoglieUfficiali : public ::testing::Test, protected test::Ambiente {
protected:
    ProvaSoglieUfficiali() {
        orologio.imposta(Data{2026, 12, 5});
        std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv", dir.file(kFileSerieUfficiale));
    }
    static void scegli(SoglieUfficiali& f, const char* combo, std::string_view inizio) {
        const auto& v = f[combo].voci;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (v[i].starts_with(inizio)) return f.seleziona(combo, static_cast<int>(i));
        ADD_FAILURE() << combo << ": " << inizio;
    }
};

TEST_F(ProvaSoglieUfficiali, LaCategoriaSegueLaDataAttraversoIRinnovi) {
    SoglieUfficiali f(ctx);
    EXPECT_EQ(f["txtData"].testo, "05/12/2026");
    EXPECT_EQ(f["cboCategoria"].voci.size(), 16u);
    scegli(f, "cboCategoria", "Mutui con garanzia ipotecaria a tasso fisso");
    // The date; the start of the category's name, TEGM, thresholds by the rule and for late payment (empty before
    // 2003), the rule.
    const std::tuple<const char*, const char*, const char*, const char*, const char*, const char*> casi[] = {
        {"15/02/2018", "MUTUI IPOTECARI A TASSO FISSO (dal", "2,938", "7,6725", "10,0475", "nuova norma"},
        {"13/05/2011", "MUTUI IPOTECARI A TASSO FISSO (dal", "4,68", "7,0200", "10,1700", "vecchia norma"},
        {"14/05/2011", "MUTUI IPOTECARI A TASSO FISSO (dal", "4,68", "9,8500", "12,4750", "nuova norma"},
        {"02/04/1997", "MUTUI IPOTECARI A TASSO FISSO E VARIABILE", "10,6", "15,9000", "", "vecchia norma"},
    };
    for (const auto& [data, categoria, tegm, sogliaRegola, sogliaMora, regola] : casi) {
        SCOPED_TRACE(data);
        f.incolla("txtData", data);
        EXPECT_TRUE(f["cboCategoria"].testo.starts_with(categoria)) << f["cboCategoria"].testo;
        EXPECT_EQ(f["txtTegm"].testo, tegm);
        EXPECT_EQ(f["txtSogliaRegola"].testo, sogliaRegola);
        EXPECT_EQ(f["txtSogliaMora"].testo, sogliaMora);
        EXPECT_TRUE(f["txtRegola"].testo.starts_with(regola));
        EXPECT_EQ(f["cboMora"].selezione, 0); // mortgages over five years
    }
    // The chart follows fixed-rate mortgages over the whole series, the chosen date included.
    ASSERT_EQ(f.andamento().size(), 120u);
    EXPECT_EQ(f.andamento().front().inizio, (Data{1997, 4, 2}));
    EXPECT_EQ(f.andamento().back().tegm.testo(), "4,52"); // 4th quarter 2026
}

TEST_F(ProvaSoglieUfficiali, LImportoSceglieLaClasseDelPeriodo) {
    SoglieUfficiali f(ctx);
    scegli(f, "cboPeriodo", "2018 1°");
    EXPECT_EQ(f["txtData"].testo, "01/01/2018");
    scegli(f, "cboCategoria", "ANTICIPI");
    // The date, the amount, the class chosen, its published threshold.
    const std::tuple<const char*, const char*, const char*, const char*> casi[] = {
        {"01/01/2018", "30000", "fino a 50.000 euro", "13,2299"},
        {"01/01/2018", "250000", "oltre 200.000 euro", "8,1592"},
        {"15/02/2010", "250000", "oltre 5.000 euro", "8,145"},        // two classes in the 1st quarter of 2010
        {"15/06/2010", "100000", "da 5.000 a 100.000 euro", "9,465"}, // "a" includes its amount
    };
    for (const auto& [data, importo, classe, pubblicata] : casi) {
        SCOPED_TRACE(std::string(data) + " " + importo);
        f.incolla("txtData", data);
        f.incolla("txtImporto", importo);
        f.esci("txtImporto");
        EXPECT_EQ(f["cboClasse"].testo, classe);
        EXPECT_EQ(f["txtSogliaPubblicata"].testo, pubblicata);
    }
    f.incolla("txtData", "31/02/2018");
    EXPECT_EQ(f["LblStato"].testo, "Data non valida: usare gg/mm/aaaa.");
    EXPECT_EQ(f["txtTegm"].testo, "");
}

TEST_F(ProvaSoglieUfficiali, SenzaSerieLaFinestraDiceComeAverla) {
    std::filesystem::remove(dir.file(kFileSerieUfficiale));
    SoglieUfficiali f(ctx);
    EXPECT_NE(f["LblStato"].testo.find("Importa serie ufficiale"), std::string::npos);
    EXPECT_FALSE(f["cboCategoria"].abilitato);
}

} // namespace
} // namespace vantrel

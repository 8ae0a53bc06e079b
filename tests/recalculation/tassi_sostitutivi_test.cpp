// The rates that replace rates not agreed in writing: the legal rate and the BOT window of a day
// against tools/ricalcolo_atteso.py on the shipped data, the rows and edges the shipped data never
// bring into play, and the capitalisation by the rule in force.
#include "recalculation/capitalizzazione_ricalcolo.h"
#include "recalculation/condizioni_ricalcolate.h"
#include "recalculation/tassi_pubblici.h"
#include "support/righe_attese.h"

#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

namespace vantrel {
namespace {

std::string tasso(const std::optional<TassoDecimale>& t) {
    if (!t) return "";
    return (*t < 0 ? "-" : "") + testoTasso(*t < 0 ? -*t : *t);
}

TEST(TassiSostitutivi, LegaleEBotDeiDatiDelProgramma) {
    const TassiPubblici t = leggiTassiPubblici(VANTREL_DATA_DIR);
    ASSERT_EQ(t.errore, "");
    for (const auto& r : test::righeFile(VANTREL_TEST_DATA "/tassi_sostitutivi_attesi.csv")) {
        const Data d = *leggiData(r.at("giorno"));
        EXPECT_EQ(tasso(t.tassoLegale(d)), r.at("legale")) << r.at("giorno");
        const auto bot = t.bot(d);
        EXPECT_EQ(tasso(bot ? std::optional(bot->minimo) : std::nullopt), r.at("bot minimo")) << r.at("giorno");
        EXPECT_EQ(tasso(bot ? std::optional(bot->massimo) : std::nullopt), r.at("bot massimo")) << r.at("giorno");
    }
    EXPECT_EQ(t.versione(), "tasso legale fino al 31/12/2026; aste BOT dal 10/01/2002 al 09/09/2026");
}

// A reopening and a shorter BOT never count, even when they would be the extremes; a bad row leaves
// its table empty and is named.
TEST(TassiSostitutivi, SoloLeEmissioniOrdinarie) {
    std::istringstream aste("data_asta;rendimento_medio_ponderato;nota\n"
                            "10/01/2005;2,1;\n12/02/2005;-0,05;\n23/03/2005;9,9;riapertura\n"
                            "11/04/2005;0,01;BOT 331 gg (non annuale)\n12/05/2005;2,4;\n10/01/2006;2,2;\n");
    const TassiPubblici t = leggiTassiPubblici(nullptr, &aste);
    ASSERT_EQ(t.errore, "");
    const auto b = t.bot({2006, 1, 10}); // 10/01/2005 - 09/01/2006
    ASSERT_TRUE(b);
    EXPECT_EQ(std::tuple(b->minimo, b->massimo, b->aste), std::tuple(-500, 24000, 3));
    EXPECT_FALSE(t.bot({2005, 12, 31})); // its twelve months begin before the first month held
    EXPECT_FALSE(t.bot({2006, 3, 1}));   // they end after the last month held
    std::istringstream legale("dal;al;tasso\n01/01/2005;31/12/2005;2,5\n01/01/2006;31/12/2006;dieci\n");
    const TassiPubblici l = leggiTassiPubblici(&legale, nullptr);
    EXPECT_EQ(l.errore, "tasso-legale.csv, riga 3: date o tasso non validi");
    EXPECT_TRUE(l.legale.empty());
}

// A public rate file from the rate server is kept only when the recalculation would read it whole.
TEST(TassiSostitutivi, UnFileDelServerSiTieneSoloSeSiLeggeIntero) {
    const std::string legale = "dal;al;tasso\n01/01/2027;31/12/2027;2,25\n";
    const std::string aste = "data_asta;rendimento_medio_ponderato;nota\n12/01/2027;2,1;\n";
    const std::tuple<const char*, std::string, std::string> casi[] = {
        {kFileTassoLegale, legale, ""},
        {kFileAsteBot, aste, ""},
        {kFileTassoLegale, aste, "tasso-legale.csv, riga 2: date o tasso non validi"},
        {kFileAsteBot, "data_asta;rendimento_medio_ponderato\n", "bot-12-mesi-aste.csv: il file non contiene righe"},
        {kFileAsteBot, "<html>404</html>", "bot-12-mesi-aste.csv: il file non contiene righe"},
        {"NtassiU.dat", legale, "NtassiU.dat: non è un file dei tassi pubblici"},
    };
    for (const auto& [file, testo, atteso] : casi)
        EXPECT_EQ(VerificaTassiPubblici().verifica(file, testo), atteso) << file << " " << testo;
}

// Before the BOT auctions the program holds (from 2002) the substitute rates of art. 117 c. 7 TUB are
// the ones the user enters: without them the recalculation stops on the period that lacks them.
TEST(TassiSostitutivi, PrimaDel2002QuelliInseriti) {
    const TassiPubblici pubblici = leggiTassiPubblici(VANTREL_DATA_DIR);
    std::vector<PeriodoScalare> periodi(1);
    periodi[0].dal = {2001, 10, 1};
    periodi[0].al = {2001, 12, 31};
    const std::vector<bool> no(1, false);
    const TabellaTassi tassi;
    RigaCondizioni contratto;
    contratto.dal = {2001, 10, 1};
    contratto.tassoDebitore = contratto.tassoExtrafido = 120000;
    ScelteRicalcolo s;
    s.tassi = ModoTassi::Bot;
    const auto senza = condizioniRicalcolate({contratto}, s, {periodi, no, no, pubblici, tassi});
    EXPECT_EQ(senza.errore, "periodo dal 01/10/2001 al 31/12/2001: le aste dei BOT dei dodici mesi prima non sono "
                            "tutte nei dati del programma (dal 2002): inserire i tassi del periodo");
    s.tassiInseriti = {{{2001, 1, 1}, 70000, 10000}};
    const auto con = condizioniRicalcolate({contratto}, s, {periodi, no, no, pubblici, tassi});
    ASSERT_EQ(con.errore, "");
    for (const RigaCondizioni& r : con.righe)
        EXPECT_EQ(std::tuple(r.tassoDebitore, r.tassoExtrafido, r.tassoCreditore), std::tuple(70000, 70000, 10000))
            << r.dal.testo();
}

TEST(CapitalizzazioneDiLegge, PerIlGiornoDiChiusura) {
    struct Caso {
        Data chiusura;
        std::optional<Data> adeguamento;
        Capitalizzazione attesa;
    };
    const auto N = Capitalizzazione::Nessuna, F = Capitalizzazione::FinePeriodo;
    for (const Caso& c : {Caso{{2000, 3, 31}, Data{2000, 1, 1}, N}, Caso{{2000, 6, 30}, std::nullopt, N},
                          Caso{{2000, 6, 30}, Data{2000, 4, 22}, F}, Caso{{2005, 6, 30}, Data{2005, 7, 1}, N},
                          Caso{{2005, 9, 30}, Data{2005, 7, 1}, F}, Caso{{2013, 12, 31}, Data{2000, 6, 30}, F},
                          Caso{{2014, 3, 31}, Data{2000, 6, 30}, N}, Caso{{2016, 12, 31}, Data{2000, 6, 30}, N}})
        EXPECT_EQ(capitalizzazioneDiLegge(c.chiusura, c.adeguamento), c.attesa) << c.chiusura.testo();
    ScelteRicalcolo s;
    s.capitalizzazione = ModoCapitalizzazione::Annuale;
    s.periodoCapitalizzazione = {Data{2009, 1, 1}, Data{2009, 12, 31}};
    const auto t = trattiCapitalizzazione(s);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].modo, F);
    EXPECT_EQ(std::tuple(t[1].dal, t[1].modo), std::tuple(Data{2009, 1, 1}, Capitalizzazione::Annuale));
    EXPECT_EQ(std::tuple(t[2].dal, t[2].modo), std::tuple(Data{2010, 1, 1}, F));
}

} // namespace
} // namespace vantrel

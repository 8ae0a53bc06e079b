#include "shell/calendario.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// The day count after clicks on both calendars is driven on the real window by the window tests.
class ProvaCalendario : public ::testing::Test, protected test::Ambiente {};

// The days field takes digits, the minus sign and the point only.
TEST_F(ProvaCalendario, SiApreSuOggiContaAlClicEPrendeSoloCifre) {
    Calendario c(ctx);
    EXPECT_EQ(c["Cal2"].testo, "15/03/2026");
    EXPECT_EQ(c["nrgg"].testo, "");
    c.scegliGiorno("CAL1", {2026, 1, 1});
    EXPECT_EQ(c["nrgg"].testo, "73"); // from date 1 to date 2
    for (const char* t : {"1", "a", "2", " ", "\r", "-", "."})
        c.digita("Giorni", t);
    EXPECT_EQ(c["Giorni"].testo, "12-.");
}

TEST_F(ProvaCalendario, CambiareIGiorniSpostaLaData2) {
    const std::pair<const char*, const char*> casi[] = {{"90", "01/04/2023"},  {"", "01/01/2023"},
                                                        {"-1", "31/12/2022"},  {"2.5", "03/01/2023"},
                                                        {"3,9", "04/01/2023"}, {"abc", "01/01/2023"}};
    for (const auto& [giorni, data2] : casi) {
        Calendario c(ctx);
        c.scegliGiorno("CAL1", {2023, 1, 1});
        const std::string conteggio = c["nrgg"].testo;
        c.incolla("Giorni", "77");
        c.incolla("Giorni", giorni);
        EXPECT_EQ(c["Cal2"].testo, data2) << giorni;
        EXPECT_EQ(c["nrgg"].testo, conteggio) << "the count waits for the next click";
    }
}

TEST_F(ProvaCalendario, UnaDataFuoriDalCalendarioERifiutata) {
    for (const char* giorni : {"3000000", "-1000000"}) {
        Calendario c(ctx);
        risposte.dimentica();
        c.incolla("Giorni", giorni);
        EXPECT_EQ(c["Cal2"].testo, "15/03/2026") << giorni;
        ASSERT_EQ(risposte.mostrati().size(), 1u);
        EXPECT_NE(risposte.mostrati()[0].testo.find("fuori dal calendario"), std::string::npos);
    }
}

} // namespace
} // namespace vantrel

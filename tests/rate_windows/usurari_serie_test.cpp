#include "rate_windows/usurari.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(UsurariSerie, ImportaSerieUfficialeDalMenu) {
    test::Ambiente a;
    Usurari u(a.ctx);
    const std::string serie = VANTREL_DATA_DIR "/serie-ufficiale-completa.csv";
    // First the question is declined, then accepted.
    for (const Risposta r : {Risposta::Annulla, Risposta::Ok}) {
        a.risposte.aggiungi(serie);
        a.risposte.aggiungi(r);
        a.risposte.dimentica();
        u.clicca("ImportaSerie");
        ASSERT_FALSE(a.risposte.mostrati().empty());
        EXPECT_NE(a.risposte.mostrati()[0].testo.find("119 periodi nuovi"), std::string::npos);
    }
    ASSERT_EQ(a.risposte.mostrati().size(), 2u);
    EXPECT_EQ(a.risposte.mostrati()[1].icona, Icona::Informazione);
    EXPECT_EQ(a.ctx.stato.tassi.validi(), 119);
    EXPECT_EQ(u["List1"].voci.size(), 4u * 119);

    // A file that is not a series: the reason, and nothing changes.
    test::scriviTesto(a.dir.file("x.csv"), "periodo;TM1\n12020;5\n");
    a.risposte.aggiungi(a.dir.file("x.csv"));
    a.risposte.dimentica();
    u.clicca("ImportaSerie");
    ASSERT_EQ(a.risposte.mostrati().size(), 1u);
    EXPECT_EQ(a.risposte.mostrati()[0].icona, Icona::Critica);
    EXPECT_NE(a.risposte.mostrati()[0].testo.find("manca la colonna INIZIO"), std::string::npos);
    EXPECT_EQ(a.ctx.stato.tassi.validi(), 119);
}

} // namespace
} // namespace vantrel

#include "common/servizi_simulati.h"
#include "shell/pass_word.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct Tentativo {
    const char* utente;
    const char* password;
};

// The fourth failure ending the program, and Enter moving through the dialog, are driven on the
// real dialog by the window tests.
TEST(PassWord, AttemptsEndAsExpected) {
    const std::string kUtente = "Nome utente non valido. Riprovare";
    struct Caso {
        const char* nome;
        const char* utenteMemorizzato;
        const char* passwordMemorizzata;
        std::vector<Tentativo> tentativi;
        PassWord::Esito esito;
        std::vector<std::string> messaggi; // texts of the boxes, in order
    };
    const Caso casi[] = {
        {"right at once", "MARIO", "pw", {{"MARIO", "pw"}}, PassWord::Esito::Accettato, {}},
        {"three wrong names then right",
         "MARIO",
         "pw",
         {{"x", "pw"}, {"y", "pw"}, {"z", "pw"}, {"MARIO", "pw"}},
         PassWord::Esito::Accettato,
         {kUtente, kUtente, kUtente}},
        {"name is case sensitive and not trimmed",
         "MARIO     ",
         "pw",
         {{"mario", "pw"}, {" MARIO", "pw"}, {"MARIO ", "pw"}},
         PassWord::Esito::InAttesa,
         {kUtente, kUtente, kUtente}},
        {"empty stored password takes empty field", "MARIO", "", {{"MARIO", ""}}, PassWord::Esito::Accettato, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Contesto ctx;
        RisposteProgrammate risposte;
        ctx.servizi.messaggi = &risposte;
        ctx.stato.imposta.utente(c.utenteMemorizzato);
        ctx.stato.imposta.password(c.passwordMemorizzata);
        PassWord w(ctx);
        for (const Tentativo& t : c.tentativi) {
            ASSERT_FALSE(w.chiusa());
            w.incolla("txtUserName", t.utente);
            w.incolla("txtPassword", t.password);
            w.clicca("cmdOK");
        }
        EXPECT_EQ(w.esito(), c.esito);
        EXPECT_EQ(w.chiusa(), c.esito != PassWord::Esito::InAttesa);
        std::vector<std::string> testi;
        for (const auto& m : risposte.mostrati())
            testi.push_back(m.testo);
        EXPECT_EQ(testi, c.messaggi);
    }
}

TEST(PassWord, WrongNameEmptiesItWrongPasswordSelectsIt) {
    Contesto ctx;
    RisposteProgrammate risposte;
    ctx.servizi.messaggi = &risposte;
    ctx.stato.imposta.utente("MARIO");
    ctx.stato.imposta.password("pw");
    PassWord w(ctx);
    w.incolla("txtUserName", "LUIGI");
    w.incolla("txtPassword", "abc");
    w.clicca("cmdOK");
    EXPECT_EQ(w["txtUserName"].testo, "");
    EXPECT_EQ(w["txtPassword"].testo, "abc");
    EXPECT_EQ(w.fuoco(), w.id("txtUserName"));
    EXPECT_EQ(risposte.mostrati().back().titolo, "Accesso");

    w.incolla("txtUserName", "MARIO");
    w.clicca("cmdOK");
    EXPECT_EQ(w.fuoco(), w.id("txtPassword"));
    EXPECT_EQ(w["txtPassword"].inizioSelezione, 0);
    EXPECT_EQ(w["txtPassword"].lunghezzaSelezione, 3);
    EXPECT_EQ(w.tentativi(), 2);

    w.clicca("cmdCancel");
    EXPECT_EQ(w.esito(), PassWord::Esito::Rifiutato);
    EXPECT_TRUE(w.chiusa());
}

} // namespace
} // namespace vantrel

#include "common/scripted_services.h"
#include "shell/pass_word.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct Tentativo {
    const char* utente;
    const char* password;
};

struct Caso {
    const char* nome;
    const char* utenteMemorizzato;
    const char* passwordMemorizzata;
    std::vector<Tentativo> tentativi;
    passWord::Esito esito;
    std::vector<std::string> messaggi; // texts of the boxes, in order
};

class PassWordTest : public ::testing::TestWithParam<Caso> {};

TEST_P(PassWordTest, AttemptsEndAsExpected) {
    const Caso& c = GetParam();
    Contesto ctx;
    RisposteProgrammate risposte;
    ctx.servizi.messaggi = &risposte;
    ctx.stato.Imposta.utente(c.utenteMemorizzato);
    ctx.stato.Imposta.password(c.passwordMemorizzata);
    passWord w(ctx);
    for (const Tentativo& t : c.tentativi) {
        ASSERT_FALSE(w.chiusa());
        w.incolla("txtUserName", t.utente);
        w.incolla("txtPassword", t.password);
        w.clicca("cmdOK");
    }
    EXPECT_EQ(w.esito(), c.esito);
    EXPECT_EQ(w.chiusa(), c.esito != passWord::Esito::InAttesa);
    std::vector<std::string> testi;
    for (const auto& m : risposte.mostrati())
        testi.push_back(m.testo);
    EXPECT_EQ(testi, c.messaggi);
}

const std::string kUtente = "Nome utente non valido. Riprovare";
const std::string kPassword = "Password non valida. Riprovare";
const std::string kFallito = "Tentativo di aprire il programma fallito!!!";

INSTANTIATE_TEST_SUITE_P(
    Login, PassWordTest,
    ::testing::Values(
        Caso{"RightAtOnce", "MARIO", "pw", {{"MARIO", "pw"}}, passWord::Esito::Accettato, {}},
        Caso{"ThreeWrongNamesThenRight",
             "MARIO",
             "pw",
             {{"x", "pw"}, {"y", "pw"}, {"z", "pw"}, {"MARIO", "pw"}},
             passWord::Esito::Accettato,
             {kUtente, kUtente, kUtente}},
        Caso{"FourthFailureOfEitherKindEnds",
             "MARIO",
             "pw",
             {{"x", "pw"}, {"y", "pw"}, {"MARIO", "no"}, {"MARIO", "no"}},
             passWord::Esito::Rifiutato,
             {kUtente, kUtente, kPassword, kPassword, kFallito}},
        Caso{"NameIsCaseSensitiveAndNotTrimmed",
             "MARIO     ",
             "pw",
             {{"mario", "pw"}, {" MARIO", "pw"}, {"MARIO ", "pw"}},
             passWord::Esito::InAttesa,
             {kUtente, kUtente, kUtente}},
        Caso{"EmptyStoredPasswordTakesEmptyField", "MARIO", "", {{"MARIO", ""}}, passWord::Esito::Accettato, {}}),
    [](const auto& riga) { return std::string(riga.param.nome); });

TEST(PassWord, WrongNameEmptiesItWrongPasswordSelectsIt) {
    Contesto ctx;
    RisposteProgrammate risposte;
    ctx.servizi.messaggi = &risposte;
    ctx.stato.Imposta.utente("MARIO");
    ctx.stato.Imposta.password("pw");
    passWord w(ctx);
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
}

TEST(PassWord, EnterMovesToPasswordThenToOkWithoutPressingIt) {
    Contesto ctx;
    passWord w(ctx);
    w.digita("txtUserName", "\r");
    EXPECT_EQ(w.fuoco(), w.id("txtPassword"));
    w.digita("txtPassword", "\r");
    EXPECT_EQ(w.fuoco(), w.id("cmdOK"));
    EXPECT_EQ(w.esito(), passWord::Esito::InAttesa);
    EXPECT_EQ(w["txtPassword"].testo, "");
}

TEST(PassWord, CancelAndFrameCloseRefuse) {
    Contesto ctx;
    passWord a(ctx);
    a.clicca("cmdCancel");
    EXPECT_EQ(a.esito(), passWord::Esito::Rifiutato);
    passWord b(ctx);
    b.chiusuraDaCornice();
    EXPECT_EQ(b.esito(), passWord::Esito::Rifiutato);
    EXPECT_TRUE(b.chiusa());
}

} // namespace
} // namespace vantrel

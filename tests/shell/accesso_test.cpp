#include "shell/accesso.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using E = Accesso::Esito;

/// The part of "user/password" before (0) or after (1) the slash.
std::string parte(const std::string& s, int k) {
    const auto b = s.find('/');
    return k == 0 ? s.substr(0, b) : s.substr(b + 1);
}

/// A login dialog on stored credentials "user/password", its boxes recorded.
struct ProvaAccesso : test::Ambiente {
    explicit ProvaAccesso(const std::string& memorizzato) {
        ctx.stato.imposta.utente(parte(memorizzato, 0));
        ctx.stato.imposta.password(parte(memorizzato, 1));
    }
    void prova(Accesso& w, const std::string& tentativo) {
        w.incolla("txtUserName", parte(tentativo, 0));
        w.incolla("txtPassword", parte(tentativo, 1));
        w.clicca("cmdOK");
    }
};

// The fourth failure ending the program, and Enter moving through the dialog, are driven on the
// real dialog by the window tests.
TEST(Accesso, ITentativiFinisconoComePrevisto) {
    struct Caso {
        const char* nome;
        const char* memorizzato;
        std::vector<std::string> tentativi;
        E esito;
        std::size_t nomiErrati; // boxes saying the name is wrong
    };
    const Caso casi[] = {
        {"right at once", "MARIO/pw", {"MARIO/pw"}, E::Accettato, 0},
        {"three wrong names then right", "MARIO/pw", {"x/pw", "y/pw", "z/pw", "MARIO/pw"}, E::Accettato, 3},
        {"name case sensitive, not trimmed", "MARIO     /pw", {"mario/pw", " MARIO/pw", "MARIO /pw"}, E::InAttesa, 3},
        {"empty stored password takes empty field", "MARIO/", {"MARIO/"}, E::Accettato, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ProvaAccesso a(c.memorizzato);
        Accesso w(a.ctx);
        for (const std::string& t : c.tentativi) {
            ASSERT_FALSE(w.chiusa());
            a.prova(w, t);
        }
        EXPECT_EQ(w.esito(), c.esito);
        EXPECT_EQ(w.chiusa(), c.esito != E::InAttesa);
        ASSERT_EQ(a.risposte.mostrati().size(), c.nomiErrati);
        for (const auto& m : a.risposte.mostrati())
            EXPECT_EQ(m.testo, "Nome utente non valido. Riprovare");
    }
}

TEST(Accesso, IlNomeErratoSiSvuotaLaPasswordErrataSiSeleziona) {
    ProvaAccesso a("MARIO/pw");
    Accesso w(a.ctx);
    a.prova(w, "LUIGI/abc");
    EXPECT_EQ(w["txtUserName"].testo, "");
    EXPECT_EQ(w["txtPassword"].testo, "abc");
    EXPECT_EQ(w.fuoco(), w.id("txtUserName"));
    EXPECT_EQ(a.risposte.mostrati().back().titolo, "Accesso");

    a.prova(w, "MARIO/abc");
    EXPECT_EQ(w.fuoco(), w.id("txtPassword"));
    EXPECT_EQ(w["txtPassword"].inizioSelezione, 0);
    EXPECT_EQ(w["txtPassword"].lunghezzaSelezione, 3);
    EXPECT_EQ(w.tentativi(), 2);

    w.clicca("cmdCancel");
    EXPECT_EQ(w.esito(), E::Rifiutato);
    EXPECT_TRUE(w.chiusa());
}

} // namespace
} // namespace vantrel

#include "common/scripted_services.h"
#include "platform/ftp_curl.h"
#include "rates/fonti_tassi.h"
#include "rates/usurari.h"
#include "support/file_tassi.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/types.h>

namespace vantrel {
namespace {

using test::Bytes;
using test::Periodo;

struct Connessione : StatoConnessione {
    bool attiva = true;
    bool connessioneAttiva() override { return attiva; }
};

class ServerFtp {
public:
    // Starts tests/rates/server_ftp.py on a free port of 127.0.0.1.
    ServerFtp(const std::filesystem::path& script, const std::filesystem::path& cartella, long taglio) {
        const std::string comando = "exec /usr/bin/python3 " + script.string() + " " + cartella.string() +
                                    " vantreltas tassivtr " + std::to_string(taglio);
        out_ = popen(comando.c_str(), "r");
        if (out_ != nullptr && std::fscanf(out_, "%d %d", &porta_, &pid_) != 2) porta_ = 0;
    }
    ~ServerFtp() {
        if (pid_ > 0) kill(static_cast<pid_t>(pid_), SIGTERM);
        if (out_ != nullptr) pclose(out_);
    }
    ServerFtp(const ServerFtp&) = delete;
    ServerFtp& operator=(const ServerFtp&) = delete;
    int porta() const { return porta_; }

private:
    std::FILE* out_ = nullptr;
    int porta_ = 0;
    int pid_ = 0;
};

enum class Esito { Nessuno, Vecchio, Nuovo };
enum class Guasto { Nessuno, Fuori, PasswordErrata, ServerSpento, SenzaDati, SenzaNumero, Taglio };

struct Caso {
    const char* nome;
    bool vecchioPresente; // a data file is already in the folder
    Risposta risposta;    // to the overwrite question
    Guasto guasto;
    Esito esito;                       // which set the folder holds afterwards
    std::vector<std::string> messaggi; // beginnings of the boxes shown, in order
    const char* stato;                 // beginning of the status line left on screen
};

// Counts the boxes shown while the window still says it waits for the network.
struct BoxDuranteAttesa : ServizioMessaggi {
    explicit BoxDuranteAttesa(ServizioMessaggi& r) : risposte(r) {}
    Risposta mostra(const Messaggio& m) override {
        if (finestra != nullptr && finestra->inAttesa()) ++inAttesa;
        return risposte.mostra(m);
    }
    ServizioMessaggi& risposte;
    const Usurari* finestra = nullptr;
    int inAttesa = 0;
};

class ScaricaTassiTest : public ::testing::TestWithParam<Caso> {};

std::vector<Periodo> setVecchio() {
    return {Periodo{"12003", 1, 2, 7}};
}

std::vector<Periodo> setNuovo() {
    std::vector<Periodo> p;
    for (int anno = 2001; anno <= 2010; ++anno)
        for (int q = 1; q <= 4; ++q)
            p.push_back(Periodo{std::to_string(q) + std::to_string(anno), 1, 2, static_cast<float>(anno - 2000 + q)});
    return p;
}

TEST_P(ScaricaTassiTest, ReplacesBothFilesOrNeither) {
    const Caso& c = GetParam();
    test::CartellaTemporanea locale, remota;
    const std::vector<Periodo> nuovo = setNuovo();
    if (c.guasto != Guasto::SenzaDati) test::scriviByte(remota.file("NtassiU.dat"), test::fileDati(nuovo));
    if (c.guasto != Guasto::SenzaNumero)
        test::scriviByte(remota.file("NRectassiU.dat"), test::fileNumero(static_cast<int>(nuovo.size())));
    if (c.vecchioPresente)
        test::scriviTassi(locale, setVecchio());
    else
        test::scriviByte(locale.file("NRectassiU.dat"), test::fileNumero(0));

    ServerFtp server(VANTREL_SERVER_FTP, remota.cartella(), c.guasto == Guasto::Taglio ? 1000 : -1);
    ASSERT_GT(server.porta(), 0) << "the test FTP server (python3-pyftpdlib) did not start";

    RisposteProgrammate risposte;
    risposte.aggiungi(c.risposta);
    OrologioFisso orologio(Data{2026, 12, 5});
    Connessione connessione;
    connessione.attiva = c.guasto != Guasto::Fuori;
    FtpCurl ftp;
    ftp.attesaMassima(5);
    Contesto ctx;
    ctx.stato.CartellaDati = locale.cartella();
    BoxDuranteAttesa box(risposte);
    ctx.servizi = Servizi{&box, &orologio, nullptr, nullptr, nullptr, &connessione, &ftp};

    Usurari u(ctx, ServerTassi{"127.0.0.1", c.guasto == Guasto::ServerSpento ? 1 : server.porta(), "vantreltas",
                               c.guasto == Guasto::PasswordErrata ? "sbagliata" : "tassivtr"});
    // Opening the window creates an empty data file; a folder without one is a data file removed since.
    if (!c.vecchioPresente) std::filesystem::remove(locale.file("NtassiU.dat"));
    const auto righePrima = u["List1"].voci;
    box.finestra = &u;
    int attese = 0;
    u.avanzamento = [&] { attese += u.inAttesa() ? 1 : 0; };
    u.clicca("SSCommand6");
    EXPECT_GT(attese, 0);
    EXPECT_FALSE(u.inAttesa());
    EXPECT_EQ(box.inAttesa, 0) << "a box was shown under the wait";
    EXPECT_EQ(u.testo(u.id("LblStato")).rfind(c.stato, 0), 0u) << u.testo(u.id("LblStato"));

    const auto& mostrati = risposte.mostrati();
    ASSERT_EQ(mostrati.size(), c.messaggi.size()) << (mostrati.empty() ? "" : mostrati.back().testo);
    for (std::size_t i = 0; i < c.messaggi.size(); ++i)
        EXPECT_EQ(mostrati[i].testo.rfind(c.messaggi[i], 0), 0u) << mostrati[i].testo;

    const Bytes dati = test::leggiByte(locale.file("NtassiU.dat"));
    const Bytes numero = test::leggiByte(locale.file("NRectassiU.dat"));
    switch (c.esito) {
    case Esito::Nuovo:
        EXPECT_EQ(dati, test::fileDati(nuovo));
        EXPECT_EQ(numero, test::fileNumero(40));
        EXPECT_EQ(ctx.stato.Tassi.NumPeriodi, 40);
        EXPECT_EQ(u["List1"].voci.size(), 160u);
        EXPECT_EQ(u["Combo3"].voci.back(), "2010 4° trim. ");
        break;
    case Esito::Vecchio:
        EXPECT_EQ(dati, test::fileDati(setVecchio()));
        EXPECT_EQ(numero, test::fileNumero(1));
        EXPECT_EQ(u["List1"].voci, righePrima);
        break;
    case Esito::Nessuno:
        EXPECT_TRUE(dati.empty());
        EXPECT_EQ(numero, test::fileNumero(0));
        break;
    }
    // No temporary file is left behind; a new set records where its rates came from.
    for (const auto& e : std::filesystem::directory_iterator(locale.cartella()))
        EXPECT_TRUE(e.path().filename() == "NtassiU.dat" || e.path().filename() == "NRectassiU.dat" ||
                    (c.esito == Esito::Nuovo && e.path().filename() == kFileFontiTassi))
            << e.path();
    if (c.esito == Esito::Nuovo) {
        EXPECT_EQ(fonteTassi(locale.cartella(), "42010"), fonti::server);
    }
}

const std::string kEsiste = "Attenzione, il set di tassi che stai scaricando già esiste, vuoi sovrascriverlo?";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Casi, ScaricaTassiTest,
    ::testing::Values(
        Caso{"SenzaFileDati", false, Risposta::Annulla, Guasto::Nessuno, Esito::Nuovo, {},
             "Set di tassi scaricato: 40 periodi."},
        Caso{"SovrascritturaConfermata", true, Risposta::Ok, Guasto::Nessuno, Esito::Nuovo, {kEsiste},
             "Set di tassi scaricato: 40 periodi."},
        Caso{"SovrascritturaAnnullata", true, Risposta::Annulla, Guasto::Nessuno, Esito::Vecchio, {kEsiste}, ""},
        Caso{"AccessoRifiutato", true, Risposta::Ok, Guasto::PasswordErrata, Esito::Vecchio,
             {"connessione - accesso al server rifiutato"}, "Collegamento al server dei tassi non riuscito."},
        Caso{"ServerIrraggiungibile", true, Risposta::Ok, Guasto::ServerSpento, Esito::Vecchio,
             {"connessione - impossibile collegarsi"}, "Collegamento al server dei tassi non riuscito."},
        Caso{"NonInLinea", true, Risposta::Ok, Guasto::Fuori, Esito::Vecchio,
             {"Attenzione, il collegamento ad internet non è attivo"}, "Collegamento a internet non attivo."},
        Caso{"FileDatiAssente", true, Risposta::Ok, Guasto::SenzaDati, Esito::Vecchio,
             {kEsiste, "file non presente sul server"}, "Scaricamento non riuscito"},
        Caso{"FileNumeroAssente", true, Risposta::Ok, Guasto::SenzaNumero, Esito::Vecchio,
             {kEsiste, "Tassi Usura - file non presente sul server"}, "Scaricamento non riuscito"},
        Caso{"FileNumeroAssenteSenzaDomanda", false, Risposta::Ok, Guasto::SenzaNumero, Esito::Nessuno,
             {"file non presente sul server"}, "Scaricamento non riuscito"},
        Caso{"TrasferimentoInterrotto", true, Risposta::Ok, Guasto::Taglio, Esito::Vecchio,
             {kEsiste, "trasferimento interrotto"}, "Scaricamento non riuscito"}),
    [](const ::testing::TestParamInfo<Caso>& p) { return std::string(p.param.nome); });
// clang-format on

} // namespace
} // namespace vantrel

#include "common/scripted_services.h"
#include "platform/ftp_curl.h"
#include "rates/cartella_temporanea.h"
#include "rates/usurari.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/types.h>

namespace vantrel {
namespace {

using prova::Bytes;
using prova::Periodo;

// An FTP server on 127.0.0.1 serving one folder to one account. When a cut is asked for, the data
// connection of the rate data file is closed after that many bytes.
constexpr const char* kServer = R"PY(
import logging, os, sys
logging.basicConfig(level=logging.ERROR)
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, DTPHandler
from pyftpdlib.servers import FTPServer

cartella, utente, parola, taglio = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])

class DtpTagliato(DTPHandler):
    def send(self, data):
        if taglio >= 0 and getattr(self.cmd_channel, 'tagliare', False):
            inviati = self.tot_bytes_sent
            if inviati >= taglio:
                self.handle_close()
                return 0
            data = data[:taglio - inviati]
        return DTPHandler.send(self, data)

class Gestore(FTPHandler):
    dtp_handler = DtpTagliato
    use_sendfile = False
    def ftp_RETR(self, file):
        self.tagliare = os.path.basename(file) == 'NtassiU.dat'
        return FTPHandler.ftp_RETR(self, file)

autorizzazioni = DummyAuthorizer()
autorizzazioni.add_user(utente, parola, cartella, perm='elr')
Gestore.authorizer = autorizzazioni
Gestore.banner = 'pronto'
server = FTPServer(('127.0.0.1', 0), Gestore)
print(server.socket.getsockname()[1], os.getpid(), flush=True)
server.serve_forever()
)PY";

struct Connessione : StatoConnessione {
    bool attiva = true;
    bool connessioneAttiva() override { return attiva; }
};

class ServerFtp {
public:
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

struct Caso {
    const char* nome;
    bool vecchioPresente;
    std::vector<Risposta> risposte;
    bool datiSulServer = true;
    bool numeroSulServer = true;
    long taglio = -1;
    const char* password = "tassivtr";
    bool serverSpento = false;
    bool online = true;
    Esito esito = Esito::Nuovo;
    std::vector<std::string> messaggi{}; // expected beginnings, in order
};

class ScaricaTassiTest : public ::testing::TestWithParam<Caso> {};

std::vector<Periodo> setVecchio() {
    Periodo a;
    a.chiave = "12003";
    a.tm1 = 7;
    return {a};
}

std::vector<Periodo> setNuovo() {
    std::vector<Periodo> p;
    for (int anno = 2001; anno <= 2010; ++anno)
        for (int q = 1; q <= 4; ++q) {
            Periodo r;
            r.chiave = std::to_string(q) + std::to_string(anno);
            r.tm1 = static_cast<float>(anno - 2000) + 0.25f * static_cast<float>(q);
            p.push_back(r);
        }
    return p;
}

TEST_P(ScaricaTassiTest, ReplacesBothFilesOrNeither) {
    const Caso& c = GetParam();
    prova::CartellaTemporanea locale, remota, script;
    { std::ofstream(script.path() / "server.py") << kServer; }
    const std::vector<Periodo> nuovo = setNuovo();
    if (c.datiSulServer) prova::scriviFile(remota.path() / "NtassiU.dat", prova::fileDati(nuovo));
    if (c.numeroSulServer)
        prova::scriviFile(remota.path() / "NRectassiU.dat", prova::fileNumero(static_cast<int>(nuovo.size())));
    if (c.vecchioPresente)
        prova::scriviTassi(locale.path(), setVecchio());
    else
        prova::scriviFile(locale.path() / "NRectassiU.dat", prova::fileNumero(0));

    ServerFtp server(script.path() / "server.py", remota.path(), c.taglio);
    ASSERT_GT(server.porta(), 0);

    RisposteProgrammate risposte;
    for (Risposta r : c.risposte)
        risposte.aggiungi(r);
    OrologioFisso orologio(Data{2026, 12, 5});
    Connessione connessione;
    connessione.attiva = c.online;
    FtpCurl ftp;
    ftp.attesaMassima(5);
    Contesto ctx;
    ctx.stato.CartellaDati = locale.conSeparatore();
    ctx.servizi = Servizi{&risposte, &orologio, nullptr, nullptr, nullptr, &connessione, &ftp};

    Usurari u(ctx, ServerTassi{"127.0.0.1", c.serverSpento ? 1 : server.porta(), "vantreltas", c.password});
    const auto righePrima = u["List1"].voci;
    u.clicca("SSCommand6");

    const auto& mostrati = risposte.mostrati();
    ASSERT_EQ(mostrati.size(), c.messaggi.size()) << (mostrati.empty() ? "" : mostrati.back().testo);
    for (std::size_t i = 0; i < c.messaggi.size(); ++i)
        EXPECT_EQ(mostrati[i].testo.rfind(c.messaggi[i], 0), 0u) << mostrati[i].testo;

    const Bytes dati = prova::leggiFile(locale.path() / "NtassiU.dat");
    const Bytes numero = prova::leggiFile(locale.path() / "NRectassiU.dat");
    switch (c.esito) {
    case Esito::Nuovo:
        EXPECT_EQ(dati, prova::fileDati(nuovo));
        EXPECT_EQ(numero, prova::fileNumero(40));
        EXPECT_EQ(ctx.stato.Tassi.NumPeriodi, 40);
        EXPECT_EQ(u["List1"].voci.size(), 160u);
        EXPECT_EQ(u["Combo3"].voci.back(), "2010 4° trim. ");
        break;
    case Esito::Vecchio:
        EXPECT_EQ(dati, prova::fileDati(setVecchio()));
        EXPECT_EQ(numero, prova::fileNumero(1));
        EXPECT_EQ(u["List1"].voci, righePrima);
        break;
    case Esito::Nessuno:
        EXPECT_TRUE(dati.empty());
        EXPECT_EQ(numero, prova::fileNumero(0));
        break;
    }
    // No temporary file is left behind.
    for (const auto& e : std::filesystem::directory_iterator(locale.path()))
        EXPECT_TRUE(e.path().filename() == "NtassiU.dat" || e.path().filename() == "NRectassiU.dat") << e.path();
}

const std::string kEsiste = "Attenzione, il set di tassi che stai scaricando già esiste, vuoi sovrascriverlo?";

INSTANTIATE_TEST_SUITE_P(Casi, ScaricaTassiTest,
                         ::testing::Values(Caso{.nome = "SenzaFileDati", .vecchioPresente = false, .risposte = {}},
                                           Caso{.nome = "SovrascritturaConfermata",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .messaggi = {kEsiste}},
                                           Caso{.nome = "SovrascritturaAnnullata",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Annulla},
                                                .esito = Esito::Vecchio,
                                                .messaggi = {kEsiste}},
                                           Caso{.nome = "AccessoRifiutato",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .password = "sbagliata",
                                                .esito = Esito::Vecchio,
                                                .messaggi = {"connessione - accesso al server rifiutato"}},
                                           Caso{.nome = "ServerIrraggiungibile",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .serverSpento = true,
                                                .esito = Esito::Vecchio,
                                                .messaggi = {"connessione - impossibile collegarsi"}},
                                           Caso{.nome = "NonInLinea",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .online = false,
                                                .esito = Esito::Vecchio,
                                                .messaggi = {"Attenzione, il collegamento ad internet non è attivo"}},
                                           Caso{.nome = "FileDatiAssente",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .datiSulServer = false,
                                                .esito = Esito::Vecchio,
                                                .messaggi = {kEsiste, "file non presente sul server"}},
                                           Caso{.nome = "FileNumeroAssente",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .numeroSulServer = false,
                                                .esito = Esito::Vecchio,
                                                .messaggi = {kEsiste, "Tassi Usura - file non presente sul server"}},
                                           Caso{.nome = "FileNumeroAssenteSenzaDomanda",
                                                .vecchioPresente = false,
                                                .risposte = {},
                                                .numeroSulServer = false,
                                                .esito = Esito::Nessuno,
                                                .messaggi = {"file non presente sul server"}},
                                           Caso{.nome = "TrasferimentoInterrotto",
                                                .vecchioPresente = true,
                                                .risposte = {Risposta::Ok},
                                                .taglio = 1000,
                                                .esito = Esito::Vecchio,
                                                .messaggi = {kEsiste, "trasferimento interrotto"}}),
                         [](const ::testing::TestParamInfo<Caso>& p) { return std::string(p.param.nome); });

} // namespace
} // namespace vantrel

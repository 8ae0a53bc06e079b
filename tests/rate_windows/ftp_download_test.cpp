// The rate-set download against real servers on 127.0.0.1 (pyftpdlib for FTP and FTPS, Python's
// http.server for HTTPS, certificates made by openssl for the test): a good set is installed, and
// every fault leaves the old set byte for byte.
#include "platform/disco_posix.h"
#include "platform/ftp_curl.h"
#include "rate_windows/usurari.h"
#include "rates/dati_pubblici.h"
#include "rates/fonti_tassi.h"
#include "rates/verifica_set.h"
#include "support/ambiente.h"
#include "support/file_tassi.h"
#include "support/server_prova.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace vantrel {
namespace {

using test::Bytes;
using test::certificati;
using test::Periodo;
using test::Server;

struct Connessione : StatoConnessione {
    bool connessioneAttiva() override { return true; }
};

std::vector<Periodo> setNuovo() {
    std::vector<Periodo> p;
    for (int anno = 2001; anno <= 2010; ++anno)
        for (int q = 1; q <= 4; ++q)
            p.push_back(Periodo{std::to_string(q) + std::to_string(anno), 1, 2, static_cast<float>(anno - 2000 + q)});
    return p;
}

std::vector<Periodo> setAggiornato() { // the old set with the second period as the server has it
    const std::vector<Periodo> tutti = setNuovo();
    return {tutti.begin(), tutti.begin() + 3};
}

std::vector<Periodo> setVecchio() { // the first three periods, one with a rate of its own
    std::vector<Periodo> p = setAggiornato();
    p[1].tm1 = 99;
    return p;
}

// The official series as the fake reader of this test takes it: "PK", then the two rate files.
bool convertiProva(const std::vector<std::uint8_t>& zip, TabellaTassi& t, std::string& errore) {
    if (zip.size() < 4 || zip[0] != 'P' || zip[1] != 'K') {
        errore = "non è un file zip";
        return false;
    }
    auto set = leggiSetTassi({zip.begin() + 2, zip.end() - 2}, {zip.end() - 2, zip.end()}, errore);
    if (set) t = *set;
    return set.has_value();
}

enum class Tipo { Ftp, Ftps, Https };

struct Caso {
    const char* nome;
    Tipo tipo;
    bool piccolo; // the server has the first two periods of the new set only
    std::function<void(ServerTassi&)> ritocco;
    Risposta risposta;              // to the question before replacing
    std::vector<Periodo> (*dopo)(); // the periods the folder holds afterwards
    const char* messaggio;          // beginning of the box shown last, empty when none
    const char* stato;              // beginning of the status line left on screen
    bool annulla = false;           // Annulla pressed half a second into a slow download
};

// The old set in the program's folder, the server of `tipo` serving `remota` (the new set, or its first
// two periods when `piccolo`), and the settings that reach it.
struct Scaricamento {
    Scaricamento(Tipo tipo, bool piccolo, bool lento = false) {
        const Bytes dati = piccolo ? test::fileDati({setNuovo()[0], setNuovo()[1]}) : test::fileDati(setNuovo());
        const Bytes numero = test::fileNumero(piccolo ? 2 : 40);
        if (tipo == Tipo::Https) {
            Bytes zip = {'P', 'K'};
            zip.insert(zip.end(), dati.begin(), dati.end());
            zip.insert(zip.end(), numero.begin(), numero.end());
            test::scriviByte(remota.file("TEGM_serie_storica.zip"), zip);
        } else {
            test::scriviByte(remota.file("NtassiU.dat"), dati);
            test::scriviByte(remota.file("NRectassiU.dat"), numero);
        }
        test::scriviTassi(a.dir, setVecchio());
        const std::string coppia = certificati().dir.file("server.pem") + " " + certificati().dir.file("server.key");
        server = std::make_unique<Server>(
            tipo == Tipo::Https ? "/usr/bin/python3 " VANTREL_SERVER_HTTPS " " + remota.cartella() + " " + coppia +
                                      (lento ? " lento" : " nessuno")
                                : "/usr/bin/python3 " VANTREL_SERVER_FTP " " + remota.cartella() +
                                      " vantreltas tassivtr" + (tipo == Tipo::Ftps ? " --tls " + coppia : ""));
        const std::string porta = std::to_string(server->porta());
        s.tipo = tipo == Tipo::Https ? TipoServer::Https : TipoServer::Ftp;
        s.indirizzo =
            tipo == Tipo::Https ? "https://127.0.0.1:" + porta + "/TEGM_serie_storica.zip" : "127.0.0.1:" + porta;
        s.utente = "vantreltas";
        s.password = "tassivtr";
        s.ftpSenzaTls = tipo == Tipo::Ftp;
        s.certificati = certificati().dir.file("server.pem");
        s.secondiMassimi = 5;
        a.ctx.servizi.connessione = &connessione;
        a.ctx.servizi.rete = &rete;
    }
    test::Ambiente a;
    test::CartellaTemporanea remota;
    std::unique_ptr<Server> server;
    ServerTassi s;
    Connessione connessione;
    FtpCurl rete;
};

class ProvaScaricaTassi : public ::testing::TestWithParam<Caso> {};

TEST_P(ProvaScaricaTassi, InstallaIlSetBuonoELasciaIntattoIlVecchioAOgniGuasto) {
    const Caso& c = GetParam();
    Scaricamento x(c.tipo, c.piccolo, c.annulla);
    auto& a = x.a;
    ASSERT_GT(x.server->porta(), 0) << "the test server (python3-pyftpdlib, python3-openssl) did not start";
    if (c.ritocco) c.ritocco(x.s);
    a.risposte.aggiungi(c.risposta);
    DiscoPosix disco;
    a.ctx.servizi.disco = &disco;
    Usurari u(a.ctx, x.s);
    u.convertitore = convertiProva;
    using Tempo = std::chrono::steady_clock;
    Tempo::time_point premuto = Tempo::now();
    std::thread utente([&] {
        if (!c.annulla) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        premuto = Tempo::now();
        u.annullaScaricamento();
    });
    u.clicca("SSCommand6");
    const auto fine = Tempo::now();
    utente.join();
    if (c.annulla) {
        EXPECT_LT(fine - premuto, std::chrono::seconds(1)) << "the transfer went on after Annulla";
        EXPECT_TRUE(a.risposte.mostrati().empty());
    }

    EXPECT_FALSE(u.inAttesa());
    EXPECT_EQ(u.testo(u.id("LblStato")).rfind(c.stato, 0), 0u) << u.testo(u.id("LblStato"));
    const auto& mostrati = a.risposte.mostrati();
    if (*c.messaggio != '\0') {
        ASSERT_FALSE(mostrati.empty());
        EXPECT_EQ(mostrati.back().testo.rfind(c.messaggio, 0), 0u) << mostrati.back().testo << "\n"
                                                                   << mostrati.back().dettagli;
        if (std::string_view(c.nome) == "HttpsCertificatoIgnoto") { // with libcurl's own words on the fault
            EXPECT_NE(mostrati.back().dettagli.find("(libcurl 60): SSL certificate problem: "), std::string::npos)
                << mostrati.back().dettagli;
        }
    }
    const std::vector<Periodo> atteso = c.dopo();
    EXPECT_EQ(test::leggiByte(a.dir.file("NtassiU.dat")), test::fileDati(atteso));
    EXPECT_EQ(test::leggiByte(a.dir.file("NRectassiU.dat")), test::fileNumero(static_cast<int>(atteso.size())));
    EXPECT_EQ(a.ctx.stato.tassi.numPeriodi, static_cast<int>(atteso.size()));
    const std::set<std::string> nostri = {"NtassiU.dat", "NRectassiU.dat", "NtassiU.blocco",
                                          c.dopo != setVecchio ? kFileFontiTassi : ""};
    for (const auto& e : std::filesystem::directory_iterator(a.dir.cartella())) // nothing half-written left
        EXPECT_TRUE(nostri.contains(e.path().filename().string())) << e.path();
}

// The fake reader of the public rate files: a file holding "guasto" does not read.
struct VerificaProva : VerificaDatiPubblici {
    std::string verifica(std::string_view, const std::string& testo) const override {
        return testo.find("guasto") == std::string::npos ? "" : "riga 2: guasto";
    }
};

// The public rate files beside the set come with it: one that reads replaces the folder's, one that
// does not leaves the folder's as it was, and the status line says both.
TEST(ScaricaDatiPubblici, ArrivanoColSetSeSiLeggono) {
    Scaricamento x(Tipo::Ftp, false);
    auto& a = x.a;
    test::scriviTesto(x.remota.file(kFileTassoLegale), "legale nuovo");
    test::scriviTesto(x.remota.file(kFileAsteBot), "aste guasto");
    test::scriviTesto(a.dir.file(kFileTassoLegale), "legale vecchio");
    test::scriviTesto(a.dir.file(kFileAsteBot), "aste vecchie");
    ASSERT_GT(x.server->porta(), 0);
    a.risposte.aggiungi(Risposta::Ok);
    VerificaProva verifica;
    a.ctx.servizi.datiPubblici = &verifica;
    Usurari u(a.ctx, x.s);
    u.clicca("SSCommand6");
    EXPECT_EQ(test::leggiTesto(a.dir.file(kFileTassoLegale)), "legale nuovo");
    EXPECT_EQ(test::leggiTesto(a.dir.file(kFileAsteBot)), "aste vecchie");
    EXPECT_EQ(test::leggiByte(a.dir.file("NtassiU.dat")), test::fileDati(setNuovo()));
    const std::string stato = u.testo(u.id("LblStato"));
    EXPECT_NE(stato.find(" Aggiornati anche: tasso-legale.csv."), std::string::npos) << stato;
    EXPECT_NE(stato.find(" bot-12-mesi-aste.csv del server non è valido (riga 2: guasto): resta quello presente."),
              std::string::npos)
        << stato;
}

const char* const kDomanda = "Il set di tassi contiene 40 periodi; la tabella presente ne contiene 3.\n"
                             "37 periodi nuovi, 1 modificati, 0 che non sono nel set.";
const char* const kFallito = "Scaricamento non riuscito";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Casi, ProvaScaricaTassi,
    ::testing::Values(
        Caso{"Ftp", Tipo::Ftp, false, {}, Risposta::Ok, setNuovo, kDomanda,
             "Set di tassi installato: 40 periodi (37 nuovi, 1 modificati); 0 periodi che non sono nel set"},
        // A set that lacks periods of the table updates the others and drops none of them.
        Caso{"SetPiuPiccolo", Tipo::Ftp, true, {}, Risposta::Ok, setAggiornato,
             "Il set di tassi contiene 2 periodi; la tabella presente ne contiene 3.\n0 periodi nuovi, 1 modificati, "
             "1 che non sono nel set.\nI periodi che non sono nel set restano come sono.",
             "Set di tassi installato: 2 periodi (0 nuovi, 1 modificati); 1 periodo che non è nel set resta come prima."},
        Caso{"SetPiuPiccoloAnnullato", Tipo::Ftp, true, {}, Risposta::Annulla, setVecchio, "", "Sostituzione annullata."},
        Caso{"Ftps", Tipo::Ftps, false, {}, Risposta::Ok, setNuovo, kDomanda, "Set di tassi installato"},
        Caso{"TlsRichiesto", Tipo::Ftp, false,
             [](ServerTassi& s) { s.ftpSenzaTls = false; }, Risposta::Ok, setVecchio,
             "Il server dei tassi non offre un collegamento cifrato (TLS).", kFallito},
        Caso{"Https", Tipo::Https, false, {}, Risposta::Ok, setNuovo, kDomanda,
             "Set di tassi installato"},
        Caso{"HttpsCertificatoIgnoto", Tipo::Https, false,
             [](ServerTassi& s) { s.certificati.clear(); }, Risposta::Ok, setVecchio,
             "Il certificato del server dei tassi non è attendibile", kFallito},
        Caso{"HttpsAnnullato", Tipo::Https, false, {}, Risposta::Ok, setVecchio, "",
             "Scaricamento annullato", true}),
    [](const ::testing::TestParamInfo<Caso>& p) { return std::string(p.param.nome); });
// clang-format on

} // namespace
} // namespace vantrel

#include "rates/server_tassi.h"
#include "shell/finestra_impostazioni.h"
#include "shell/impostazioni.h"
#include "support/ambiente.h"

// GCC 12 warns wrongly about the string alternative of an answer holding a button.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <filesystem>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ImpostazioniServer : public ::testing::Test, protected test::Ambiente {};

TEST_F(ImpostazioniServer, IlServerSiScegliePoiSiRileggeDalFile) {
    risposte.aggiungi(Risposta::Ok); // to the warning on plain FTP
    FinestraImpostazioni f(ctx);
    // Without a settings file: the official series over HTTPS.
    EXPECT_EQ(f["TipoServer"].selezione, 0);
    EXPECT_EQ(f["IndirizzoServer"].testo, kIndirizzoSerieUfficiale);
    f.seleziona("TipoServer", 1);
    f.incolla("IndirizzoServer", " ftp.esempio.it:2121 ");
    f.incolla("UtenteServer", "studio=rossi");
    f.incolla("PasswordServer", "pàss\nword"); // UTF-8 file: any character; a pasted line break is dropped
    f.incolla("Certificati", "/etc/ca.pem");
    f.clicca("FtpSenzaTls");
    f.clicca("Salva");
    ASSERT_TRUE(f.chiusa());
    ASSERT_EQ(risposte.mostrati().size(), 1u);
    EXPECT_NE(risposte.mostrati()[0].testo.find("in chiaro"), std::string::npos);

    const ServerTassi s = leggiServerTassi(dir.cartella());
    EXPECT_EQ(s.tipo, TipoServer::Ftp);
    EXPECT_EQ(s.indirizzo, "ftp.esempio.it:2121");
    EXPECT_EQ(s.utente, "studio=rossi");
    EXPECT_EQ(s.password, "pàssword");
    EXPECT_TRUE(s.ftpSenzaTls);
    EXPECT_EQ(s.certificati, "/etc/ca.pem");
    EXPECT_EQ(urlServerFtp(s.indirizzo), "ftp://ftp.esempio.it:2121/");
    // Both settings files hold a password in plain text: their owner's alone, also those an older
    // version left readable by all, once read.
    namespace fs = std::filesystem;
    const auto privati = [&] {
        for (const char* file : {kFileServerTassi, kFileImposta})
            EXPECT_EQ(fs::status(dir.file(file)).permissions() & fs::perms::all,
                      fs::perms::owner_read | fs::perms::owner_write)
                << file;
    };
    privati();
    for (const char* file : {kFileServerTassi, kFileImposta})
        fs::permissions(dir.file(file), fs::perms::group_read | fs::perms::others_read, fs::perm_options::add);
    leggiServerTassi(dir.cartella());
    leggiImposta(ctx.stato);
    privati();
    FinestraImpostazioni riaperta(ctx);
    EXPECT_EQ(riaperta["TipoServer"].selezione, 1);
    EXPECT_TRUE(riaperta["FtpSenzaTls"].selezionato);
    EXPECT_EQ(riaperta["PasswordServer"].testo, "pàssword");
}

TEST_F(ImpostazioniServer, UnCaratterePersoNelFileDelleImpostazioniVieneRifiutato) {
    for (const char* campo : {"NomeUt", "PassW"}) {
        SCOPED_TRACE(campo);
        risposte.dimentica();
        FinestraImpostazioni f(ctx);
        f.incolla(campo, "Łukasz€"); // the euro sign is in Windows-1252, Ł is not
        f.clicca("Salva");
        EXPECT_FALSE(f.chiusa());
        EXPECT_EQ(f.fuoco(), f.id(campo));
        ASSERT_EQ(risposte.mostrati().size(), 1u);
        EXPECT_NE(risposte.mostrati()[0].testo.find("\"Ł\""), std::string::npos) << risposte.mostrati()[0].testo;
        EXPECT_EQ(test::leggiByte(dir.file(kFileImposta)).size(), 0u) << "nothing written";
    }
    FinestraImpostazioni f(ctx);
    f.incolla("NomeUt", "Müller€");
    f.clicca("Salva");
    EXPECT_TRUE(f.chiusa());
    leggiImposta(ctx.stato);
    EXPECT_EQ(testoCampo(ctx.stato.imposta.utente()), "Müller€");
}

} // namespace
} // namespace vantrel

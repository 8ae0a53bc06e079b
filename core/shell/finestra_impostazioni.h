#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rates/server_tassi.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vantrel {

// The controls of "Impostazioni".
// clang-format off
#define VANTREL_CONTROLLI_IMPOSTAZIONI(X)                                                                              \
    X(titolo, "Titolo", Etichetta, .testo = "Impostazioni")                                                            \
    X(etichettaDecimali, "LblDecimali", Etichetta, .testo = "nr. decimali")                                            \
    X(decimali, "decimali", Testo, .tab = 1)                                                                           \
    X(etichettaNomeUtente, "LblNomeUt", Etichetta, .testo = "Nome Utente")                                             \
    X(nomeUtente, "NomeUt", Testo, .lunghezzaMassima = 30, .tab = 2)                                                   \
    X(etichettaPassword, "LblPassW", Etichetta, .testo = "Password")                                                   \
    X(password, "PassW", Testo, .lunghezzaMassima = 10, .tab = 3)                                                      \
    X(accessoConPassword, "accesso", Casella, .testo = "Accesso con password", .tab = 4)                               \
    X(corniceOrientamento, "Frame1", Cornice, .testo = "Orientamento stampa")                                          \
    X(verticale, "verticale", Opzione, .testo = "verticale", .gruppo = "orientamento", .tab = 5)                       \
    X(orizzontale, "orizzontale", Opzione, .testo = "orizzontale", .gruppo = "orientamento", .tab = 6)                 \
    X(etichettaRighe, "LblRighe", Etichetta, .testo = "righe per pagina")                                              \
    X(righeVerticale, "LineVer", Testo, .tab = 7)                                                                      \
    X(righeOrizzontale, "lineor", Testo, .tab = 8)                                                                     \
    X(nota, "Nota", Etichetta, .testo = "tale funzione è limitata alla sola stampa dei movimenti")                     \
    X(corniceServer, "FrameServer", Cornice, .testo = "Server dei tassi")                                              \
    X(etichettaTipoServer, "LblTipoServer", Etichetta, .testo = "tipo")                                                \
    X(tipoServer, "TipoServer", Combo, .tab = 9)                                                                       \
    X(etichettaIndirizzoServer, "LblIndirizzoServer", Etichetta, .testo = "indirizzo")                                 \
    X(indirizzoServer, "IndirizzoServer", Testo, .tab = 10)                                                            \
    X(etichettaUtenteServer, "LblUtenteServer", Etichetta, .testo = "utente")                                          \
    X(utenteServer, "UtenteServer", Testo, .tab = 11)                                                                  \
    X(etichettaPasswordServer, "LblPasswordServer", Etichetta, .testo = "password")                                    \
    X(passwordServer, "PasswordServer", Testo, .tab = 12)                                                              \
    X(ftpSenzaTls, "FtpSenzaTls", Casella, .testo = "consenti FTP senza cifratura (sconsigliato)", .tab = 13)          \
    X(etichettaCertificati, "LblCertificati", Etichetta, .testo = "certificati (file, facoltativo)")                   \
    X(certificati, "Certificati", Testo, .tab = 14)                                                                    \
    X(corniceDivisore, "FrameDivisore", Cornice, .testo = "Divisore dell'anno",                                        \
        .aiuto = "giorni dell'anno x 100 nelle formule del T.E.G.")                                                    \
    X(divisoreSempre365, "Divisore36500", Opzione, .testo = "36.500 sempre", .gruppo = "divisore", .tab = 15)          \
    X(divisoreBisestile, "Divisore36600", Opzione, .testo = "36.600 negli anni bisestili", .gruppo = "divisore",       \
        .selezionato = true, .tab = 16)                                                                                \
    X(corniceCms, "FrameCms", Cornice, .testo = "Periodi fino al 2009",                                                \
        .aiuto = "come si giudica la commissione di massimo scoperto dei periodi fino al 31/12/2009, quando i tassi "  \
            "medi pubblicati non la comprendevano")                                                                    \
    X(cmsSeparata, "CmsSeparata", Opzione, .testo = "verifica CMS separata (Cass. SS.UU. 16303/2018)",                 \
        .gruppo = "cms", .selezionato = true, .tab = 17)                                                               \
    X(cmsNelTeg, "CmsNelTeg", Opzione, .testo = "CMS nel TEG", .gruppo = "cms", .tab = 18)                             \
    X(salva, "Salva", Pulsante, .tooltip = "Conferma", .tab = 19)                                                      \
    X(esci, "Command3D8", Pulsante, .tooltip = " Uscita ", .tab = 20)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliImpostazioni, VANTREL_CONTROLLI_IMPOSTAZIONI)

/// The settings window "Impostazioni": number of decimals, login user name, password and flag,
/// print orientation and lines per page, the server of the rate-set download, the days of the year
/// of the TEG formulas and how the CMS of a period up to 2009 is judged. Opening it reads
/// the settings files afresh; `Salva` writes them back and closes, `Command3D8` closes without saving.
class FinestraImpostazioni : public Finestra {
public:
    explicit FinestraImpostazioni(Contesto& ctx);
    static const Schema& schemaForm23();

    /// Stores the fields in the two records, writes both files, sets the amount mask and closes.
    /// A number field that is empty, not a number or outside the 16-bit range is refused with a
    /// message: nothing is written, the field gets back the value read and the window stays open. So is
    /// a login name or password with a character that the settings file cannot hold.
    bool salvaImpostazioni();

protected:
    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void cliccato(int id) override;

private:
    void mostraRecord();
    // The checks of the save, each with its message: the three numbers, the login's characters, the
    // rate server (FTP in clear asks for confirmation).
    std::optional<std::array<std::int16_t, 3>> numeriLetti();
    bool accessoConservabile();
    std::optional<ServerTassi> serverScelto();

    Contesto& ctx_;
    ServerTassi server_; // as read, with the settings the window does not show
    const ControlliImpostazioni& c_;
};

} // namespace vantrel

#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rates/server_tassi.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vantrel {

// The controls of "Impostazioni": the name in the code, the control's own name.
#define VANTREL_CONTROLLI_IMPOSTAZIONI(X)                                                                              \
    X(decimali, "decimali")                                                                                            \
    X(nomeUtente, "NomeUt")                                                                                            \
    X(password, "PassW")                                                                                               \
    X(accessoConPassword, "accesso")                                                                                   \
    X(verticale, "verticale")                                                                                          \
    X(orizzontale, "orizzontale")                                                                                      \
    X(righeVerticale, "LineVer")                                                                                       \
    X(righeOrizzontale, "lineor")                                                                                      \
    X(tipoServer, "TipoServer")                                                                                        \
    X(indirizzoServer, "IndirizzoServer")                                                                              \
    X(utenteServer, "UtenteServer")                                                                                    \
    X(passwordServer, "PasswordServer")                                                                                \
    X(ftpSenzaTls, "FtpSenzaTls")                                                                                      \
    X(certificati, "Certificati")                                                                                      \
    X(salva, "Salva")                                                                                                  \
    X(esci, "Command3D8")
VANTREL_STRUTTURA_CONTROLLI(ControlliImpostazioni, VANTREL_CONTROLLI_IMPOSTAZIONI)

/// The settings window "Impostazioni": number of decimals, login user name, password and flag,
/// print orientation and lines per page, and the server of the rate-set download. Opening it reads
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

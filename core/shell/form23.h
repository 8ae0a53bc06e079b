#pragma once

#include "common/finestra.h"
#include "programma/stato_programma.h"
#include "rates/server_tassi.h"

namespace vantrel {

/// The settings window "Impostazioni": number of decimals, login user name, password and flag,
/// print orientation and lines per page, and the server of the rate-set download. Opening it reads
/// the settings files afresh; `Salva` writes them back and closes, `Command3D8` closes without saving.
class Form23 : public Finestra {
public:
    explicit Form23(Contesto& ctx);
    static const Schema& schemaForm23();

    /// Stores the fields in the two records, writes both files, sets the amount mask and closes.
    /// A number field that is empty, not a number or outside the 16-bit range is refused with a
    /// message: nothing is written, the field gets back the value read and the window stays open. So is
    /// a login name or password with a character that the settings file cannot hold.
    bool SalvaImpostazioni();

protected:
    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void cliccato(int id) override;

private:
    void mostraRecord();

    Contesto& ctx_;
    ServerTassi server_; // as read, with the settings the window does not show
    int decimali_, NomeUt_, PassW_, accesso_, verticale_, orizzontale_, LineVer_, lineor_, Salva_, Command3D8_;
};

} // namespace vantrel

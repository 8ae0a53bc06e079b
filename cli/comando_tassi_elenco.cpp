#include "comando_tassi_elenco.h"

#include "platform/disco_posix.h"
#include "rate_windows/usurari.h"
#include "rates/set_tassi.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

int comandoTassiElenco(const std::string& cartella, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_directory(cartella, ec)) {
        err << "vantrel-cli tassi elenco: cartella inesistente: " << cartella << '\n';
        return 2;
    }
    // Read only: a missing rate file is not created here.
    TabellaTassi tabella;
    DiscoPosix disco;
    if (std::filesystem::exists(std::filesystem::path(cartella) / kFileNumeroTassi, ec) &&
        !caricaSetTassi(tabella, cartella, &disco)) {
        err << "vantrel-cli tassi elenco: impossibile leggere i file dei tassi in " << cartella << '\n';
        return 1;
    }
    out << kIntestazioneTassi1 << '\n' << kIntestazioneTassi2 << '\n';
    for (const auto& riga : righeElencoTassi(tabella))
        out << testoVisibile(riga) << '\n';
    return out ? 0 : 1;
}

} // namespace vantrel

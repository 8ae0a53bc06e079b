#include "comando_tassi_serie.h"

#include "comune.h"
#include "platform/disco_posix.h"
#include "platform/lettore_zip.h"
#include "rates/importa_serie.h"

#include <filesystem>
#include <ostream>

namespace vantrel::cli {

int comandoTassiSerie(const std::string& file, const std::string& cartella, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        err << "vantrel-cli tassi: il file non esiste o non è un file: " << file << "\n";
        return kUso;
    }
    const LettoreZipZlib zip;
    DiscoPosix disco;
    const EsitoImportaSerie esito = importaSerieUfficiale(file, cartella, &zip, {}, &disco);
    if (!esito.fatto) {
        err << "vantrel-cli tassi: " << esito.messaggio << "\n";
        return kInputErrato;
    }
    out << esito.messaggio << "\n";
    return kOk;
}

} // namespace vantrel::cli

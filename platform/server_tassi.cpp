#include "platform/server_tassi.h"

#include "platform/server_tassi_config.h"

namespace vantrel {

ServerTassi serverTassiPredefinito() {
    return ServerTassi{VANTREL_FTP_HOST, VANTREL_FTP_PORTA, VANTREL_FTP_UTENTE, VANTREL_FTP_PASSWORD};
}

} // namespace vantrel

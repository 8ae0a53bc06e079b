#include "platform/connessione.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace vantrel {

bool ConnessioneDiSistema::connessioneAttiva() {
    ifaddrs* elenco = nullptr;
    if (getifaddrs(&elenco) != 0) return false;
    bool attiva = false;
    for (const ifaddrs* i = elenco; i != nullptr && !attiva; i = i->ifa_next) {
        if (i->ifa_addr == nullptr) continue;
        const int famiglia = i->ifa_addr->sa_family;
        if (famiglia != AF_INET && famiglia != AF_INET6) continue;
        const unsigned flag = i->ifa_flags;
        attiva = (flag & IFF_UP) != 0 && (flag & IFF_RUNNING) != 0 && (flag & IFF_LOOPBACK) == 0;
    }
    freeifaddrs(elenco);
    return attiva;
}

} // namespace vantrel

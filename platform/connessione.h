#pragma once

#include "common/servizi.h"

namespace vantrel {

/// Online when a network interface other than loopback is up and has an address.
class ConnessioneDiSistema : public StatoConnessione {
public:
    bool connessioneAttiva() override;
};

} // namespace vantrel

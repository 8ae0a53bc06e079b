#pragma once

#include "rates/usurari.h"

namespace vantrel {

/// The rate-set server and account the program was built with.
ServerTassi serverTassiPredefinito();

} // namespace vantrel

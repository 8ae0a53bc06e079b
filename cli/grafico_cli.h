#pragma once

#include "common/servizi.h"

#include <memory>

namespace vantrel::cli {

/// The chart service of the desktop program, for the report's chart; null where the program is
/// built without it, or where the process already runs Qt without widgets.
std::unique_ptr<DisegnoGrafico> disegnoGrafico();

} // namespace vantrel::cli

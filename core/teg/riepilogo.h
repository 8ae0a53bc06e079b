#pragma once

#include "common/finestra.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The summary of the last calculation of the calculation window `taeg`: the period, the figures,
/// the formula drawn with its values and the comparison with the threshold, then the lines of
/// `catenaSoglia` (how the threshold was reached). Amounts use `maschera`.
std::vector<std::string> riepilogoCalcolo(const Finestra& taeg, std::string_view maschera,
                                          const std::vector<std::string>& catenaSoglia = {});

} // namespace vantrel

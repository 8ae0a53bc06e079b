#pragma once

#include "casefile/scelte_ricalcolo.h"

#include <string>
#include <vector>

namespace vantrel::cli {

/// The choices of the legal recalculation as `vantrel-cli pratica ricalcola` takes them, for --help.
extern const char* const kAiutoScelte;

/// Takes the options of the recalculation's choices out of `args` and applies them to `s` (the
/// case's choices): each option replaces its part, an interval given for a choice replaces both its
/// ends. False with the reason in `errore` for a bad word or date; `date` tells whether any was given.
bool leggiScelte(std::vector<std::string>& args, ScelteRicalcolo& s, bool& date, std::string& errore);

} // namespace vantrel::cli

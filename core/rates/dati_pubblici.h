#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

/// The files of the public rates beside the rate set: the legal interest rate (art. 1284 c.c.) and
/// the 12-month BOT auctions (art. 117 TUB). They ship with the program; the rate server may hold
/// newer ones.
inline constexpr const char* kFileTassoLegale = "tasso-legale.csv";
inline constexpr const char* kFileAsteBot = "bot-12-mesi-aste.csv";
inline constexpr std::array<const char*, 2> kFileDatiPubblici = {kFileTassoLegale, kFileAsteBot};

/// Reads a public rate file that arrived from the rate server, as the recalculation will read it.
class VerificaDatiPubblici {
public:
    virtual ~VerificaDatiPubblici() = default;
    /// Empty when `testo` reads whole as the file `file`; otherwise why not, in Italian.
    virtual std::string verifica(std::string_view file, const std::string& testo) const = 0;
};

} // namespace vantrel

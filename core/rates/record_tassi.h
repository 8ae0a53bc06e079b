#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

/// One quarter of official rates as the data file "NtassiU.dat" keeps it (67-byte records).
/// Rates are single-precision percentages. TM1/TM2: credit lines in current account, TM7/TM8:
/// overdrafts without a credit line, TM3/TM4/TM6: advances and discounts, TM5: average CMS;
/// TU1..TU6 the stored thresholds of TM1..TM6 (TU5 the CMS threshold).
struct RecordTassi {
    static constexpr std::size_t kLunghezza = 67;

    std::int16_t numRec = 0;
    std::string periodo;                   // quarter digit and four-digit year, "32004"
    std::array<float, 9> TM{};             // TM[1]..TM[8]; TM[0] unused
    std::array<float, 7> TU{};             // TU[1]..TU[6]; TU[0] unused
    std::array<std::uint8_t, 4> riserva{}; // reserved bytes, kept as read

    std::vector<std::uint8_t> codifica() const;
    static RecordTassi decodifica(const std::vector<std::uint8_t>& bytes);
};

/// Rate slot names ("TM1".."TM8", "TU1".."TU6") to their value.
float& campoTasso(RecordTassi& r, const std::string& nome);
float campoTasso(const RecordTassi& r, const std::string& nome);

} // namespace vantrel

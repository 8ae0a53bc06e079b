#pragma once

#include "common/servizi.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// The new files written beside the one they replace: "<file>.<16 hex digits>.nuovo", a name of
/// their own so that two programs never write the same one, and a repair can tell them apart.
inline constexpr std::size_t kCifreFileNuovo = 16;
inline constexpr std::string_view kSuffissoFileNuovo = ".nuovo";

/// A fresh name for a new file beside `destinazione`, for writers that make the file themselves and
/// rename it into place when whole (a PDF printer).
std::string nomeFileNuovo(const std::string& destinazione);

/// Writes `contenuto` into a new file beside `destinazione`, flushed through `disco` when given; its
/// path, or nothing when it could not be written (nothing is left then).
std::optional<std::string> scriviTemporaneo(const std::string& destinazione, std::string_view contenuto,
                                            Disco* disco = nullptr);

/// Replaces the file at `path` with `contenuto`: the bytes go to a new file beside it, which then takes
/// its place. On failure the old file is left whole and the new one removed. An empty text on success,
/// otherwise what went wrong.
std::string sostituisciFile(const std::string& path, std::string_view contenuto, Disco* disco = nullptr);

/// The same for a writer that makes the file itself (a workbook library): `scrivi` writes the whole
/// file at the path it is given and returns an empty text, or what went wrong.
std::string sostituisciFile(const std::string& path, const std::function<std::string(const std::string&)>& scrivi);

} // namespace vantrel

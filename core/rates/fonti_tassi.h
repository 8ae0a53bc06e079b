#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vantrel {

/// Where the rates of each stored period came from. The rate files carry no source, so a small text
/// file beside them keeps one: UTF-8, a header line "periodo;fonte", then one line per period key
/// (32004;...). A period without a line, or a folder without the file, has no recorded source.
inline constexpr const char* kFileFontiTassi = "FontiTassi.csv";

namespace fonti {
inline constexpr const char* nonRegistrata = "fonte non registrata";
inline constexpr const char* utente = "inserito dall'utente";
inline constexpr const char* server = "set di tassi scaricato dal server";
} // namespace fonti

/// Every recorded source of the folder, by period key; empty when the file is missing or unreadable.
std::map<std::string, std::string> leggiFontiTassi(const std::string& cartella);

/// The recorded source of one period, or "fonte non registrata". The folder's file is read once and
/// kept until this process writes it or loads the rate set again (dimenticaFontiTassi): the sources
/// stay those of the rates in use.
std::string fonteTassi(const std::string& cartella, std::string_view periodo);

/// Drops the sources kept by fonteTassi: the next one reads the file again.
void dimenticaFontiTassi();

/// Records the sources of the given periods, keeping those of the others (all of them are dropped
/// first when `sostituisci`). The file is replaced whole or not at all; false when it could not be.
bool registraFontiTassi(const std::string& cartella, const std::map<std::string, std::string>& nuove,
                        bool sostituisci = false);

} // namespace vantrel

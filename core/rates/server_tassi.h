#pragma once

#include <string>

namespace vantrel {

/// The settings file of the rate-set server, beside the other settings in the program folder: one
/// "name=value" line per setting, UTF-8.
inline constexpr const char* kFileServerTassi = "ServerTassi.ini";

/// Where the Bank of Italy publishes the whole series of average rates and thresholds.
inline constexpr const char* kIndirizzoSerieUfficiale =
    "https://www.bancaditalia.it/compiti/vigilanza/compiti-vigilanza/tegm/TEGM_serie_storica.zip";

enum class TipoServer {
    Https, // the official series, one zip file, over HTTPS
    Ftp,   // the two rate files NtassiU.dat and NRectassiU.dat, over FTP with TLS
};

/// Where the rate sets are fetched from, as the settings window keeps it.
struct ServerTassi {
    TipoServer tipo = TipoServer::Https;
    std::string indirizzo = kIndirizzoSerieUfficiale; // the zip's URL; for FTP the host, "host:port" or a URL
    std::string utente;
    std::string password;
    bool ftpSenzaTls = false; // plain FTP allowed: name, password and rates travel unencrypted
    std::string certificati;  // file of trusted certificates; empty: the system's
    int secondiMassimi = 120; // for the whole download
};

/// Reads the settings file of the folder; a missing file or setting keeps the default.
ServerTassi leggiServerTassi(const std::string& cartella);
/// Writes the settings file as a whole; false when it cannot be written.
bool scriviServerTassi(const std::string& cartella, const ServerTassi& s);

/// The folder URL of an FTP server ("ftp://host:port/"), from what the user typed.
std::string urlServerFtp(const std::string& indirizzo);
/// The URL of the zip, "https://" added when no scheme was typed.
std::string urlServerHttps(const std::string& indirizzo);

} // namespace vantrel

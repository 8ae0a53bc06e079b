#pragma once

#include "common/servizi.h"
#include "rates/dati_pubblici.h"
#include "rates/server_tassi.h"
#include "rates/tabella_tassi.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {

/// Turns the bytes of the official series' zip into a rate table; false with the reason in Italian.
using ConvertitoreSerie =
    std::function<bool(const std::vector<std::uint8_t>& zip, TabellaTassi& tabella, std::string& errore)>;

struct EsitoScaricamento {
    enum class Stato { Ok, Errore, Annullato };
    Stato stato = Stato::Errore;
    TabellaTassi tabella;                                          // the set that arrived, checked whole, when Ok
    std::vector<std::pair<std::string, std::string>> datiPubblici; // public rate files that arrived and read
    std::vector<std::string> avvisi; // public rate files the server sent but which do not read
    std::string errore;              // for the user, in Italian
    std::string dettagli;            // the technical cause
};

/// The largest files the download accepts: a set of 200 periods, a count, the series' zip.
inline constexpr std::size_t kByteMassimiDati = 200 * 67;
inline constexpr std::size_t kByteMassimiNumero = 64;
inline constexpr std::size_t kByteMassimiSerie = 32u << 20;
inline constexpr std::size_t kByteMassimiDatiPubblici = 1u << 20;

/// Fetches the rate set the server holds and reads it: the two rate files over FTP (TLS unless the
/// settings allow plain FTP), or the official series' zip over HTTPS turned into a table by
/// `converti`. Nothing is written. `stato` hears what the download is doing before each wait.
/// With `datiPubblici`, the public rate files the server holds beside the set (in its FTP folder,
/// or beside the series' zip) come too, each kept only when it reads whole; a server without them
/// is no error.
EsitoScaricamento scaricaSetTassi(ClientRete& rete, const ServerTassi& server, const ConvertitoreSerie& converti,
                                  const std::function<void(const std::string&)>& stato,
                                  const VerificaDatiPubblici* datiPubblici = nullptr);

} // namespace vantrel

#pragma once

#include "common/date.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel {

/// The program's title, carried by every message box that has no title of its own.
inline constexpr const char* kTitoloProgramma = "Vantrel";

enum class Icona { Nessuna, Informazione, Avviso, Critica, Domanda };
enum class Pulsanti { Ok, OkAnnulla, SiNoAnnulla };
enum class Risposta { Ok, Annulla, Si, No };

/// One modal message or question box.
struct Messaggio {
    std::string titolo;
    std::string testo;
    Icona icona = Icona::Nessuna;
    Pulsanti pulsanti = Pulsanti::Ok;
    Risposta predefinita = Risposta::Ok;
    std::string dettagli = {}; // technical detail, shown only on request ("Dettagli")
};

/// Message and question boxes; the desktop shows them, tests and the command line answer them.
class ServizioMessaggi {
public:
    virtual ~ServizioMessaggi() = default;
    virtual Risposta mostra(const Messaggio& m) = 0;
};

/// The system clock: today's date.
class Orologio {
public:
    virtual ~Orologio() = default;
    virtual Data oggi() const = 0;
};

/// The common file dialogs; no value when the user cancels.
class DialogoFile {
public:
    virtual ~DialogoFile() = default;
    virtual std::optional<std::string> apri(const std::string& nomeProposto, const std::string& cartella) = 0;
    virtual std::optional<std::string> salva(const std::string& nomeProposto, const std::string& cartella) = 0;
};

enum class Orientamento { Verticale, Orizzontale };

/// The printer operations the printouts use, in the order they are called.
class Stampante {
public:
    virtual ~Stampante() = default;
    /// Names the document that follows (a PDF of it is proposed under this name, without extension).
    virtual void documento(const std::string& /*nome*/) {}
    virtual void orientamento(Orientamento o) = 0;
    virtual void font(const std::string& nome) = 0;
    virtual void dimensione(double punti) = 0;
    virtual void grassetto(bool attivo) = 0;
    virtual void riga(const std::string& testo) = 0; // an empty text prints an empty line
    /// A PNG picture below the last line, as wide as the page allows; a printer that draws no
    /// pictures leaves it out.
    virtual void immagine(std::string_view /*png*/) {}
    virtual void nuovaPagina() = 0;
    /// Ends the document and sends it; the error text, empty on success.
    virtual std::string fine() = 0;
};

/// Starts a program without waiting for it.
class AvvioProcessi {
public:
    virtual ~AvvioProcessi() = default;
    virtual bool avviaCalcolatrice() = 0;
};

/// Whether the machine is online.
class StatoConnessione {
public:
    virtual ~StatoConnessione() = default;
    virtual bool connessioneAttiva() = 0;
};

/// One file fetched by the rate-set download.
struct Trasferimento {
    std::string url; // ftp://, ftps:// or https://
    std::string utente, password;
    bool tlsObbligatorio = true; // ftp://: refuse a server that does not offer TLS
    std::string certificati;     // file of the trusted certificates; empty: the system's
    long millisecondiMassimi = 120000;
    std::size_t byteMassimi = 0; // a longer file is refused while it arrives; 0: no limit
};

struct EsitoTrasferimento {
    enum class Stato { Ok, Errore, Annullato };
    Stato stato = Stato::Errore;
    std::vector<std::uint8_t> dati;
    std::string errore;   // for the user, in Italian
    std::string dettagli; // the technical cause
};

/// The network client of the rate-set download (FTP, FTPS, HTTPS).
class ClientRete {
public:
    virtual ~ClientRete() = default;
    /// Starts a new download: drops a connection left open by an earlier one and forgets a cancel.
    virtual void azzera() = 0;
    virtual EsitoTrasferimento scarica(const Trasferimento& t) = 0;
    /// Stops the download under way, from any thread: the transfer ends within a second, and so
    /// does every later one until the next `azzera`.
    virtual void annulla() = 0;
};

/// A lock on a file, held until it is destroyed.
class BloccoFile {
public:
    virtual ~BloccoFile() = default;
};

/// What replacing a set of files safely needs beyond the standard library.
class Disco {
public:
    virtual ~Disco() = default;
    /// Flushes a file or a folder to the disk; false when it cannot.
    virtual bool sincronizza(const std::string& percorso) = 0;
    /// Waits for the lock of `file` (created when missing), shared by every process: exclusive for a
    /// writer, shared for a reader. Nothing when the lock file cannot be opened.
    virtual std::unique_ptr<BloccoFile> blocca(const std::string& file, bool esclusivo) = 0;
};

/// Opens zip archives (the official rate series is published as one CSV in a .zip).
class LettoreZip {
public:
    virtual ~LettoreZip() = default;
    /// The content of the archive's only CSV file (or of its only file); no value, with an Italian
    /// message in `errore`, when there is none, several, or it cannot be read.
    virtual std::optional<std::string> estraiCsv(std::string_view archivio, std::string& errore) const = 0;
};

/// One cell of a sheet as read: its text, and for a number cell its value (an amount, or a date as
/// its serial, days from 30/12/1899).
struct CellaFoglio {
    std::string testo;
    std::optional<double> numero;
};

/// The rows of a sheet or of a CSV file, read one at a time so that a long file takes little memory.
class RigheFoglio {
public:
    virtual ~RigheFoglio() = default;
    /// The next row and its number as a spreadsheet counts them; false after the last or at an error,
    /// which `errore` then says (in Italian).
    virtual bool prossima(std::vector<CellaFoglio>& celle, int& riga) = 0;
    virtual const std::string& errore() const = 0;
};

/// Reads the first sheet of an Excel workbook (.xlsx).
class LettoreXlsx {
public:
    virtual ~LettoreXlsx() = default;
    /// Null, with the reason in `errore` (Italian), when the file is no workbook that can be read.
    virtual std::unique_ptr<RigheFoglio> apri(const std::string& path, std::string& errore) const = 0;
};

/// A value of an SQL column or parameter: NULL, an integer, a real or a text.
using ValoreSql = std::variant<std::monostate, std::int64_t, double, std::string>;

/// What the database engine reported, thrown by the SQL services.
struct ErroreSql {
    std::string messaggio;
};

/// A prepared SQL statement, run again after `azzera` with new parameters.
class IstruzioneSql {
public:
    virtual ~IstruzioneSql() = default;
    virtual void lega(int posizione, const ValoreSql& v) = 0; // parameters from 1
    /// Runs to the next row of the result: true when one is ready.
    virtual bool passo() = 0;
    virtual ValoreSql colonna(int indice) const = 0; // from 0
    virtual void azzera() = 0;
};

/// One open database file. Every call throws ErroreSql when the engine fails.
class BancaDati {
public:
    virtual ~BancaDati() = default;
    /// Runs statements that return no rows.
    virtual void esegui(const std::string& sql) = 0;
    virtual std::unique_ptr<IstruzioneSql> prepara(const std::string& sql) = 0;
    virtual std::int64_t ultimoId() const = 0;
    virtual bool soloLettura() const = 0;
    /// Opened for reading only because another program holds the file for writing.
    virtual bool tenutaDaAltri() const = 0;
};

enum class ModoApertura {
    Crea,     // a new file; refused when one is there
    Modifica, // an existing file, held for writing by this program alone while open: when another
              // program holds it, it is opened for reading only and tenutaDaAltri() says so
    Lettura,  // an existing file, for reading only, without holding it
};

/// Opens database files (SQLite).
class ServizioBancheDati {
public:
    virtual ~ServizioBancheDati() = default;
    virtual std::unique_ptr<BancaDati> apri(const std::string& path, ModoApertura modo) = 0;
};

struct CartellaLavoro;
struct DatiGrafico;

/// Writes a workbook as an .xlsx file, replacing the file only when the whole of it is written.
class ScrittoreXlsx {
public:
    virtual ~ScrittoreXlsx() = default;
    /// The error text, empty on success.
    virtual std::string scrivi(const CartellaLavoro& c, const std::string& path) = 0;
};

/// Draws the chart of an account's quarters as a PNG picture.
class DisegnoGrafico {
public:
    virtual ~DisegnoGrafico() = default;
    /// The bytes of the picture, in pixels; empty when it cannot be drawn.
    virtual std::string png(const DatiGrafico& d, int larghezza, int altezza) = 0;
};

/// Makes printers that write PDF files.
class StampantiPdf {
public:
    virtual ~StampantiPdf() = default;
    /// Null when the file cannot be made there.
    virtual std::unique_ptr<Stampante> apri(const std::string& filePdf) = 0;
};

} // namespace vantrel

#pragma once

#include "common/dates.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// The program's title, carried by every message box that has no title of its own.
inline constexpr const char* kTitoloProgramma = "Vantrel";

enum class Icona { Nessuna, Informazione, Avviso, Critica, Domanda };
enum class Pulsanti { Ok, OkAnnulla };
enum class Risposta { Ok, Annulla };

/// One modal message or question box.
struct Messaggio {
    std::string titolo;
    std::string testo;
    Icona icona = Icona::Nessuna;
    Pulsanti pulsanti = Pulsanti::Ok;
    Risposta predefinita = Risposta::Ok;
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

/// The FTP client of the rate-set download.
class ClientFtp {
public:
    virtual ~ClientFtp() = default;
    virtual void azzera() = 0; // drops a connection left open by an earlier run
    virtual void host(const std::string& nome, int porta) = 0;
    virtual void utente(const std::string& nome) = 0;
    virtual void password(const std::string& parola) = 0;
    virtual bool connetti() = 0;
    virtual bool scarica(const std::string& remoto, const std::string& locale) = 0;
    virtual std::string ultimoErrore() const = 0;
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

#pragma once

#include "avvio_calcolatrice.h"
#include "common/servizi_simulati.h"
#include "dialogo_file_qt.h"
#include "ftp_in_attesa.h"
#include "grafico_pratica.h"
#include "messaggi_qt.h"
#include "platform/connessione.h"
#include "platform/disco_posix.h"
#include "platform/ftp_curl.h"
#include "platform/lettore_zip.h"
#include "platform/odt/scrittore_odt.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/lettore_xlsx_file.h"
#include "platform/xlsx/scrittore_xlsx_file.h"
#include "program/stato_programma.h"
#include "recalculation/tassi_pubblici.h"
#include "scelta_stampa_qt.h"
#include "stampante_dialogo.h"
#include "stampanti_pdf_qt.h"

#include <QPrinter>
#include <QString>
#include <memory>
#include <string>

namespace vantrel::gui {
class VistaPrincipale;
}

namespace vantrel::app {

/// Where the program keeps and proposes its files.
struct Cartelle {
    std::string programma; // settings, rate files, official series
    std::string report;    // proposed for reports and exports
    QString pdf;           // proposed for the PDF of each printout
};

/// What a test fixes instead of a person and the machine: the modal dialogs, today's date and whether
/// the network is up. Null: the program's own.
struct Risponditori {
    ServizioMessaggi* messaggi = nullptr;
    DialogoFile* file = nullptr;
    gui::SceltaStampa* stampa = nullptr;
    Orologio* orologio = nullptr;
    StatoConnessione* connessione = nullptr;
};

/// The desktop program put together: every platform service the windows use (message boxes, file
/// dialogs, the printer and its dialog, the calculator, the clock, the network, the disk, zip
/// archives, workbooks written and read, documents, the chart, PDF files, the case files), the context they share
/// and the main window. `vantrel` runs it; the composition test drives it, with its dialogs answered in advance.
class Programma {
public:
    explicit Programma(const Cartelle& cartelle, const Risponditori& r = {});
    ~Programma();
    Programma(const Programma&) = delete;
    Programma& operator=(const Programma&) = delete;

    gui::VistaPrincipale& finestra() { return *finestra_; }
    Contesto& contesto() { return ctx_; }

private:
    gui::MessaggiQt messaggi_;
    gui::DialogoFileQt file_;
    // "Imposta stampante" sets up this printer; each document then goes through the print dialog.
    QPrinter printer_{QPrinter::HighResolution};
    gui::SceltaStampaQt sceltaStampa_;
    std::unique_ptr<gui::StampanteDialogo> stampante_;
    gui::AvvioCalcolatrice calcolatrice_;
    OrologioDiSistema orologio_;
    FtpCurl reteCurl_;
    gui::FtpInAttesa rete_{reteCurl_}; // the window repaints while the server answers
    ConnessioneDiSistema connessione_;
    DiscoPosix disco_;
    LettoreZipZlib zip_;
    ScrittoreXlsxFile xlsx_;
    ScrittoreOdtFile odt_;
    gui::DisegnoGraficoQt grafico_;
    gui::StampantiPdfQt pdf_;
    BancheDatiSqlite sqlite_;
    LettoreXlsxFile lettoreXlsx_;
    VerificaTassiPubblici datiPubblici_;
    Contesto ctx_;
    std::unique_ptr<gui::VistaPrincipale> finestra_;
};

} // namespace vantrel::app

#include "applicazione.h"
#include "avvio_calcolatrice.h"
#include "common/scripted_services.h"
#include "dialogo_file_qt.h"
#include "finestra_principale.h"
#include "ftp_in_attesa.h"
#include "grafico_pratica.h"
#include "messaggi_qt.h"
#include "platform/connessione.h"
#include "platform/ftp_curl.h"
#include "platform/qt/stampante_qt.h"
#include "platform/xlsx/scrittore_xlsx_file.h"
#include "qt_testo.h"
#include "shell/cartella_programma.h"
#include "stampanti_pdf_qt.h"
#include "vista_taeg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// Ends the program at the first paint of the calculation window, printing the time since main
// began: the start-up time check of tools/tempo_avvio.sh, which times the whole process from outside.
class UscitaAlPrimoDisegno : public QObject {
public:
    explicit UscitaAlPrimoDisegno(const QElapsedTimer& orologio) : orologio_(orologio) {}
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !finito_) {
            finito_ = true;
            // After this paint has been delivered; no teardown, so the outside timing ends here.
            QTimer::singleShot(0, [this] {
                std::printf("calcolo T.E.G. disegnato dopo %lld ms dall'inizio di main\n",
                            static_cast<long long>(orologio_.elapsed()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    const QElapsedTimer& orologio_;
    bool finito_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    vantrel::gui::preparaApplicazione(app);
    // Ends the program as soon as the calculation window is on screen: a start-up time check.
    const bool uscitaDopoAvvio = QApplication::arguments().contains(QStringLiteral("--uscita-dopo-avvio"));

    vantrel::gui::MessaggiQt messaggi;
    vantrel::gui::DialogoFileQt file;
    // The printer chosen with "Imposta stampante" prints every document that follows.
    QPrinter printer(QPrinter::HighResolution);
    vantrel::qt::StampanteQt stampante(printer);
    vantrel::gui::AvvioCalcolatrice calcolatrice;
    vantrel::OrologioDiSistema data;
    vantrel::Contesto ctx;
    ctx.servizi.messaggi = &messaggi;
    ctx.servizi.file = &file;
    ctx.servizi.stampante = &stampante;
    ctx.servizi.processi = &calcolatrice;
    ctx.servizi.orologio = &data;
    vantrel::ScrittoreXlsxFile xlsx;
    vantrel::gui::DisegnoGraficoQt grafico;
    vantrel::gui::StampantiPdfQt pdf;
    ctx.servizi.xlsx = &xlsx;
    ctx.servizi.grafico = &grafico;
    ctx.servizi.pdf = &pdf;
    vantrel::FtpCurl ftpCurl;
    vantrel::gui::FtpInAttesa ftp(ftpCurl); // the window repaints while the server answers
    vantrel::ConnessioneDiSistema connessione;
    ctx.servizi.ftp = &ftp;
    ctx.servizi.connessione = &connessione;

    const auto cartella = vantrel::cartellaProgramma(vantrel::gui::ss(QCoreApplication::applicationDirPath()));
    vantrel::gui::FinestraPrincipale finestra(ctx, cartella.cartella.string(), &printer);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect r = schermo->availableGeometry();
        finestra.resize(std::min(r.width(), 1400), std::min(r.height(), 1050));
    }
    UscitaAlPrimoDisegno uscita(orologio);
    if (!finestra.modello().avvio()) return 0;
    if (uscitaDopoAvvio && finestra.taeg()) finestra.taeg()->installEventFilter(&uscita);
    return QApplication::exec();
}

#include "applicazione.h"
#include "avvio_calcolatrice.h"
#include "cartella_programma.h"
#include "common/scripted_services.h"
#include "dialogo_file_qt.h"
#include "finestra_principale.h"
#include "ftp_in_attesa.h"
#include "messaggi_qt.h"
#include "platform/connessione.h"
#include "platform/ftp_curl.h"
#include "qt_testo.h"
#include "stampante_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    vantrel::gui::preparaApplicazione(app);
    // Ends the program as soon as the calculation window is on screen: a start-up time check.
    const bool uscitaDopoAvvio = QApplication::arguments().contains(QStringLiteral("--uscita-dopo-avvio"));

    vantrel::gui::MessaggiQt messaggi;
    vantrel::gui::DialogoFileQt file;
    vantrel::gui::StampanteQt stampante;
    vantrel::gui::AvvioCalcolatrice calcolatrice;
    vantrel::OrologioDiSistema data;
    vantrel::Contesto ctx;
    ctx.servizi.messaggi = &messaggi;
    ctx.servizi.file = &file;
    ctx.servizi.stampante = &stampante;
    ctx.servizi.processi = &calcolatrice;
    ctx.servizi.orologio = &data;
    vantrel::FtpCurl ftpCurl;
    vantrel::gui::FtpInAttesa ftp(ftpCurl); // the window repaints while the server answers
    vantrel::ConnessioneDiSistema connessione;
    ctx.servizi.ftp = &ftp;
    ctx.servizi.connessione = &connessione;

    vantrel::gui::FinestraPrincipale finestra(ctx, vantrel::gui::ss(vantrel::gui::cartellaProgramma()),
                                              &stampante.printer());
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect r = schermo->availableGeometry();
        finestra.resize(std::min(r.width(), 1400), std::min(r.height(), 1050));
    }
    if (!finestra.modello().avvio()) return 0;
    if (uscitaDopoAvvio) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("calcolo T.E.G. mostrato dopo %lld ms\n", static_cast<long long>(orologio.elapsed()));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

// Opens the desktop program on a folder and fills one period check through the calculation
// window's controls, for screenshots of the program at work. With --mutuo it solves a loan on the
// "Mutuo" tab instead; with --usurari it opens the rate window as well; with --pratica FILE.csv it
// imports the quarters of an account and shows the account summary with its chart. With
// --cattura FILE.png it saves the whole calculation window as a picture and ends.
#include "applicazione.h"
#include "common/scripted_services.h"
#include "finestra_principale.h"
#include "grafico_pratica.h"
#include "legame_finestra.h"
#include "messaggi_qt.h"
#include "qt_testo.h"
#include "vista_taeg.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantrel::gui::preparaApplicazione(app);
    const QStringList args = QApplication::arguments();
    const QString cartella = args.size() > 1 ? args.at(1) : QStringLiteral(".");

    vantrel::gui::MessaggiQt messaggi;
    vantrel::OrologioDiSistema data;
    vantrel::RisposteProgrammate file;
    vantrel::gui::DisegnoGraficoQt grafico;
    vantrel::Contesto ctx;
    ctx.servizi.messaggi = &messaggi;
    ctx.servizi.orologio = &data;
    ctx.servizi.file = &file;
    ctx.servizi.grafico = &grafico;
    vantrel::gui::FinestraPrincipale finestra(ctx, vantrel::gui::ss(cartella));
    finestra.resize(1400, 1050);
    if (!finestra.modello().avvio()) return 0;

    vantrel::gui::LegameFinestra& l = finestra.taeg()->legame();
    vantrel::Finestra& f = l.finestra();
    if (const auto c = args.indexOf(QStringLiteral("--cattura")); c > 0 && c + 1 < args.size())
        QTimer::singleShot(2500, &finestra, [&finestra, percorso = args.at(c + 1)] {
            finestra.taeg()->grab().save(percorso);
            QApplication::quit();
        });
    if (args.contains(QStringLiteral("--usurari"))) {
        finestra.modello().clicca("SSCommand13");
        return QApplication::exec();
    }
    if (const auto i = args.indexOf(QStringLiteral("--pratica")); i > 0 && i + 1 < args.size()) {
        file.aggiungi(vantrel::gui::ss(args.at(i + 1)));
        ctx.servizi.messaggi = &file; // the note on the ignored columns would cover the table
        f.clicca("ImportaPeriodi");
        ctx.servizi.messaggi = &messaggi;
        l.aggiorna();
        return QApplication::exec();
    }
    if (args.contains(QStringLiteral("--mutuo"))) {
        finestra.taeg()->mostraScheda(2);
        for (auto [campo, valore] :
             {std::pair{"txtImporto", "100000"}, std::pair{"anniX", "10"}, std::pair{"txtTasso", "6"},
              std::pair{"SpesaUT", "1500"}, std::pair{"SpesaM", "5"}}) {
            f.incolla(campo, valore);
            f.esci(campo);
        }
        f.clicca("CmdCalcola");
        f.sopra("CmdCalcola");
        l.aggiorna();
        return QApplication::exec();
    }
    ctx.stato.MascheraImporti = "###,###,##0.00";
    f.seleziona("Combo1", 1);
    f.clicca("Command4");
    for (auto [campo, valore] : {std::pair{"NumeriD", "9125000"}, std::pair{"intDare", "250"},
                                 std::pair{"ComMS", "120"}, std::pair{"extrafido", "0"}, std::pair{"speseN", "50"},
                                 std::pair{"ComMS2", "0"}, std::pair{"ASpese", "15"}, std::pair{"Acc", "100000"}}) {
        f.incolla(campo, valore);
        f.esci(campo);
    }
    f.clicca("Command8");
    const char* formula = args.contains(QStringLiteral("--globale")) ? "Command9" : "OK";
    f.clicca(formula);
    f.sopra(formula);
    l.aggiorna();
    return QApplication::exec();
}

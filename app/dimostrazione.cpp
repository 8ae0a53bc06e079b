// Opens the desktop program on a folder and fills one period check through the calculation
// window's controls, for screenshots of the program at work. With --mutuo it solves a loan on the
// "Mutuo" tab instead; with --usurari it opens the rate window as well; with --soglie the window of
// the official thresholds, on an advance of 30.000 euro in February 2018; with --pratica FILE.csv it
// imports the quarters of an account and shows the account summary with its chart. With
// --cattura FILE.png it saves the whole calculation window as a picture and ends.
#include "applicazione.h"
#include "common/servizi_simulati.h"
#include "grafico_pratica.h"
#include "legame_finestra.h"
#include "messaggi_qt.h"
#include "qt_testo.h"
#include "vista_principale.h"
#include "vista_soglie_ufficiali.h"
#include "vista_taeg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <initializer_list>
#include <utility>

namespace {

using vantrel::Finestra;
using vantrel::gui::VistaPrincipale;

void riempi(Finestra& f, std::initializer_list<std::pair<const char*, const char*>> campi) {
    for (const auto& [campo, valore] : campi) {
        f.incolla(campo, valore);
        f.esci(campo);
    }
}

// The official thresholds of an advance of 30.000 euro in February 2018.
int soglie(VistaPrincipale& finestra) {
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        finestra.resize(schermo->availableGeometry().size()); // the whole screen, as small as it is
    finestra.modello().clicca("SSCommand27");
    auto* v = qobject_cast<vantrel::gui::VistaSoglieUfficiali*>(finestra.vista(vantrel::TipoFinestra::SoglieUfficiali));
    if (!v) return 1;
    vantrel::SoglieUfficiali& s = v->modello();
    s.incolla("txtData", "20/02/2018");
    const auto& categorie = s["cboCategoria"].voci;
    for (std::size_t i = 0; i < categorie.size(); ++i)
        if (categorie[i].starts_with("ANTICIPI")) s.seleziona("cboCategoria", static_cast<int>(i));
    riempi(s, {{"txtImporto", "30000"}});
    v->aggiorna();
    v->parentWidget()->showMaximized();
    return QApplication::exec();
}

// A loan of 100.000 at 6 % over ten years, then its usury check as a mortgage signed in January 2026
// with insurance.
void mutuo(VistaPrincipale& finestra, Finestra& f) {
    finestra.taeg()->mostraScheda(2);
    riempi(f, {{"txtImporto", "100000"}, {"anniX", "10"}, {"txtTasso", "6"}, {"SpesaUT", "1500"}, {"SpesaM", "5"}});
    f.clicca("CmdCalcola");
    riempi(f, {{"txtDataContratto", "15/01/2026"}, {"txtAssicurazione", "2000"}, {"txtTassoMora", "9"}});
    f.clicca("cmdVerificaUsura");
    f.sopra("CmdCalcola");
}

// One quarter of an account, checked with the Bank of Italy formula or, with --globale, the global one.
void periodo(vantrel::Contesto& ctx, Finestra& f, bool globale) {
    ctx.stato.mascheraImporti = "###,###,##0.00";
    f.seleziona("Combo1", 1);
    f.clicca("Command4");
    riempi(f, {{"NumeriD", "9125000"},
               {"intDare", "250"},
               {"ComMS", "120"},
               {"extrafido", "0"},
               {"speseN", "50"},
               {"ComMS2", "0"},
               {"ASpese", "15"},
               {"Acc", "100000"}});
    f.clicca("Command8");
    const char* formula = globale ? "Command9" : "OK";
    f.clicca(formula);
    f.sopra(formula);
}

} // namespace

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
    VistaPrincipale finestra(ctx, vantrel::gui::ss(cartella));
    if (!finestra.modello().avvio()) return 0;

    vantrel::gui::LegameFinestra& l = finestra.taeg()->legame();
    Finestra& f = l.finestra();
    if (const auto c = args.indexOf(QStringLiteral("--cattura")); c > 0 && c + 1 < args.size())
        QTimer::singleShot(2500, &finestra, [&finestra, percorso = args.at(c + 1)] {
            finestra.taeg()->grab().save(percorso);
            QApplication::quit();
        });
    if (args.contains(QStringLiteral("--usurari"))) {
        finestra.modello().clicca("SSCommand13");
        return QApplication::exec();
    }
    if (args.contains(QStringLiteral("--soglie"))) return soglie(finestra);
    if (const auto i = args.indexOf(QStringLiteral("--pratica")); i > 0 && i + 1 < args.size()) {
        file.aggiungi(vantrel::gui::ss(args.at(i + 1)));
        ctx.servizi.messaggi = &file; // the note on the ignored columns would cover the table
        f.clicca("ImportaPeriodi");
        ctx.servizi.messaggi = &messaggi;
    } else if (args.contains(QStringLiteral("--mutuo"))) {
        mutuo(finestra, f);
    } else {
        periodo(ctx, f, args.contains(QStringLiteral("--globale")));
    }
    l.aggiorna();
    return QApplication::exec();
}

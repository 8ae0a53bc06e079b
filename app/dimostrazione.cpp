// Opens the desktop program on a folder and fills one period check through the calculation
// window's controls, for screenshots of the program at work. With --mutuo it solves a loan on the
// "Mutuo" tab instead; with --usurari it opens the rate window as well; with --soglie the window of
// the official thresholds, on an advance of 30.000 euro in February 2018; with --pratica FILE.csv it
// imports the quarters of an account and shows the account summary with its chart. With
// --cattura FILE.png it saves the whole calculation window as a picture and ends.
#include "applicazione.h"
#include "composizione.h"
#include "legame_finestra.h"
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

using vantrel::controlli;
using vantrel::Finestra;
using vantrel::gui::VistaPrincipale;

void riempi(Finestra& f, std::initializer_list<std::pair<int, const char*>> campi) {
    for (const auto& [campo, valore] : campi) {
        f.incolla(campo, valore);
        f.esci(campo);
    }
}

// The official thresholds of an advance of 30.000 euro in February 2018.
int soglie(VistaPrincipale& finestra) {
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        finestra.resize(schermo->availableGeometry().size()); // the whole screen, as small as it is
    const auto& principale = controlli<vantrel::ControlliPrincipale>(finestra.modello().schema());
    finestra.modello().clicca(principale.pulsanteSoglieUfficiali);
    auto* v = qobject_cast<vantrel::gui::VistaSoglieUfficiali*>(finestra.vista(vantrel::TipoFinestra::SoglieUfficiali));
    if (!v) return 1;
    vantrel::SoglieUfficiali& s = v->modello();
    const auto& c = controlli<vantrel::ControlliSoglieUfficiali>(s.schema());
    s.incolla(c.data, "20/02/2018");
    const auto& categorie = s[c.categoria].voci;
    for (std::size_t i = 0; i < categorie.size(); ++i)
        if (categorie[i].starts_with("ANTICIPI")) s.seleziona(c.categoria, static_cast<int>(i));
    riempi(s, {{c.importo, "30000"}});
    v->aggiorna();
    v->parentWidget()->showMaximized();
    return QApplication::exec();
}

// A loan of 100.000 at 6 % over ten years, then its usury check as a mortgage signed in January 2026
// with insurance.
void mutuo(VistaPrincipale& finestra, Finestra& f) {
    finestra.taeg()->mostraScheda(2);
    const auto& m = controlli<vantrel::ControlliMutuo>(f.schema());
    const auto& u = controlli<vantrel::ControlliVerificaUsura>(f.schema());
    riempi(
        f,
        {{m.importo, "100000"}, {m.anni, "10"}, {m.tassoAnnuo, "6"}, {m.speseIniziali, "1500"}, {m.spesePerRata, "5"}});
    f.clicca(m.calcola);
    riempi(f, {{u.dataContratto, "15/01/2026"}, {u.assicurazione, "2000"}, {u.tassoMora, "9"}});
    f.clicca(u.verifica);
    f.sopra(m.calcola);
}

// One quarter of an account, checked with the Bank of Italy formula or, with --globale, the global one.
void periodo(vantrel::Contesto& ctx, Finestra& f, bool globale) {
    ctx.stato.mascheraImporti = "###,###,##0.00";
    const auto& c = controlli<vantrel::ControlliTeg>(f.schema());
    f.seleziona(c.anno, 1);
    f.clicca(c.terzoTrimestre);
    riempi(f, {{c.numeriDebitori, "9125000"},
               {c.interessiDare, "250"},
               {c.cmsInteressi, "120"},
               {c.altriInteressi, "0"},
               {c.spese, "50"},
               {c.cmsSpese, "0"},
               {c.altriOneri, "15"},
               {c.accordato, "100000"}});
    f.clicca(c.calcolaGiorni);
    const int formula = globale ? c.calcolaGlobale : c.calcolaBancaItalia;
    f.clicca(formula);
    f.sopra(formula);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantrel::gui::preparaApplicazione(app);
    const QStringList args = QApplication::arguments();
    const QString cartella = args.size() > 1 ? args.at(1) : QStringLiteral(".");

    // The program's own services, the file dialogs answered in advance.
    vantrel::RisposteProgrammate file;
    const std::string dati = vantrel::gui::ss(cartella);
    vantrel::app::Programma programma({dati, dati, cartella}, {.file = &file});
    vantrel::Contesto& ctx = programma.contesto();
    vantrel::ServizioMessaggi* messaggi = ctx.servizi.messaggi;
    VistaPrincipale& finestra = programma.finestra();
    if (!finestra.modello().avvio()) return 0;

    vantrel::gui::LegameFinestra& l = finestra.taeg()->legame();
    Finestra& f = l.finestra();
    if (const auto c = args.indexOf(QStringLiteral("--cattura")); c > 0 && c + 1 < args.size())
        QTimer::singleShot(2500, &finestra, [&finestra, percorso = args.at(c + 1)] {
            finestra.taeg()->grab().save(percorso);
            QApplication::quit();
        });
    if (args.contains(QStringLiteral("--usurari"))) {
        finestra.modello().clicca(controlli<vantrel::ControlliPrincipale>(finestra.modello().schema()).pulsanteTassi);
        return QApplication::exec();
    }
    if (args.contains(QStringLiteral("--soglie"))) return soglie(finestra);
    if (const auto i = args.indexOf(QStringLiteral("--pratica")); i > 0 && i + 1 < args.size()) {
        file.aggiungi(vantrel::gui::ss(args.at(i + 1)));
        ctx.servizi.messaggi = &file; // the note on the ignored columns would cover the table
        f.clicca(controlli<vantrel::ControlliPratica>(f.schema()).importaPeriodi);
        ctx.servizi.messaggi = messaggi;
    } else if (args.contains(QStringLiteral("--mutuo"))) {
        mutuo(finestra, f);
    } else {
        periodo(ctx, f, args.contains(QStringLiteral("--globale")));
    }
    l.aggiorna();
    return QApplication::exec();
}

// The program as `vantrel` puts it together: every menu entry, tool-bar button and button of every
// window and tab, pressed once in the order of comandi_programma.tsv, with the dialogs answered in
// advance. A step fails when it shows a "non disponibile" message, changes nothing, leaves an answer
// unused or misses what the list expects; an export is read back as its user would open it.
#include "ambiente_prova.h"
#include "composizione.h"
#include "legame_finestra.h"
#include "qt_testo.h"
#include "support/leggi_xlsx.h"
#include "vista_principale.h"
#include "vista_taeg.h"

#include <QAction>
#include <QDialog>
#include <QDirIterator>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QToolButton>
#include <map>
#include <set>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

namespace {

/// One row of the list: in the window whose model is `finestra`, `comando` is pressed (a control or
/// a menu entry) or is a step that prepares the next ones (`scrivi:NOME=TESTO`, `scegli:NOME=RIGA`,
/// `doppio:NOME=RIGA`, `chiudi`, `riduci`); `risposte` answer its dialogs; `atteso` is what it leaves
/// (several joined by " & ").
struct Passo {
    int riga = 0;
    QString finestra, comando;
    QStringList risposte;
    QString atteso;
};

std::vector<Passo> leggiPassi(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("manca %s", qPrintable(file));
    std::vector<Passo> passi;
    for (int n = 1; !f.atEnd(); ++n) {
        const QString riga = QString::fromUtf8(f.readLine()).trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#'))) continue;
        const QStringList c = riga.split(QLatin1Char('\t'));
        if (c.size() != 4) qFatal("%s:%d: quattro colonne separate da tabulazioni", qPrintable(file), n);
        passi.push_back(
            {n, c[0], c[1], c[2] == QLatin1String("-") ? QStringList() : c[2].split(QLatin1Char(' ')), c[3]});
    }
    return passi;
}

// The sheets of a workbook, then the first cell and the number of rows of each: "Foglio:A1:righe;...".
QString leggiCartella(const QString& file) {
    return qs(leggiXlsx(ss(file), "print(';'.join('%s:%s:%d' % (s.title, s['A1'].value, s.max_row) "
                                  "for s in wb.worksheets))"))
        .trimmed();
}

} // namespace

class ProvaComposizione : public QObject {
    Q_OBJECT

    // The folder of an installed program: the default rate set and the official series.
    AmbienteProva ambiente{true};
    RisposteProgrammate& risposte = ambiente.risposte;
    QString programma, documenti, comandi;
    SceltaProgrammata stampa;
    struct Collegata : StatoConnessione {
        bool connessioneAttiva() override { return true; }
    } rete;
    QTcpServer muto;
    std::unique_ptr<app::Programma> p;
    std::set<QString> premuti; // "finestra comando" of every command pressed
    QStringList modali;        // titles of the modal dialogs the test closed

    VistaPrincipale& principale() { return p->finestra(); }

    // The binding of the window whose model is named `nome`: the active one when several are open.
    LegameFinestra* legame(const QString& nome) {
        LegameFinestra* trovato = nullptr;
        for (QWidget* w : QApplication::allWidgets())
            for (auto* l : w->findChildren<LegameFinestra*>(Qt::FindDirectChildrenOnly))
                if (qs(l->finestra().schema().finestra()) == nome && w->isVisible()) {
                    QMdiSubWindow* sub = principale().area()->activeSubWindow();
                    if (!trovato || (sub && sub->isAncestorOf(w))) trovato = l;
                }
        return trovato;
    }
    QWidget* vista(LegameFinestra* l) { return qobject_cast<QWidget*>(l->parent()); }

    // Everything a command can change: windows, their places, every control, the boxes shown,
    // the dialogs asked and the files written.
    QString impronta() {
        QStringList s;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) s << w->windowTitle();
        for (QMdiSubWindow* sub : principale().area()->subWindowList())
            s << sub->windowTitle() << QString::number(sub->isMinimized()) << QString::number(sub->x())
              << QString::number(sub->y()) << QString::number(sub->width()) << QString::number(sub->height())
              << QString::number(sub == principale().area()->activeSubWindow());
        for (QWidget* w : QApplication::allWidgets())
            for (auto* l : w->findChildren<LegameFinestra*>(Qt::FindDirectChildrenOnly)) {
                const Finestra& f = l->finestra();
                for (std::size_t i = 0; i < f.schema().dimensione(); ++i) {
                    const Controllo& c = f[static_cast<int>(i)];
                    s << qs(c.testo) << QString::number(c.selezione) << QString::number(c.abilitato)
                      << QString::number(c.visibile) << QString::number(c.selezionato);
                    for (const auto& v : c.voci)
                        s << qs(v);
                }
            }
        s << QString::number(risposte.mostrati().size()) << QString::number(stampa.proposti.size())
          << QString::number(modali.size());
        for (const QString& cartella : {documenti, programma})
            for (QDirIterator it(cartella, QDir::Files); it.hasNext();) {
                const QFileInfo f(it.next());
                s << f.fileName() << QString::number(f.size()) << f.lastModified().toString(Qt::ISODateWithMs);
            }
        return s.join(QLatin1Char('\n'));
    }

    // Brings the control in sight: its window in front, its tab shown, scrolled into view.
    void mostra(QWidget* w) {
        for (QWidget* a = w->parentWidget(); a; a = a->parentWidget()) {
            if (auto* t = qobject_cast<QTabWidget*>(a))
                for (int k = 0; k < t->count(); ++k)
                    if (t->widget(k)->isAncestorOf(w)) t->setCurrentIndex(k);
            if (auto* sub = qobject_cast<QMdiSubWindow*>(a)) {
                if (sub->isMinimized()) sub->showNormal();
                principale().area()->setActiveSubWindow(sub);
            }
        }
        for (QWidget* a = w->parentWidget(); a; a = a->parentWidget())
            if (auto* s = qobject_cast<QScrollArea*>(a)) s->ensureWidgetVisible(w);
    }

    void rispondi(const QStringList& r) {
        const std::map<QString, Risposta> pulsanti{
            {"ok", Risposta::Ok}, {"si", Risposta::Si}, {"no", Risposta::No}, {"annulla", Risposta::Annulla}};
        for (const QString& a : r) {
            const QString valore = a.section(QLatin1Char(':'), 1);
            if (pulsanti.contains(a))
                risposte.aggiungi(pulsanti.at(a));
            else if (a.startsWith(QLatin1String("file:")))
                risposte.aggiungi(ss(
                    valore.startsWith(QLatin1String("ESEMPI/")) ? QStringLiteral(VANTREL_EXAMPLES_DIR) + valore.mid(6)
                    : valore.startsWith(QLatin1String("PROGRAMMA/")) ? programma + valore.mid(9)
                                                                     : QDir(documenti).filePath(valore)));
            else if (a.startsWith(QLatin1String("stampa:")))
                stampa.risposte.push_back(QDir(documenti).filePath(valore));
            else if (a.startsWith(QLatin1String("poi:")))
                continue;
            else
                QFAIL(qPrintable(QStringLiteral("risposta sconosciuta: ") + a));
        }
    }

    // A step that prepares the next ones: typing, choosing a line, closing or reducing a window.
    bool prepara(const Passo& s, LegameFinestra* l) {
        const QString tipo = s.comando.section(QLatin1Char(':'), 0, 0);
        const QString nome = s.comando.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
        const QString valore = s.comando.section(QLatin1Char('='), 1);
        Finestra& f = l->finestra();
        if (tipo == QLatin1String("scrivi")) {
            QWidget* w = l->widget(f.schema().id(ss(nome)));
            mostra(w);
            w->setFocus();
            QTest::keyClicks(w, valore);
            QTest::keyClick(w, Qt::Key_Tab);
        } else if (tipo == QLatin1String("scegli")) {
            f.seleziona(ss(nome), valore.toInt());
            l->aggiorna();
        } else if (tipo == QLatin1String("doppio")) {
            f.doppioClic(ss(nome), valore.toInt());
            l->aggiorna();
        } else if (tipo == QLatin1String("chiudi") || tipo == QLatin1String("riduci")) {
            QWidget* v = vista(l);
            auto* sub = qobject_cast<QMdiSubWindow*>(v->parentWidget());
            if (tipo == QLatin1String("riduci") && sub) {
                sub->showMinimized();
                sub->move(principale().area()->width() / 2, principale().area()->height() / 3);
            } else {
                (sub ? static_cast<QWidget*>(sub) : v)->close();
            }
        } else {
            return false;
        }
        QTest::qWait(20);
        return true;
    }

    // Presses a control of the window, or triggers its menu entry of that name; false when there is none.
    bool premi(LegameFinestra* l, const QString& nome) {
        QWidget* v = vista(l);
        const int id = l->finestra().schema().trova(ss(nome));
        if (auto* b = id >= 0 ? l->w<QAbstractButton>(id) : nullptr) {
            mostra(b);
            if (!b->isEnabled() || !b->isVisible()) return false;
            QTest::mouseClick(b, Qt::LeftButton);
            return true;
        }
        for (QAction* a : v->findChildren<QAction*>(nome))
            if (a->isEnabled()) {
                a->trigger();
                return true;
            }
        return false;
    }

    // Waits for what a command starts from the event loop: the checks of an import, deferred closes.
    void aspetta() {
        QTest::qWait(30);
        for (int k = 0; k < 1000 && principale().taeg() && principale().taeg()->modello().pratica().inCorso(); ++k)
            QTest::qWait(10);
    }

    void controllaFile(const QString& nome, const QString& contenuto) {
        const QString file = QDir(documenti).filePath(nome);
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo(file).size() > 0, qPrintable(QStringLiteral("manca ") + nome), 3000);
        QString letto;
        if (nome.endsWith(QLatin1String(".xlsx")))
            letto = leggiCartella(file);
        else if (nome.endsWith(QLatin1String(".pdf")))
            letto = qs(uscitaDi("pdftotext -layout '" + ss(file) + "' -")) +
                    (qs(uscitaDi("pdfimages -list '" + ss(file) + "'")).count(QLatin1Char('\n')) > 2
                         ? QStringLiteral("[immagine]")
                         : QString());
        else if (nome.endsWith(QLatin1String(".png")))
            letto = QStringLiteral("%1x%2").arg(QImage(file).width()).arg(QImage(file).height());
        else // a text, or the mark of a program started without waiting, which may still come
            QTRY_VERIFY2_WITH_TIMEOUT(
                (letto = QString::fromLatin1(leggiTesto(ss(file)))).contains(contenuto.section(QLatin1Char('|'), 0, 0)),
                qPrintable(nome + QStringLiteral(":\n") + letto.left(2000)), 3000);
        for (const QString& parte : contenuto.split(QLatin1Char('|'), Qt::SkipEmptyParts))
            QVERIFY2(letto.contains(parte), qPrintable(nome + QStringLiteral(" non contiene \"") + parte +
                                                       QStringLiteral("\":\n") + letto.left(2000)));
    }

    void controllaAtteso(const QString& atteso) {
        const QString tipo = atteso.section(QLatin1Char(':'), 0, 0), arg = atteso.section(QLatin1Char(':'), 1);
        if (tipo == QLatin1String("file")) {
            controllaFile(arg.section(QLatin1Char(':'), 0, 0), arg.section(QLatin1Char(':'), 1));
        } else if (tipo == QLatin1String("finestra")) {
            bool aperta = false;
            QStringList titoli;
            for (QWidget* w : QApplication::topLevelWidgets())
                aperta |= w->isVisible() && w->windowTitle() == arg;
            for (QMdiSubWindow* sub : principale().area()->subWindowList()) {
                aperta |= sub->isVisible() && sub->windowTitle() == arg;
                titoli << sub->windowTitle();
            }
            QVERIFY2(aperta, qPrintable(QStringLiteral("non si apre ") + arg + QStringLiteral(" (aperte: ") +
                                        titoli.join(QStringLiteral(", ")) + QLatin1Char(')')));
        } else if (tipo == QLatin1String("chiusa")) {
            QVERIFY2(!legame(arg), qPrintable(QStringLiteral("resta aperta ") + arg));
        } else if (tipo == QLatin1String("messaggio")) {
            QVERIFY2(!risposte.mostrati().empty() && qs(risposte.mostrati().back().testo).contains(arg),
                     qPrintable(QStringLiteral("nessun messaggio \"") + arg + QLatin1Char('"')));
        } else if (tipo == QLatin1String("modale")) {
            QVERIFY2(modali.contains(arg), qPrintable(QStringLiteral("nessun dialogo ") + arg));
        } else if (tipo == QLatin1String("testo")) {
            const QString finestra = arg.section(QLatin1Char('.'), 0, 0), campo = arg.section(QLatin1Char('.'), 1);
            LegameFinestra* l = legame(finestra);
            QVERIFY(l);
            QCOMPARE(qs(l->finestra()[ss(campo.section(QLatin1Char('='), 0, 0))].testo),
                     campo.section(QLatin1Char('='), 1));
        } else if (tipo == QLatin1String("fine")) {
            QVERIFY2(principale().terminata(), "il programma non è terminato");
        } else if (tipo != QLatin1String("cambia")) {
            QFAIL(qPrintable(QStringLiteral("atteso sconosciuto: ") + atteso));
        }
    }

    // The window a widget or menu entry belongs to: the nearest view bound to a model.
    QString finestraDi(QObject* o) {
        for (; o; o = o->parent())
            if (auto* l = o->findChild<LegameFinestra*>(QString(), Qt::FindDirectChildrenOnly))
                return qs(l->finestra().schema().finestra());
        return {};
    }

    // Every command on screen now: the named buttons of the windows (not those inside Qt's own
    // widgets, as the arrows of a tab bar) and the entries of their menus; a button or menu entry
    // hidden (a recent case not there, the "Annulla" of a work not running) is not on screen.
    void raccogli(std::set<QString>& visti) {
        for (QWidget* w : QApplication::allWidgets()) {
            const bool pulsante = qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w);
            if (pulsante && !w->isHidden() && !w->objectName().isEmpty() &&
                !w->objectName().startsWith(QLatin1String("qt_")) && !qobject_cast<QTabBar*>(w->parentWidget()))
                visti.insert(finestraDi(w) + QLatin1Char(' ') + w->objectName());
            for (QAction* a : w->actions())
                if (a->isVisible() && !a->objectName().isEmpty() && !a->objectName().startsWith(QLatin1String("qt_")))
                    visti.insert(finestraDi(w) + QLatin1Char(' ') + a->objectName());
        }
    }

    // "poi:NOME": once the command waits (a download), NOME of the same window is pressed as soon as
    // it can take the click.
    void premiDurante(LegameFinestra* l, const QString& nome, QTimer& t) {
        QObject::connect(&t, &QTimer::timeout, this, [this, l, nome, &t] {
            const int id = l->finestra().schema().trova(ss(nome));
            auto* b = id >= 0 ? l->w<QAbstractButton>(id) : vista(l)->findChild<QAbstractButton*>(nome);
            if (!b || !b->isVisible() || !b->isEnabled()) return;
            t.stop();
            QTest::mouseClick(b, Qt::LeftButton);
            premuti.insert(qs(l->finestra().schema().finestra()) + QLatin1Char(' ') + nome);
        });
        t.start(50);
    }

private slots:
    void initTestCase() {
        preparaProva();
        programma = QDir::cleanPath(qs(ambiente.dir.cartella()));
        documenti = ambiente.file("documenti");
        QDir().mkpath(documenti);
        // A rate server that takes the connection and never answers: the download waits until it is
        // cancelled. The system calculator is a script that leaves a mark.
        QVERIFY(muto.listen(QHostAddress::LocalHost));
        scriviTesto(ambiente.dir.file("ServerTassi.ini"),
                    "tipo=https\nindirizzo=https://127.0.0.1:" + std::to_string(muto.serverPort()) +
                        "/serie.zip\nsecondi_massimi=30\n");
        const QString bin = ambiente.file("bin");
        QDir().mkpath(bin);
        const QString calcolatrice = QDir(bin).filePath(QStringLiteral("gnome-calculator")); // the first one looked for
        scriviTesto(ss(calcolatrice),
                    "#!/bin/sh\nprintf x >>\"$(dirname \"$0\")/../documenti/calcolatrice-avviata\"\n");
        QVERIFY(QFile::setPermissions(calcolatrice, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("PATH", bin.toLocal8Bit() + ':' + qgetenv("PATH"));
        comandi = QStringLiteral(VANTREL_TEST_GUI_DIR "/comandi_programma.tsv");

        p = std::make_unique<app::Programma>(
            app::Cartelle{ss(programma), ss(documenti), documenti},
            app::Risponditori{&risposte, &risposte, &stampa, &ambiente.orologio, &rete});
        QVERIFY(principale().modello().avvio());
        QVERIFY(p->contesto().servizi.datiPubblici); // the rate update refreshes the public rates too
    }

    // A file that is not a report, opened in the report manager: a message says why, and the list,
    // the printer and the files stay as they were.
    void unFileCheNonEUnReportNonSiApre() {
        const QString vuoto = QDir(documenti).filePath(QStringLiteral("vuoto.RKT"));
        scriviTesto(ss(vuoto), "");
        QVERIFY(premi(legame(QStringLiteral("MDIForm1")), QStringLiteral("SSCommand11")));
        QTest::qWait(200); // the new window settles in the area
        LegameFinestra* l = legame(QStringLiteral("STP2"));
        QVERIFY(l);
        const struct {
            QString file, perche;
        } casi[] = {
            {QDir(programma).filePath(QStringLiteral("NtassiU.dat")),
             QStringLiteral("contiene dati che non sono testo")},
            {vuoto, QStringLiteral("è vuoto")},
        };
        for (const auto& c : casi) {
            risposte.dimentica();
            const QString prima = impronta();
            risposte.aggiungi(ss(c.file));
            QVERIFY(premi(l, QStringLiteral("Command3D2")));
            aspetta();
            QCOMPARE(risposte.rimaste(), std::size_t{0});
            QCOMPARE(risposte.mostrati().size(), std::size_t{1});
            QVERIFY2(qs(risposte.mostrati().back().testo).contains(QStringLiteral("non è un report: ") + c.perche),
                     risposte.mostrati().back().testo.c_str());
            risposte.dimentica();
            QCOMPARE(impronta(), prima); // the windows, the list, the printer and the files
        }
        QCOMPARE(stampa.proposti, QStringList());
        qobject_cast<QMdiSubWindow*>(vista(l)->parentWidget())->close();
    }

    void ogniComandoFaQuelloCheDice() {
        std::set<QString> visti;
        // Modal dialogs of Qt's own (the printer set-up) are closed as soon as they open.
        QTimer chiudiModali;
        connect(&chiudiModali, &QTimer::timeout, this, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                modali << d->windowTitle();
                d->reject();
            }
        });
        chiudiModali.start(20);
        for (const Passo& s : leggiPassi(comandi)) {
            const QByteArray dove =
                (QFileInfo(comandi).fileName() + QStringLiteral(":%1 ").arg(s.riga) + s.finestra + ' ' + s.comando)
                    .toUtf8();
            raccogli(visti);
            LegameFinestra* l = legame(s.finestra);
            QVERIFY2(l, dove + " finestra non aperta");
            const QString prima = impronta();
            const std::size_t mostrati = risposte.mostrati().size();
            rispondi(s.risposte);
            QTimer durante;
            for (const QString& r : s.risposte)
                if (r.startsWith(QLatin1String("poi:"))) premiDurante(l, r.mid(4), durante);
            if (!prepara(s, l)) {
                QVERIFY2(premi(l, s.comando), dove + " comando assente, nascosto o disabilitato");
                premuti.insert(s.finestra + QLatin1Char(' ') + s.comando);
            }
            aspetta();
            QVERIFY2(!durante.isActive(), dove + " non aspetta");
            for (std::size_t k = mostrati; k < risposte.mostrati().size(); ++k)
                QVERIFY2(!qs(risposte.mostrati()[k].testo).contains(QStringLiteral("non disponibile")) &&
                             !qs(risposte.mostrati()[k].testo).contains(QStringLiteral("non è disponibile")),
                         dove + " " + risposte.mostrati()[k].testo.c_str());
            QVERIFY2(risposte.rimaste() == 0 && stampa.risposte.empty(), dove + " risposte non usate");
            for (const QString& a : s.atteso.split(QStringLiteral(" & ")))
                controllaAtteso(a);
            QVERIFY2(QTest::currentTestFailed() || impronta() != prima, dove + " non fa nulla");
            if (QTest::currentTestFailed()) {
                qWarning("%s", dove.constData());
                return;
            }
            if (principale().terminata()) break;
        }
        QVERIFY2(principale().terminata(), "the list ends with the program's exit");
        // Every command the program showed is in the list.
        QStringList mancanti;
        for (const QString& c : visti)
            if (!premuti.contains(c)) mancanti << c;
        QVERIFY2(mancanti.isEmpty(), qPrintable(QStringLiteral("comandi non provati: ") + mancanti.join(", ")));
    }

    void cleanupTestCase() { p.reset(); }
};

QTEST_MAIN(ProvaComposizione)
#include "composizione_test.moc"

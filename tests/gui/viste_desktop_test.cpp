// The desktop program: login, exit, one window per kind, settings, the summary window, printing
// through the print dialog, the window menu and the questions before rows are lost.
#include "ambiente_prova.h"
#include "qt_testo.h"
#include "scelta_stampa_qt.h"
#include "shell/impostazioni.h"
#include "stampante_dialogo.h"
#include "vista_accesso.h"
#include "vista_calendario.h"
#include "vista_generica.h"
#include "vista_impostazioni.h"
#include "vista_principale.h"
#include "vista_taeg.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QTextBrowser>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

namespace {

/// A program with the desktop's printer on a scripted dialog, PDFs proposed in its own folder.
struct Desktop : test::AmbienteProva {
    Desktop() : stampante(impostazioni, scelta, risposte, documenti.path()), m(ctx, dir.cartella(), &impostazioni) {
        ctx.servizi.stampante = &stampante;
        if (!m.modello().avvio()) qFatal("avvio non riuscito");
    }
    QString pdf(const char* nome) const { return documenti.filePath(QLatin1String(nome)); }
    bool inizioPdf(const char* nome) const { return leggiTesto(ss(pdf(nome))).starts_with("%PDF-"); }

    QTemporaryDir documenti;
    QPrinter impostazioni{QPrinter::HighResolution};
    SceltaProgrammata scelta;
    StampanteDialogo stampante;
    VistaPrincipale m;
};

// One attempt on the login dialog: user name, Enter, which moves to the password, password, Enter
// (which confirms, as OK does).
void tentativo(VistaAccesso& d, const QString& utente, const QString& password) {
    trova(d, "txtUserName")->setFocus();
    for (const auto& [campo, testo] : {std::pair{"txtUserName", utente}, std::pair{"txtPassword", password}}) {
        auto* e = trova<QLineEdit>(d, campo);
        QTRY_COMPARE(QApplication::focusWidget(), e);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, testo);
        QTest::keyClick(e, Qt::Key_Return);
    }
}

} // namespace

class ProvaVisteDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { preparaProva(); }

    void ilRiepilogoSiApreUnaVoltaEStampa() {
        Desktop d;
        VistaTaeg& t = *d.m.taeg();
        const int prima = static_cast<int>(d.m.area()->subWindowList().size());
        for (int k = 0; k < 2; ++k)
            clicca(t, "SSCommand2");
        QCOMPARE(d.m.area()->subWindowList().size(), prima + 1);
        VistaGenerica* r = t.riepilogo();
        QVERIFY(r);
        QCOMPARE(d.m.area()->activeSubWindow()->widget(), r);
        QVERIFY(trova<QListWidget>(*r, "List1")->count() > 43); // the summary, then its threshold chain

        d.scelta.risposte = {d.pdf("riepilogo-calcolo.pdf")};
        clicca(*r, "Stampa");
        QCOMPARE(d.scelta.proposti, QStringList{"riepilogo-calcolo.pdf"});

        clicca(*r, "SSCommand2"); // its own "Chiudi"
        QTRY_VERIFY(!t.riepilogo());
        QCOMPARE(d.m.area()->subWindowList().size(), prima);
        clicca(t, "SSCommand2");
        QVERIFY(t.riepilogo());
    }

    // Each document proposes its own PDF and its own orientation, whatever was printed before it, and
    // the copies, collation and colour of the printer set-up (a PDF has no sides to choose); a failed
    // print, and a PDF already there.
    void ogniDocumentoSiStampaDalDialogo() {
        Desktop d;
        d.impostazioni.setCopyCount(2);
        d.impostazioni.setCollateCopies(false);
        d.impostazioni.setColorMode(QPrinter::GrayScale);
        VistaTaeg& t = *d.m.taeg();
        Taeg& w = t.modello();
        w.incolla("txtImporto", "10000");
        w.incolla("txtNumRate", "12");
        w.incolla("txtTasso", "5");
        w.clicca("CmdCalcola");
        d.m.modello().clicca("SSCommand11");
        auto* stp2 = qobject_cast<VistaGenerica*>(d.m.vista(TipoFinestra::GestoreReport));
        QVERIFY(stp2);
        d.scelta.risposte = {d.pdf("a.pdf"), d.pdf("b.pdf"), d.pdf("c.pdf")};
        d.risposte.aggiungi(Risposta::Ok); // "Accendi la Stampante"
        clicca(t, "Stampa");
        w.clicca("cmdStampa");
        clicca(*stp2, "Stampa");
        QCOMPARE(d.scelta.proposti, QStringList({"report-teg.pdf", "piano-ammortamento.pdf", "report.pdf"}));
        QCOMPARE(d.scelta.orientamenti, QList<QPageLayout::Orientation>(
                                            {QPageLayout::Landscape, QPageLayout::Portrait, QPageLayout::Landscape}));
        QCOMPARE(d.scelta.copie, QStringList(3, QStringLiteral("2 0 0")));

        // A print that failed leaves printing usable, and an existing PDF is replaced only after a question.
        scriviTesto(ss(d.pdf("report-teg.pdf")), "vecchio");
        d.scelta.risposte = {d.pdf("manca/report-teg.pdf")};
        clicca(t, "Stampa");
        QCOMPARE(d.risposte.mostrati().back().icona, Icona::Critica);

        // Annulla at the question: the dialog comes back; cancelled there, the old file stays.
        d.risposte.dimentica();
        d.scelta.risposte = {d.pdf("report-teg.pdf"), QString(), d.pdf("report-teg.pdf")};
        clicca(t, "Stampa");
        QCOMPARE(d.risposte.mostrati().size(), std::size_t{1});
        QCOMPARE(d.risposte.mostrati()[0].predefinita, Risposta::Annulla);
        QVERIFY(!d.inizioPdf("report-teg.pdf"));
        d.risposte.aggiungi(Risposta::Ok);
        clicca(t, "Stampa");
        QVERIFY(d.inizioPdf("report-teg.pdf"));
    }

    // Qt's own dialog, driven as a user would: the PDF proposed in the documents, the button's words.
    void ilDialogoQtProponeIlPdfEDiceCosaFa() {
        Desktop d;
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        const QString file = d.pdf("report-teg.pdf");
        QString proposto, conferma;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            proposto = trova<QLineEdit>(*dialogo, "filename")->text();
            QPushButton* ok = dialogo->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            conferma = ok->text();
            ok->click();
        });
        SceltaStampaQt qtScelta;
        QVERIFY(qtScelta.scegli(p, file, [](QPrinter*) {}));
        QCOMPARE(proposto, file);
        QCOMPARE(conferma, QStringLiteral("&Stampa"));
        QCOMPARE(p.outputFileName(), file);
    }

    // Every menu opens from the keyboard (Alt+U: "Utilità"); F1 opens the help of the window in use;
    // then the program is left.
    void tastieraGuidaEUscita() {
        Desktop d;
        QVERIFY(QTest::qWaitForWindowActive(&d.m));
        for (QAction* a : d.m.menuBar()->actions())
            QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
        QTest::keyClick(&d.m, Qt::Key_U, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), QStringLiteral("&Utilità"));
        QApplication::activePopupWidget()->close();

        clicca(d.m, "SSCommand13");
        QWidget* campo = trova(*d.m.vista(TipoFinestra::Usurari), "TM1");
        campo->setFocus();
        QTest::keyClick(campo, Qt::Key_F1);
        QTRY_VERIFY(d.m.guida() && d.m.guida()->isVisible());
        QCOMPARE(d.m.guida()->windowTitle(), QStringLiteral("Guida - interessi usurari"));
        const QString testo = qobject_cast<QTextBrowser*>(d.m.guida())->toPlainText();
        QVERIFY2(testo.contains(QStringLiteral("scarica tassi dal server")), qPrintable(testo.left(400)));
        // Both exit commands ask: Annulla goes on, OK ends the program.
        d.risposte.aggiungi(Risposta::Annulla);
        d.m.findChild<QAction*>(QStringLiteral("Esci"))->trigger();
        QVERIFY(!d.m.terminata() && d.m.taeg());
        QCOMPARE(d.risposte.mostrati().size(), std::size_t{1});
        d.risposte.aggiungi(Risposta::Ok);
        clicca(d.m, "SSCommand2");
        QVERIFY(d.m.terminata());
    }

    // Closing a window or the program through its frame asks before unsaved rows are lost.
    void leRigheNonSiPerdonoSenzaDomanda() {
        Desktop d;
        d.m.taeg()->modello().report().accoda("riga non salvata");
        d.m.area()->activeSubWindow()->close(); // no answer: Annulla
        QCOMPARE(d.risposte.mostrati().size(), std::size_t{1});
        QCOMPARE(qs(d.risposte.mostrati()[0].testo), QString::fromUtf8(testiReport::righeNonSalvate));
        QVERIFY(d.m.taeg());
        // The main window's close button and Alt+F4 ask too: Annulla keeps it, Sì saves where the user says.
        d.risposte.aggiungi(Risposta::Annulla);
        QVERIFY(!d.m.close());
        QCOMPARE(qs(d.risposte.mostrati().back().testo), QString::fromUtf8(testiPrincipale::righeNonSalvate));
        const std::string file = d.dir.file("uscita.RKT");
        d.risposte.aggiungi(Risposta::Si);
        d.risposte.aggiungi(file);
        QVERIFY(d.m.close());
        QVERIFY(d.m.terminata());
        QVERIFY(!leggiTesto(file).empty());
    }

    // Attempts as "user/password": the fourth failure ends the program, one box for each and a goodbye.
    void accesso_data() {
        QTest::addColumn<QStringList>("tentativi");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("accepted") << QStringList{"MARIO/pw"} << true;
        QTest::newRow("fourth failure") << QStringList{"mario/pw", "MARIO /pw", "MARIO/PW", "MARIO/"} << false;
    }
    void accesso() {
        QFETCH(QStringList, tentativi);
        QFETCH(bool, accettato);
        AmbienteProva a;
        ImpostaRecord r;
        r.utente("MARIO");
        r.password("pw");
        r.accesso(-1);
        scriviByte(a.dir.file("Imposta.DAT"), {r.byte.begin(), r.byte.end()});
        VistaPrincipale m(a.ctx, a.dir.cartella());
        m.eseguiLogin([&](Accesso& w) {
            VistaAccesso d(w);
            mostra(d);
            for (const QString& t : tentativi) {
                QVERIFY(d.isVisible());
                tentativo(d, t.section(QLatin1Char('/'), 0, 0), t.section(QLatin1Char('/'), 1));
            }
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result() == QDialog::Accepted, accettato);
        });
        QCOMPARE(m.modello().avvio(), accettato);
        QCOMPARE(m.terminata(), !accettato);
        QCOMPARE(m.taeg() != nullptr, accettato);
        QCOMPARE(a.risposte.mostrati().size(), std::size_t{accettato ? 0u : 5u});
    }

    // Each label's key reaches its field (Alt+P, Alt+N); closing from the frame refuses.
    void chiudereLAccessoDallaCorniceRifiuta() {
        AmbienteProva a;
        Accesso w(a.ctx);
        VistaAccesso d(w);
        mostra(d);
        for (const auto& [tasto, campo] : {std::pair{Qt::Key_P, "txtPassword"}, std::pair{Qt::Key_N, "txtUserName"}}) {
            QTest::keyClick(&d, tasto, Qt::AltModifier);
            QTRY_COMPARE(QApplication::focusWidget(), trova(d, campo));
        }
        d.close();
        QCOMPARE(w.esito(), Accesso::Esito::Rifiutato);
    }

    // Each window's own closing button closes its frame too, and the window opens again afresh.
    void ogniFinestraSiChiudeColSuoPulsante() {
        Desktop d;
        const std::pair<const char*, const char*> finestre[] = {{"SSCommand5", "SSCommand1"},
                                                                {"SSCommand13", "Esc"},
                                                                {"SSCommand27", "Esc"},
                                                                {"SSCommand21", "Command3D8"},
                                                                {"SSCommand11", "SSCommand2"}};
        for (const auto& [apri, chiudi] : finestre)
            for (int volta = 0; volta < 2; ++volta) {
                clicca(d.m, apri);
                QPointer<QMdiSubWindow> sub = d.m.area()->activeSubWindow();
                QVERIFY2(sub && sub->widget()->findChild<QWidget*>(QLatin1String(chiudi)), apri);
                clicca(*sub->widget(), chiudi);
                QTRY_VERIFY2(!sub, apri);
            }
        QVERIFY(d.risposte.mostrati().empty());
        // Then the calculation and the rate window open once each, report managers as often as asked;
        // the menu "Finestra" lists the open windows, and choosing one brings it forward.
        for (int k = 0; k < 2; ++k)
            clicca(d.m, "SSCommand5");
        QCOMPARE(d.m.area()->subWindowList().size(), 1);
        clicca(d.m, "SSCommand19");
        QCOMPARE(d.m.taeg()->modello()["SSTab1"].selezione, 2);
        for (int k = 0; k < 2; ++k)
            clicca(d.m, "SSCommand13");
        QCOMPARE(d.m.area()->subWindowList().size(), 2);
        QVERIFY(d.m.findChild<QWidget*>(QStringLiteral("TM1")) != nullptr); // the rate window's fields
        QMenu* menu = nullptr;
        for (QAction* a : d.m.menuBar()->actions())
            if (a->text() == QStringLiteral("Fi&nestra")) menu = a->menu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        QList<QAction*> voci;
        for (QAction* a : menu->actions())
            if (a->isCheckable()) voci << a;
        QCOMPARE(voci.size(), 2);
        QVERIFY(voci[0]->text().contains(d.m.taeg()->windowTitle()) && !voci[0]->isChecked());
        voci[0]->trigger();
        QCOMPARE(d.m.area()->activeSubWindow()->widget(), d.m.taeg());
        clicca(d.m, "SSCommand11");
        QCOMPARE(d.m.area()->subWindowList().size(), 3);
    }

    // The frame's final size arrives after the windows opened (a window manager's title bar and
    // panels): the calculation window shrinks with it and stays whole in sight.
    void laFinestraDiCalcoloStaNelloSpazioVisibile() {
        Desktop d;
        d.m.showNormal();
        QWidget* sub = d.m.taeg()->parentWidget();
        for (const QSize s : {QSize(1366, 768), QSize(1366, 700), QSize(1200, 640)}) {
            d.m.resize(s);
            QTRY_VERIFY2(QRect(QPoint(), d.m.area()->viewport()->size()).contains(sub->geometry()),
                         qPrintable(QStringLiteral("%1x%2").arg(s.width()).arg(s.height())));
        }
    }

    void impostazioniAndataERitornoDaiFile() {
        Desktop d;
        d.m.findChild<QAction*>(QStringLiteral("pref"))->trigger();
        auto* v = qobject_cast<VistaImpostazioni*>(d.m.vista(TipoFinestra::Impostazioni));
        QVERIFY(v);
        d.m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.m));
        auto* dec = trova<QLineEdit>(*v, "decimali");
        dec->setFocus();
        QTest::keyClick(dec, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(*v, "NomeUt"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ROSSI"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(*v, "PassW"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x1"));
        clicca(*v, "Salva");
        QTRY_VERIFY(!d.m.vista(TipoFinestra::Impostazioni));

        d.m.findChild<QAction*>(QStringLiteral("pref"))->trigger();
        auto* riaperta = qobject_cast<VistaImpostazioni*>(d.m.vista(TipoFinestra::Impostazioni));
        QCOMPARE(trova<QLineEdit>(*riaperta, "NomeUt")->text(), QStringLiteral("ROSSI"));
        QCOMPARE(trova<QLineEdit>(*riaperta, "PassW")->echoMode(), QLineEdit::Password);
        clicca(*riaperta, "Command3D8");
        QTRY_VERIFY(!d.m.vista(TipoFinestra::Impostazioni));
    }

    void ilCalendarioAggiungeGiorni() {
        VistaProva<VistaCalendario> c;
        mostra(c);
        emit trova<QCalendarWidget>(c, "CAL1")->clicked(QDate(2023, 1, 1));
        trova(c, "Giorni")->setFocus();
        QTest::keyClicks(trova(c, "Giorni"), QStringLiteral("90"));
        QCOMPARE(trova<QCalendarWidget>(c, "Cal2")->selectedDate(), QDate(2023, 4, 1));
    }
};

QTEST_MAIN(ProvaVisteDesktop)
#include "viste_desktop_test.moc"

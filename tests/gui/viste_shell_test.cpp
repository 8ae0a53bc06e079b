#include "ambiente_prova.h"
#include "finestra_principale.h"
#include "qt_testo.h"
#include "shell/impostazioni.h"
#include "vista_calendario.h"
#include "vista_form23.h"
#include "vista_password.h"
#include "vista_taeg.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::gui;
using vantrel::test::trova;

class VisteShellTest : public QObject {
    Q_OBJECT

    static void scriviImposta(test::AmbienteProva& a, int accesso) {
        ImpostaRecord r;
        r.utente("MARIO");
        r.password("pw");
        r.accesso(static_cast<std::int16_t>(accesso));
        QFile f(a.dir.filePath(QStringLiteral("Imposta.DAT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(r.byte.data()), static_cast<qint64>(r.byte.size()));
    }
    // One attempt on the login dialog: user name, Enter, password, Enter (which confirms, as OK does).
    void tentativo(VistaPassword& d, const QString& utente, const QString& password) {
        auto* u = trova<QLineEdit>(d, "txtUserName");
        auto* p = trova<QLineEdit>(d, "txtPassword");
        u->setFocus();
        u->selectAll();
        QTest::keyClick(u, Qt::Key_Delete);
        QTest::keyClicks(u, utente);
        QTest::keyClick(u, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), p);
        p->selectAll();
        QTest::keyClick(p, Qt::Key_Delete);
        QTest::keyClicks(p, password);
        QTest::keyClick(p, Qt::Key_Return);
    }

private slots:
    void initTestCase() { test::preparaProva(); }

    void loginFourthFailureEndsTheProgram() {
        test::AmbienteProva a;
        scriviImposta(a, -1);
        FinestraPrincipale m(a.ctx, a.cartella());
        int tentativi = 0;
        m.eseguiLogin([&](PassWord& w) {
            VistaPassword d(w);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            tentativo(d, QStringLiteral("mario"), QStringLiteral("pw"));
            tentativo(d, QStringLiteral("MARIO "), QStringLiteral("pw"));
            tentativo(d, QStringLiteral("MARIO"), QStringLiteral("PW"));
            QVERIFY(d.isVisible());
            tentativo(d, QStringLiteral("MARIO"), QString());
            QVERIFY(!d.isVisible());
            tentativi = w.tentativi();
        });
        QVERIFY(!m.modello().avvio());
        QCOMPARE(tentativi, 4);
        QVERIFY(m.terminata());
        QVERIFY(!m.taeg());
        QCOMPARE(a.risposte.mostrati().size(), std::size_t{5}); // one box per failure, one to say goodbye
    }

    void loginAcceptedOpensTheCalculationWindow() {
        test::AmbienteProva a;
        scriviImposta(a, -1);
        FinestraPrincipale m(a.ctx, a.cartella());
        m.eseguiLogin([&](PassWord& w) {
            VistaPassword d(w);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            tentativo(d, QStringLiteral("MARIO"), QStringLiteral("pw"));
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        QVERIFY(m.modello().avvio());
        QVERIFY(m.taeg());
        QVERIFY(!m.terminata());
    }

    void closingTheLoginThroughItsFrameRefuses() {
        test::AmbienteProva a;
        PassWord w(a.ctx);
        VistaPassword d(w);
        d.show();
        d.close();
        QCOMPARE(w.esito(), PassWord::Esito::Rifiutato);
    }

    void exitQuestion_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("menu") << "Esci";
        QTest::newRow("tool bar") << "SSCommand2";
    }
    void exitQuestion() {
        QFETCH(QString, comando);
        test::AmbienteProva a;
        FinestraPrincipale m(a.ctx, a.cartella());
        QVERIFY(m.modello().avvio());
        const auto premi = [&] {
            if (auto* azione = m.findChild<QAction*>(comando))
                azione->trigger();
            else
                QTest::mouseClick(trova(m, comando.toLatin1().constData()), Qt::LeftButton);
        };
        a.risposte.aggiungi(Risposta::Annulla);
        premi();
        QVERIFY(!m.terminata());
        QVERIFY(m.taeg());
        QCOMPARE(a.risposte.mostrati().size(), std::size_t{1});
        a.risposte.aggiungi(Risposta::Ok);
        premi();
        QVERIFY(m.terminata());
    }

    void oneCalculationWindowOnly() {
        test::AmbienteProva a;
        FinestraPrincipale m(a.ctx, a.cartella());
        QVERIFY(m.modello().avvio());
        auto* pulsante = trova<QToolButton>(m, "SSCommand5");
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QCOMPARE(m.area()->subWindowList().size(), 1);
        QTest::mouseClick(trova(m, "SSCommand19"), Qt::LeftButton);
        QCOMPARE(m.taeg()->modello()["SSTab1"].selezione, 2);
        // The rate window opens once, with the listing of the stored periods and its fields.
        QTest::mouseClick(trova<QToolButton>(m, "SSCommand13"), Qt::LeftButton);
        QTest::mouseClick(trova<QToolButton>(m, "SSCommand13"), Qt::LeftButton);
        QCOMPARE(m.area()->subWindowList().size(), 2);
        QVERIFY(m.findChild<QWidget*>(QStringLiteral("TM1")) != nullptr);
        // Report managers may be opened more than once.
        QTest::mouseClick(trova<QToolButton>(m, "SSCommand11"), Qt::LeftButton);
        QCOMPARE(m.area()->subWindowList().size(), 3);
    }

    void settingsRoundTripThroughTheFiles() {
        test::AmbienteProva a;
        FinestraPrincipale m(a.ctx, a.cartella());
        QVERIFY(m.modello().avvio());
        m.findChild<QAction*>(QStringLiteral("pref"))->trigger();
        auto* v = qobject_cast<VistaForm23*>(m.vista(TipoFinestra::Form23));
        QVERIFY(v);
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        auto* dec = trova<QLineEdit>(*v, "decimali");
        dec->setFocus();
        QTest::keyClick(dec, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(*v, "NomeUt"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ROSSI"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(*v, "PassW"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x1"));
        QTest::mouseClick(trova(*v, "accesso"), Qt::LeftButton);
        QTest::mouseClick(trova(*v, "Salva"), Qt::LeftButton);
        QTRY_VERIFY(!m.vista(TipoFinestra::Form23));

        const QByteArray imposta = a.leggi("Imposta.DAT");
        QCOMPARE(imposta.mid(102, 5), QByteArray("ROSSI"));
        QCOMPARE(imposta.mid(142, 2), QByteArray("\xff\xff", 2));

        m.findChild<QAction*>(QStringLiteral("pref"))->trigger();
        auto* riaperta = qobject_cast<VistaForm23*>(m.vista(TipoFinestra::Form23));
        QCOMPARE(trova<QLineEdit>(*riaperta, "NomeUt")->text(), QStringLiteral("ROSSI"));
        QCOMPARE(trova<QLineEdit>(*riaperta, "PassW")->echoMode(), QLineEdit::Password);
        QTest::mouseClick(trova(*riaperta, "Command3D8"), Qt::LeftButton);
        QTRY_VERIFY(!m.vista(TipoFinestra::Form23));
    }

    void calendarAddsDays() {
        test::AmbienteProva a;
        VistaCalendario c(a.ctx);
        c.show();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        emit trova<QCalendarWidget>(c, "CAL1")->clicked(QDate(2023, 1, 1));
        trova(c, "Giorni")->setFocus();
        QTest::keyClicks(trova(c, "Giorni"), QStringLiteral("90"));
        QCOMPARE(trova<QCalendarWidget>(c, "Cal2")->selectedDate(), QDate(2023, 4, 1));
    }
};

QTEST_MAIN(VisteShellTest)
#include "viste_shell_test.moc"

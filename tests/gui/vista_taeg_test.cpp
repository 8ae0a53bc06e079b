#include "ambiente_prova.h"
#include "legame_finestra.h"
#include "qt_testo.h"
#include "vista_taeg.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::gui;
using vantrel::test::trova;

class VistaTaegTest : public QObject {
    Q_OBJECT

    QString testo(QWidget& w, const char* nome) { return trova<QLineEdit>(w, nome)->text(); }
    void scrivi(QWidget& w, const char* nome, const QString& t) {
        auto* e = trova<QLineEdit>(w, nome);
        e->setFocus();
        QTest::keyClicks(e, t);
    }
    void hover(QWidget* w) {
        QEvent e(QEvent::Enter);
        QCoreApplication::sendEvent(w, &e);
    }

private slots:
    void initTestCase() { test::preparaProva(); }

    void keysGoThroughTheFieldFilter_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("dot becomes comma") << "NumeriD"
                                           << "12.5"
                                           << "12,5";
        QTest::newRow("letters dropped") << "intDare"
                                         << "1a2b"
                                         << "12";
        QTest::newRow("one comma only") << "Acc"
                                        << "1,2,3"
                                        << "1,23";
        QTest::newRow("read-only average") << "IndMedio"
                                           << "99"
                                           << "";
        QTest::newRow("days field free") << "Giorni"
                                         << "9x"
                                         << "9x";
        QTest::newRow("loan instalment read-only") << "txtRata"
                                                   << "12"
                                                   << "";
    }
    void keysGoThroughTheFieldFilter() {
        QFETCH(QString, campo);
        QFETCH(QString, tasti);
        QFETCH(QString, atteso);
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.mostraScheda(campo.startsWith(QLatin1String("txt")) ? 2 : 0);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        const QByteArray nome = campo.toLatin1();
        scrivi(v, nome.constData(), tasti);
        QCOMPARE(testo(v, nome.constData()), atteso);
        QCOMPARE(qs(v.modello()[ss(campo)].testo), atteso);
    }

    void backspaceAndEnter() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        scrivi(v, "NumeriD", QStringLiteral("1234"));
        QTest::keyClick(trova(v, "NumeriD"), Qt::Key_Backspace);
        QCOMPARE(testo(v, "NumeriD"), QStringLiteral("123"));
        QTest::keyClick(trova(v, "NumeriD"), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(v, "intDare"));
        // leaving the field formats it with the amount mask and copies it into the formula strip
        QCOMPARE(testo(v, "indMed2"), QStringLiteral("123"));
        QTest::keyClick(trova(v, "intDare"), Qt::Key_Enter);
        QTRY_COMPARE(QApplication::focusWidget(), trova(v, "ComMS"));
    }

    // Tab goes from each control to the next of the window's order that can take the focus.
    void tabFollowsTheWindowOrder() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        std::vector<QWidget*> ordine;
        for (const int id : v.modello().schema().tab()) {
            QWidget* w = trova(v, v.modello().schema().definizione(id).nome.c_str());
            // A date field takes Tab for its own day, month and year.
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !qobject_cast<QAbstractSpinBox*>(w))
                ordine.push_back(w);
        }
        QVERIFY(ordine.size() > 20);
        for (std::size_t k = 0; k + 1 < ordine.size(); ++k) {
            ordine[k]->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), ordine[k]);
            QTest::keyClick(ordine[k], Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ordine[k + 1]);
        }
    }

    // Every control of every tab that has a help text shows its own while the pointer is over it.
    void hoverShowsTheHelpOfTheControl() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        auto* help = trova<QPlainTextEdit>(v, "HELP");
        const Schema& s = v.modello().schema();
        int conAiuto = 0;
        for (std::size_t i = 0; i < s.dimensione(); ++i) {
            const auto& d = s.definizione(static_cast<int>(i));
            if (d.aiuto.empty() || d.nome == "HELP") continue;
            hover(trova(v, d.nome.c_str()));
            QCOMPARE(help->toPlainText(), qs(d.aiuto));
            ++conAiuto;
        }
        QVERIFY(conAiuto > 100);
        hover(trova(v, "NumeriD"));
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("inserire i Numeri Dare")));
    }

    void everyControlIsOnScreenByName() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        const Schema& s = v.modello().schema();
        // Each control is on screen by its name, enabled and editable as the model says.
        int spenti = 0, soloLettura = 0;
        for (std::size_t i = 0; i < s.dimensione(); ++i) {
            const auto& d = s.definizione(static_cast<int>(i));
            const QString nome = qs(d.nome);
            auto* w = v.findChild<QWidget*>(nome);
            QVERIFY2(w, qPrintable(nome));
            const bool abilitato = v.modello()[static_cast<int>(i)].abilitato;
            QVERIFY2(w->testAttribute(Qt::WA_ForceDisabled) == !abilitato, qPrintable(nome));
            spenti += !abilitato;
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                QVERIFY2(e->isReadOnly() == d.solaLettura, qPrintable(nome));
                soloLettura += d.solaLettura;
            }
        }
        QVERIFY(spenti > 0);
        QVERIFY(soloLettura > 0);
        QCOMPARE(trova<QComboBox>(v, "Combo1")->itemText(0), QStringLiteral("1997"));   // the rate table's first year
        QCOMPARE(trova<QComboBox>(v, "Combo1")->currentText(), QStringLiteral("2026")); // that of the dates
    }

    void fullCalculationByClicks() {
        test::AmbienteProva a;
        a.ctx.stato.mascheraImporti = "###,###,##0.00";
        VistaTaeg v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        auto* anni = trova<QComboBox>(v, "Combo1");
        const int leap = anni->findText(QStringLiteral("2008"));
        anni->setCurrentIndex(leap);
        emit anni->activated(leap);
        QCOMPARE(testo(v, "ga"), QStringLiteral("36600"));
        QTest::mouseClick(trova(v, "Command2"), Qt::LeftButton);

        scrivi(v, "NumeriD", QStringLiteral("9125000"));
        scrivi(v, "intDare", QStringLiteral("250"));
        scrivi(v, "speseN", QStringLiteral("50"));
        for (const char* zero : {"ComMS", "extrafido", "ComMS2", "ASpese"})
            scrivi(v, zero, QStringLiteral("0"));
        scrivi(v, "Acc", QStringLiteral("100000"));
        QTest::keyClick(trova(v, "Acc"), Qt::Key_Tab);
        QCOMPARE(testo(v, "NumeriD"), QStringLiteral("9.125.000,00"));
        QCOMPARE(testo(v, "fido"), QStringLiteral("100.000,00"));
        QTest::mouseClick(trova(v, "Command8"), Qt::LeftButton);
        QCOMPARE(testo(v, "Giorni"), QStringLiteral("91"));

        QTest::mouseClick(trova(v, "OK"), Qt::LeftButton);
        QCOMPARE(testo(v, "TegTXT"), QStringLiteral("1,053"));
        QCOMPARE(testo(v, "soglia"), QStringLiteral("14,76"));
        QCOMPARE(trova<QLabel>(v, "LblRisultato")->text(), QStringLiteral("T.E.G."));
        QVERIFY(trova(v, "TotalSpese")->isVisible());
        QVERIFY(!trova(v, "Line28")->isVisible());

        QTest::mouseClick(trova(v, "Command9"), Qt::LeftButton);
        QCOMPARE(trova<QLabel>(v, "LblRisultato")->text(), QStringLiteral("T.A.E.G."));
        QVERIFY(!trova(v, "TotalSpese")->isVisible());
        QVERIFY(!trova(v, "fido")->isVisible());
        QVERIFY(trova(v, "Line28")->isVisible());

        const int righe = static_cast<int>(v.modello()["List1"].voci.size());
        QTest::mouseClick(trova(v, "via"), Qt::LeftButton);
        QCOMPARE(static_cast<int>(v.modello()["List1"].voci.size()), righe + 1);
        QVERIFY(a.risposte.mostrati().empty());
    }

    // The formula button counts every charge: empty amount fields become "0" and the help box says
    // so; a quarter the rate table lacks shows no threshold and no excess, and a box says why.
    void emptyFieldsAndMissingRatesByClicks() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        auto* anni = trova<QComboBox>(v, "Combo1");
        const int anno = anni->findText(QStringLiteral("2025"));
        anni->setCurrentIndex(anno);
        emit anni->activated(anno);
        QTest::mouseClick(trova(v, "Command2"), Qt::LeftButton);
        scrivi(v, "NumeriD", QStringLiteral("9125000"));
        scrivi(v, "intDare", QStringLiteral("250"));
        scrivi(v, "Acc", QStringLiteral("100000"));
        QTest::keyClick(trova(v, "Acc"), Qt::Key_Tab);
        QTest::mouseClick(trova(v, "Command8"), Qt::LeftButton);
        QTest::mouseClick(trova(v, "OK"), Qt::LeftButton);
        for (const char* vuoto : {"ComMS", "extrafido", "speseN", "ComMS2", "ASpese"})
            QVERIFY2(testo(v, vuoto).startsWith(QLatin1Char('0')), vuoto);
        QVERIFY(trova<QPlainTextEdit>(v, "HELP")->toPlainText().contains(QStringLiteral("altri interessi")));
        QVERIFY(!testo(v, "TegTXT").isEmpty());
        QVERIFY(a.risposte.mostrati().empty());

        // The 4th quarter of 2027 is in the year list (next year's rates come in December) but not in the table.
        const int prossimo = anni->findText(QStringLiteral("2027"));
        QVERIFY(prossimo >= 0);
        anni->setCurrentIndex(prossimo);
        emit anni->activated(prossimo);
        QTest::mouseClick(trova(v, "Command5"), Qt::LeftButton);
        QTest::mouseClick(trova(v, "Command8"), Qt::LeftButton);
        QTest::mouseClick(trova(v, "OK"), Qt::LeftButton);
        QCOMPARE(testo(v, "soglia"), QStringLiteral("n.d."));
        QCOMPARE(testo(v, "Diff"), QString());
        QVERIFY(!a.risposte.mostrati().empty());
        QVERIFY(qs(a.risposte.mostrati().back().testo).contains(QStringLiteral("Tassi del trimestre non disponibili")));
    }

    void loanSolvedByClicks() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.mostraScheda(2);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QCOMPARE(testo(v, "txtData"), QStringLiteral("15/03/2026"));
        scrivi(v, "txtImporto", QStringLiteral("100000"));
        QTest::keyClick(trova(v, "txtImporto"), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(v, "txtData"));
        QCOMPARE(trova<QLineEdit>(v, "txtData")->selectedText(), QStringLiteral("15/03/2026"));
        QCOMPARE(testo(v, "txtImporto"), QStringLiteral("100.000,00"));
        scrivi(v, "anniX", QStringLiteral("10"));
        QTest::keyClick(trova(v, "anniX"), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(v, "txtTasso"));
        QCOMPARE(testo(v, "txtNumRate"), QStringLiteral("120"));
        scrivi(v, "txtTasso", QStringLiteral("6"));
        QTest::mouseClick(trova(v, "CmdCalcola"), Qt::LeftButton);

        QVERIFY(a.risposte.mostrati().empty());
        QCOMPARE(testo(v, "txtRata"), QStringLiteral("1.110,21"));
        auto* piano = trova<QListWidget>(v, "LstPianoAmm");
        QCOMPARE(piano->count(), 11 + 120);
        QVERIFY(piano->item(11)->text().contains(QStringLiteral("500,00       610,21")));
        const QFontMetrics m(piano->font()); // the columns of the plan line up
        QCOMPARE(m.horizontalAdvance(QStringLiteral("iiii")), m.horizontalAdvance(QStringLiteral("MMMM")));
        QVERIFY(piano->isVisible());
        QCOMPARE(QApplication::focusWidget(), trova(v, "txtImporto"));
    }
};

QTEST_MAIN(VistaTaegTest)
#include "vista_taeg_test.moc"

#include "ambiente_prova.h"
#include "legame_finestra.h"
#include "qt_testo.h"
#include "vista_taeg.h"

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
        QTest::newRow("loan amount") << "txtImporto"
                                     << "1.5,a2"
                                     << "1,52";
        QTest::newRow("loan rate") << "txtTasso"
                                   << "7.5x"
                                   << "7,5";
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

    // Every control of the "calcolo T.E.G. " tab, with the help text it shows while the pointer is over it.
    void hoverShowsHelpOfEveryControl() {
        static const std::vector<std::pair<QString, QString>> kAiuti = {
            {"dal", "Immettere data inizio periodo"},
            {"al", "Immettere data fine periodo"},
            {"Command2", "inserisce nei campi data il periodo riferito al primo trimestre dell'anno indicato nel menù "
                         "a tendina sottostante"},
            {"Command3", "inserisce nei campi data il periodo riferito al secondo trimestre dell'anno indicato nel "
                         "menù a tendina sottostante"},
            {"Command4", "inserisce nei campi data il periodo riferito al terzo trimestre dell'anno indicato nel menù "
                         "a tendina sottostante"},
            {"Command5", "inserisce nei campi data il periodo riferito al quarto trimestre dell'anno indicato nel menù "
                         "a tendina sottostante"},
            {"Command7", "inserisce nei campi data il periodo riferito al primo semestre dell'anno indicato nel menù a "
                         "tendina sottostante"},
            {"Command10", "inserisce nei campi data il periodo riferito al secondo semestre dell'anno indicato nel "
                          "menù a tendina sottostante"},
            {"Command6",
             "inserisce nei campi data il periodo riferito all'intero anno indicato nel menù a tendina sottostante"},
            {"Command8", "calcola i giorni del periodo di calcolo e l'indebitamento medio che equivale al risultato "
                         "della divisone dei Numeri Dare per il nr. giorni."},
            {"Giorni", "Nr.giorni del periodo di calcolo."},
            {"NumeriD", "inserire i Numeri Dare maturati nel periodo indicato nelle date 'dal ...al'. "},
            {"IndMedio",
             "Indebitamento medio che equivale al risultato della divisone dei Numeri Dare per il nr. giorni."},
            {"intDare", "inserire gli interessi passivi del periodo"},
            {"ComMS", "inserire le commissioni di massimo scoperto del periodo, se le CMS devono essere calcolate come "
                      "interessi"},
            {"extrafido", "inserire altri oneri passivi del periodo assimilabili agli interessi. "},
            {"totInt", "totale interessi passivi del periodo"},
            {"speseN", "inserire le spese del periodo che contribuiscono al costo del finanziamento. "},
            {"ComMS2",
             "inserire le commissioni di massimo scoperto del periodo, se le CMS devono essere calcolate come spese"},
            {"ASpese", "inserire altri oneri del periodo che contribuiscono al costo del finanziamento."},
            {"tspe", "totale spese del periodo che contribuiscono al costo del finanziamento. "},
            {"SpeInt", "totale interessi e spese del periodo. "},
            {"cmscop", "muove le commissioni di massimo scoperto del periodo, dalla riga interessi alla riga spese"},
            {"FrameAccordato", "opzione per la scelta del parametro per la determinazione dell'accordato. "},
            {"Option2", "sceglie l'indebitamento medio come accordato. "},
            {"Option1a", "sceglie il fido come accordato. "},
            {"fido", "valore dell'accordato. "},
            {"Acc", "inserire il valore dell'accordato. "},
            {"FrameValuta", "seleziona la valuta di calcolo. "},
            {"Lira", "esegue i calcoli con la valuta 'Lira'. "},
            {"euro", "esegue i calcoli con la valuta 'Euro'. "},
            {"FrameSoglia", "Seleziona il tipo di calcolo da effettuare al fine di definire il tasso soglia per "
                            "eseguire il confronto. La vecchia norma prevedeva un tasso ssoglia pari al tasso medio "
                            "aumentato del 50%, mantre la nuova norma prevede un aumento del 25% + 4% con uno scarto "
                            "massimo di 8 punti tra il tasso medio e quello soglia."},
            {"Option3", "calcola i tassi soglia aumentando del 50% i tassi medi rilevati dalla Banca D'Italia. "},
            {"Option4", "calcola i tassi soglia aumentando del 25% i tassi medi ed aggiungendo 4 punti, con tetto "
                        "massimo di 8 punti tra tassi medi e tassi soglia. "},
            {"totint2", "totale interessi del periodo. "},
            {"indMed2", "totale numeri debitori del periodo. "},
            {"ga", "nr giorni anno x 100 "},
            {"TotalSpese", "totale spese del periodo. "},
            {"cento", "moltiplicatore fisso. "},
            {"TegTXT", "risultato operazione. "},
            {"IntSc", "TEG soli interessi. "},
            {"CMSc", "TEG sole CMS. "},
            {"ECCSC", "TEG solo altri interessi. "},
            {"SpeseSc", "TEG sole spese. "},
            {"OneriSc", "TEG solo altri oneri. "},
            {"SommaParziali", "totale TEG. "},
            {"TInt", "totale TEG voci interessi. "},
            {"TSpes", "totale TEG voci spese. "},
            {"soglia",
             "tasso soglia del trimestre relativo alla classe d'importo e della categoria di conto selezionato. "},
            {"Diff", "differenza tra il tasso soglia ed il calcolo. "},
            {"OK", "esegui calcolo TEG utilizzando la formula della Banca D'Italia che separa gli interessi dalle "
                   "spese, rapportandole all'accordato. "},
            {"Command9", "esegui calcolo TEG utilizzando la formula globale che accorpa tutte le spese e gli interessi "
                         "in un unico valore. "},
            {"via", "Accoda i dati del calcolo nella maschera del report. I dati così rappresentati possono essere "
                    "salvati in un file di testo e ripresi successivamente per modifiche o aggiunte."},
            {"nome", "inserire il nome con il quale salvare il report"},
            {"Frame1", "selezionare la frequenza dei pagamenti delle rate"},
            {"totmutuo", "costo totale del muto = capitale + interessi + spese"},
        };
        std::vector<std::pair<QString, QString>> aiuti = kAiuti;
        const char* const trimestri[] = {"primo", "secondo", "terzo", "quarto"};
        const char* const scaglioni[][2] = {{"", "primo"}, {"b", "secondo"}, {"c", "terzo"}};
        for (int q = 0; q < 4; ++q)
            for (const auto& [suffisso, classe] : scaglioni)
                for (const auto& [prefisso, tipo] :
                     {std::pair{"TS", "Tasso medio "}, std::pair{"TU", "Tasso usura "}}) {
                    const bool maiuscola = q == 3 && *suffisso == '\0' && QLatin1String(prefisso) == "TU";
                    aiuti.emplace_back(QString("%1%2%3").arg(prefisso).arg(q + 1).arg(suffisso),
                                       QString("%1%2 trimestre dell'anno calcolato e per la categoria di conto "
                                               "scelto, relativo al %3 scaglione")
                                           .arg(tipo, maiuscola ? "Quarto" : trimestri[q], classe));
                }
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        auto* help = trova<QPlainTextEdit>(v, "HELP");
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("Aiuto contestuale")));
        for (const auto& [controllo, aiuto] : aiuti) {
            hover(trova(v, controllo.toLatin1().constData()));
            QCOMPARE(help->toPlainText(), aiuto);
        }
    }

    void everyControlIsOnScreenByName() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        const Schema& s = v.modello().schema();
        for (std::size_t i = 0; i < s.dimensione(); ++i) {
            const QString nome = qs(s.definizione(static_cast<int>(i)).nome);
            QVERIFY2(v.findChild<QWidget*>(nome), qPrintable(nome));
        }
        QCOMPARE(trova<QTabWidget>(v, "SSTab1")->tabText(0), QStringLiteral("calcolo T.E.G. "));
        QCOMPARE(trova<QComboBox>(v, "Combo1")->count(), 20);
        QCOMPARE(trova<QComboBox>(v, "Combo1")->currentText(), QStringLiteral("2007"));
    }

    void fullCalculationByClicks() {
        test::AmbienteProva a;
        a.ctx.stato.MascheraImporti = "###,###,##0.00";
        VistaTaeg v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        auto* anni = trova<QComboBox>(v, "Combo1");
        anni->setCurrentIndex(1);
        emit anni->activated(1); // 2008, a leap year
        QCOMPARE(testo(v, "ga"), QStringLiteral("36600"));
        QTest::mouseClick(trova(v, "Command2"), Qt::LeftButton);
        QCOMPARE(qs(v.modello()["dal"].testo), QStringLiteral("01/01/2008"));
        QCOMPARE(qs(v.modello()["al"].testo), QStringLiteral("31/03/2008"));

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
        QCOMPARE(testo(v, "IntSc"), QStringLiteral("1,003"));
        QCOMPARE(testo(v, "SpeseSc"), QStringLiteral("0,050"));
        QCOMPARE(testo(v, "TS1b"), QStringLiteral("9,84"));
        QCOMPARE(testo(v, "TU1b"), QStringLiteral("14,76"));
        QCOMPARE(testo(v, "soglia"), QStringLiteral("14,76"));
        QCOMPARE(testo(v, "Diff"), QString());
        QCOMPARE(trova<QLabel>(v, "LblRisultato")->text(), QStringLiteral("T.E.G."));
        QCOMPARE(trova(v, "LblUguale")->x(), px(5520));
        QCOMPARE(trova(v, "LblRisultato")->x(), px(5880));
        QVERIFY(trova(v, "TotalSpese")->isVisible());
        QVERIFY(!trova(v, "Line28")->isVisible());

        QTest::mouseClick(trova(v, "Command9"), Qt::LeftButton);
        QCOMPARE(trova<QLabel>(v, "LblRisultato")->text(), QStringLiteral("T.A.E.G."));
        QCOMPARE(trova(v, "LblUguale")->x(), px(2580));
        QCOMPARE(trova(v, "LblRisultato")->x(), px(2880));
        QVERIFY(!trova(v, "TotalSpese")->isVisible());
        QVERIFY(!trova(v, "fido")->isVisible());
        QVERIFY(trova(v, "Line28")->isVisible());

        const int righe = static_cast<int>(v.modello()["List1"].voci.size());
        QTest::mouseClick(trova(v, "via"), Qt::LeftButton);
        QCOMPARE(static_cast<int>(v.modello()["List1"].voci.size()), righe + 1);
        QVERIFY(a.risposte.mostrati().empty());
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
        QTest::mouseClick(trova(v, "Option1(2)"), Qt::LeftButton);
        QCOMPARE(testo(v, "txtNumRate"), QStringLiteral("40"));
        QVERIFY(!trova<QAbstractButton>(v, "Option1(0)")->isChecked());
        QTest::mouseClick(trova(v, "Option1(0)"), Qt::LeftButton);
        QCOMPARE(testo(v, "txtNumRate"), QStringLiteral("120"));
        scrivi(v, "txtTasso", QStringLiteral("6"));
        QTest::mouseClick(trova(v, "CmdCalcola"), Qt::LeftButton);

        QVERIFY(a.risposte.mostrati().empty());
        QCOMPARE(testo(v, "txtRata"), QStringLiteral("1.110,21"));
        QCOMPARE(testo(v, "totmutuo"), QStringLiteral("133.225,20"));
        QCOMPARE(testo(v, "TxtTaeg"), QStringLiteral("6,18"));
        auto* piano = trova<QListWidget>(v, "LstPianoAmm");
        QCOMPARE(piano->count(), 11 + 120);
        QVERIFY(piano->item(11)->text().contains(QStringLiteral("500,00       610,21")));
        const QFontMetrics m(piano->font()); // the columns of the plan line up
        QCOMPARE(m.horizontalAdvance(QStringLiteral("iiii")), m.horizontalAdvance(QStringLiteral("MMMM")));
        QVERIFY(piano->isVisible());
        QCOMPARE(QApplication::focusWidget(), trova(v, "txtImporto"));
    }

    void loanBadInputKeepsTheWindowUsable() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.mostraScheda(2);
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        scrivi(v, "txtImporto", QStringLiteral("1000"));
        scrivi(v, "txtNumRate", QStringLiteral("12"));
        scrivi(v, "txtTasso", QStringLiteral("0"));
        QTest::mouseClick(trova(v, "CmdCalcola"), Qt::LeftButton);
        QCOMPARE(a.risposte.mostrati().size(), std::size_t{1});
        QCOMPARE(qs(a.risposte.mostrati()[0].testo), QStringLiteral("Il tasso annuo deve essere diverso da zero."));
        QCOMPARE(trova<QListWidget>(v, "LstPianoAmm")->count(), 0);
        for (auto* e : trova(v, "LstPianoAmm")->parentWidget()->findChildren<QLineEdit*>())
            QVERIFY2(!e->text().contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                         !e->text().contains(QLatin1String("nan"), Qt::CaseInsensitive),
                     qPrintable(e->objectName() + QLatin1String(": ") + e->text()));
        trova<QLineEdit>(v, "txtTasso")->clear();
        scrivi(v, "txtTasso", QStringLiteral("5"));
        QTest::mouseClick(trova(v, "CmdCalcola"), Qt::LeftButton);
        QCOMPARE(trova<QListWidget>(v, "LstPianoAmm")->count(), 11 + 12);
    }

    void currencyOptionsAreExclusive() {
        test::AmbienteProva a;
        VistaTaeg v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QTest::mouseClick(trova(v, "Lira"), Qt::LeftButton);
        QVERIFY(trova<QAbstractButton>(v, "Lira")->isChecked());
        QVERIFY(!trova<QAbstractButton>(v, "euro")->isChecked());
        QCOMPARE(a.ctx.stato.MascheraImporti, std::string("#,###,###,##0"));
    }
};

QTEST_MAIN(VistaTaegTest)
#include "vista_taeg_test.moc"

// The page "Addebiti banca" of the case window on the real widgets: the tab clicked, a word typed
// and its kind chosen, a cell corrected with F2, a period's charges added with the mouse; each change
// reaches the case file at once.
#include "pagine_addebiti.h"
#include "pratica_prova.h"

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

class ProvaPagineAddebiti : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::preparaProva(); }

    void paroleEAddebitiScrittiNellaPratica() {
        PraticaAperta v;
        scheda(v, kSchedaAddebiti);
        QTableView* parole = v.addebiti().tabellaParole();
        QCOMPARE(parole->model()->rowCount(), 5); // the usual words
        scrivi(v, "NuovaParola", QStringLiteral("Canone mensile"));
        auto* tipo = trova<QComboBox>(v, "TipoParola");
        tipo->setFocus();
        QTest::keyClick(tipo, Qt::Key_End); // the last kind: spese
        clicca(v, "AggiungiParola");
        QCOMPARE(parole->model()->rowCount(), 6);
        QCOMPARE(cella(parole, 5, SchedaParole::kParola), QStringLiteral("canone mensile"));
        QCOMPARE(cella(parole, 5, SchedaParole::kTipo), QStringLiteral("spese"));
        correggi(parole, 0, SchedaParole::kTipo, QStringLiteral("competenze"));
        QTRY_COMPARE(cella(parole, 0, SchedaParole::kTipo), QStringLiteral("competenze"));
        QVERIFY(v.risposte.mostrati().empty());
        const auto salvate = v.modello().pratica().parole().parole();
        QCOMPARE(salvate.size(), 6u);
        QCOMPARE(salvate[0].tipo, TipoAddebito::Competenze);

        scrivi(v, "DataAddebiti", QStringLiteral("31/03/2022"));
        scrivi(v, "InteressiAddebiti", QStringLiteral("412,87"));
        scrivi(v, "SpeseAddebiti", QStringLiteral("18,5"));
        clicca(v, "AggiungiAddebiti");
        QTableView* righe = v.addebiti().tabellaAddebiti();
        QCOMPARE(righe->model()->rowCount(), 1);
        QCOMPARE(cella(righe, 0, SchedaAddebiti::kTotale), QStringLiteral("431,37"));
        QCOMPARE(testo(v, "DataAddebiti"), QString());
        correggi(righe, 0, SchedaAddebiti::kCommissioni, QStringLiteral("113,12"));
        QTRY_COMPARE(cella(righe, 0, SchedaAddebiti::kTotale), QStringLiteral("544,49"));
        QCOMPARE(v.modello().pratica().addebitiInseriti().at(0).importi[2], 11312);
    }
};

QTEST_MAIN(ProvaPagineAddebiti)
#include "pagine_addebiti_test.moc"

// The case window on the real widgets: a movement typed and added with the mouse, selected in the
// grid, deleted with Canc and brought back with Ctrl+Z and Ctrl+Y, a cell corrected with F2, an
// import cancelled from its progress bar, and a new case that asks before it closes.
#include "legame_finestra.h"
#include "pratica_prova.h"

#include <QProgressBar>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

class ProvaVistaFinestraPratica : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::preparaProva(); }

    void movimentoAggiuntoEliminatoEdAnnullatoDallaTastiera() {
        PraticaAperta v;
        scheda(v, kSchedaMovimenti);
        scrivi(v, "NuovaData", QStringLiteral("04/01/2010"));
        scrivi(v, "NuovaDescrizione", QStringLiteral("BONIFICO"));
        scrivi(v, "NuovoImporto", QStringLiteral("-900,5"));
        clicca(v, "AggiungiMovimento");
        QTableView* t = v.tabellaMovimenti();
        QCOMPARE(t->model()->rowCount(), 1);
        QCOMPARE(cella(t, 0, SchedaMovimenti::kImporto), QStringLiteral("-900,50"));
        QCOMPARE(testo(v, "NuovoImporto"), QString());

        clicCella(t, 0, SchedaMovimenti::kDescrizione);
        QVERIFY(trova<QPushButton>(v, "EliminaMovimento")->isEnabled());
        t->setFocus();
        QTest::keyClick(t, Qt::Key_Delete);
        QCOMPARE(t->model()->rowCount(), 0);
        QVERIFY(!trova<QPushButton>(v, "EliminaMovimento")->isEnabled());
        QCOMPARE(trova<QPushButton>(v, "AnnullaModifica")->text(), QStringLiteral("Annulla eliminazione"));
        QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t->model()->rowCount(), 1);
        QCOMPARE(v.modello().pratica().numeroMovimenti(), 1u);
        QTest::keyClick(t, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(v.modello().pratica().numeroMovimenti(), 0u);
        // In a text field Ctrl+Z undoes the typing, not the movements.
        QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier);
        scrivi(v, "NuovaDescrizione", QStringLiteral("X"));
        QTest::keyClick(trova<QLineEdit>(v, "NuovaDescrizione"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(v.modello().pratica().numeroMovimenti(), 1u);
        QCOMPARE(testo(v, "NuovaDescrizione"), QString());
    }

    void cellaCorrettaConF2() {
        PraticaAperta v;
        scheda(v, kSchedaMovimenti);
        for (const char* data : {"05/01/2010", "04/01/2010"}) {
            scrivi(v, "NuovaData", QString::fromLatin1(data));
            scrivi(v, "NuovoImporto", QStringLiteral("100"));
            clicca(v, "AggiungiMovimento");
            v.modello().incolla("NuovaData", "");
            v.legame().aggiorna();
        }
        QTableView* t = v.tabellaMovimenti();
        correggi(t, 0, SchedaMovimenti::kImporto, QStringLiteral("-1.234,56"));
        QTRY_COMPARE(cella(t, 0, SchedaMovimenti::kSaldo), QStringLiteral("-1.234,56"));
        QCOMPARE(cella(t, 1, SchedaMovimenti::kSaldo), QStringLiteral("-1.134,56"));
        // A date that does not exist is refused with a message; the cell keeps its date.
        correggi(t, 1, SchedaMovimenti::kValuta, QStringLiteral("32/01/2010"));
        QTRY_VERIFY(!v.risposte.mostrati().empty());
        QCOMPARE(cella(t, 1, SchedaMovimenti::kValuta), QStringLiteral("05/01/2010"));
    }

    void importazioneAnnullataDallaBarra() {
        PraticaAperta v;
        v.modello().primaDiMostrare = std::chrono::milliseconds(0);
        QVERIFY(v.modello().importazione().anteprima(VANTREL_EXAMPLES_DIR "/movimenti-conto-2-anni.csv"));
        v.legame().aggiorna();
        scheda(v, kSchedaImportazione);
        bool barraVista = false, scalareFermo = false;
        // While the import runs only "Annulla" takes a click.
        QTimer durante;
        connect(&durante, &QTimer::timeout, &v, [&] {
            if (!v.modello().inCorso()) return;
            durante.stop();
            barraVista = v.avanzamento()->isVisible();
            clicca(v, "CalcolaScalare");
            scalareFermo = !v.modello().scalare().aggiornato();
            clicca(v, "AnnullaLavoro");
        });
        durante.start(0);
        clicca(v, "ImportaMovimenti");
        QVERIFY(barraVista);
        QVERIFY(scalareFermo);
        QCOMPARE(v.modello().pratica().numeroMovimenti(), 0u);
        QVERIFY(!v.avanzamento()->isVisible());
        QVERIFY(trova<QTabWidget>(v, "SchedePratica")->isEnabled());
        QCOMPARE(QString::fromStdString(v.risposte.mostrati().back().testo),
                 QString::fromUtf8(testiFinestraPratica::annullato));
        // Afterwards the window takes clicks again.
        clicca(v, "ImportaMovimenti");
        QCOMPARE(v.modello().pratica().numeroMovimenti(), 599u);
    }

    void unaPraticaNuovaChiedePrimaDiChiudersi() {
        PraticaAperta v(true);
        QCOMPARE(controlliNonUnici(v, v.modello().schema()), QStringList());
        QCOMPARE(v.windowTitle(), QStringLiteral("Pratica: Nuova pratica 1"));
        scrivi(v, "Cliente", QStringLiteral("Rossi"));
        QTest::keyClick(trova<QLineEdit>(v, "Cliente"), Qt::Key_Tab);
        QCOMPARE(v.windowTitle(), QStringLiteral("Pratica: Nuova pratica 1 *"));
        v.risposte.aggiungi(Risposta::Annulla);
        QVERIFY(!v.close());
        QVERIFY(v.isVisible());
        v.risposte.aggiungi(Risposta::No);
        QVERIFY(v.close());
    }
};

QTEST_MAIN(ProvaVistaFinestraPratica)
#include "vista_finestra_pratica_test.moc"

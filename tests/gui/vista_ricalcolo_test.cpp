// The tab "Ricalcolo" of the case window on the real widgets, over the recalculation's worked example
// (tools/ricalcolo_atteso.py): reached with a click on its tab, a choice picked in its combo with the
// keyboard, and the grid, the figures and the chart following.
#include "pratica_prova.h"
#include "support/conto_ricalcolo.h"
#include "vista_ricalcolo.h"

#include <QChart>
#include <QChartView>
#include <QLabel>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

class ProvaVistaRicalcolo : public QObject {
    Q_OBJECT

    static QString atteso(const char* caso, const char* colonna) {
        return QString::fromStdString(esitoAtteso(caso).at(colonna));
    }

private slots:
    void initTestCase() { preparaProva(); }

    void sceltaNellaComboCambiaLaTabella() {
        AmbientePratica a;
        caricaTassiEsempio(a.ctx.stato.tassi);
        const std::string path = a.cartella() + "conto.vantrel";
        praticaEsempio(a.sqlite, path, a.cartella());
        std::string errore;
        auto p = Pratica::apri(a.sqlite, path, errore);
        QVERIFY(p);
        VistaFinestraPratica v(std::make_unique<FinestraPratica>(a.ctx, std::move(p)));
        v.resize(1280, 720);
        mostra(v);

        QCOMPARE(trova<QTabWidget>(v, "SchedePratica")->tabText(kSchedaRicalcolo), QStringLiteral("Ricalcolo"));
        scheda(v, kSchedaRicalcolo);
        QTRY_VERIFY(v.ricalcolo()->tabella());
        QTableView* t = v.ricalcolo()->tabella();
        QTRY_COMPARE(t->model()->rowCount(), 10); // eight quarters, an empty row, the totals
        QCOMPARE(cella(t, 7, 13), atteso("banca", "saldo rideterminato"));
        QCOMPARE(trova<QLabel>(v, "SaldoRideterminato")->text(), atteso("banca", "saldo rideterminato"));
        QCOMPARE(v.ricalcolo()->grafico()->chart()->series().size(), 3); // both balances and the marks

        auto* cms = trova<QComboBox>(v, "CmsRicalcolo");
        cms->setFocus();
        QTest::keyClick(cms, Qt::Key_Down); // "eliminata"
        QTRY_COMPARE(cella(t, 7, 13), atteso("cms-eliminata", "saldo rideterminato"));
        QCOMPARE(trova<QLabel>(v, "DaRestituire")->text(), atteso("cms-eliminata", "da restituire"));
        QVERIFY(trova<QPushButton>(v, "RelazionePdf")->isEnabled());
        QVERIFY(trova<QWidget>(v, "CmsRicalcoloDal")->isEnabled()); // its days can now be given
        QCOMPARE(v.modello().pratica().scelteRicalcolo().cms, ModoCms::Eliminata);

        // Its days: empty is from the start, a day typed holds once the field is left.
        auto* dal = trova<QLineEdit>(v, "CmsRicalcoloDal");
        QCOMPARE(dal->text(), QString());
        dal->setFocus();
        QTest::keyClicks(dal, QStringLiteral("01/01/2009"));
        QTest::keyClick(dal, Qt::Key_Tab);
        QVERIFY(v.modello().pratica().scelteRicalcolo().periodoCms.dal == (Data{2009, 1, 1}));
        // The first quarters, of 2008, keep their CMS: as the bank's case of the worked example.
        const auto periodi = righeFile(VANTREL_TEST_DATA "/ricalcolo_atteso.csv");
        QTRY_COMPARE(cella(t, 0, 8), QString::fromStdString(periodi.at(0).at("cms")));
        QCOMPARE(cella(t, 1, 8), QString::fromStdString(periodi.at(1).at("cms")));
        QCOMPARE(cella(t, 2, 8), QStringLiteral("0,00"));
    }
};

QTEST_MAIN(ProvaVistaRicalcolo)
#include "vista_ricalcolo_test.moc"

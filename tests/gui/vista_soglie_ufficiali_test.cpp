#include "ambiente_prova.h"
#include "legame_finestra.h"
#include "vista_soglie_ufficiali.h"
#include "vista_usurari.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLineSeries>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::gui;
using vantrel::test::trova;

class VistaSoglieUfficialiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::preparaProva(); }

    // A date picked on the calendar field changes the categories, the figures and the chart.
    void dataSceltaAggiornaCifreEGrafico() {
        test::AmbienteProva a;
        QVERIFY(QFile::copy(QStringLiteral(VANTREL_TASSI_DIR "/serie-ufficiale.csv"),
                            a.dir.filePath(QStringLiteral("serie-ufficiale.csv"))));
        VistaSoglieUfficiali v(a.ctx);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        auto* categoria = trova<QComboBox>(v, "cboCategoria");
        const int revolving = categoria->findText(QStringLiteral("Credito revolving"));
        categoria->setCurrentIndex(revolving);
        emit categoria->activated(revolving); // as a pick with the mouse
        trova<QDateEdit>(v, "txtData")->setDate(QDate(2018, 2, 20));
        QCOMPARE(categoria->currentText(), QStringLiteral("CREDITO REVOLVING (dal 1° gennaio 2010)"));
        QCOMPARE(trova<QLineEdit>(v, "txtSogliaRegola")->text(), QStringLiteral("24,1488"));
        const QList<QAbstractSeries*> serie = v.grafico()->series();
        QCOMPARE(serie.size(), 3); // TEGM, threshold, the date
        QCOMPARE(serie[2]->name(), QStringLiteral("20/02/2018"));
        QCOMPARE(static_cast<QLineSeries*>(serie[0])->count(), 2 * static_cast<int>(v.modello().andamento().size()));
    }

    void finestraDeiTassiHaIlMenuDellaSerie() {
        test::AmbienteProva a;
        VistaUsurari v(a.ctx, {});
        QVERIFY(v.findChild<QAction*>(QStringLiteral("ImportaSerie")));
    }
};

QTEST_MAIN(VistaSoglieUfficialiTest)
#include "vista_soglie_ufficiali_test.moc"

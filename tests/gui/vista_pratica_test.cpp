// The account summary tab: an import that runs in steps, the chart's series, the account's PDF.
#include "ambiente_prova.h"
#include "grafico_pratica.h"
#include "legame_finestra.h"
#include "stampanti_pdf_qt.h"
#include "vista_pratica.h"
#include "vista_taeg.h"

#include <QChart>
#include <QChartView>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableView>
#include <QtTest>
#include <set>

using namespace vantrel;
using namespace vantrel::gui;

class VistaPraticaTest : public QObject {
    Q_OBJECT

    test::AmbienteProva a;
    DisegnoGraficoQt grafico;
    StampantiPdfQt pdf;

    QString esegui(const QString& programma, const QStringList& argomenti) {
        QProcess p;
        p.start(programma, argomenti);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    /// Clicks "Importa periodi..." on `file` and lets the steps run; the progress values seen.
    std::set<int> importa(VistaTaeg& v, const std::string& file) {
        a.risposte.aggiungi(file);
        test::trova<QPushButton>(v, "ImportaPeriodi")->click();
        std::set<int> visti;
        while (v.modello().pratica().inCorso()) {
            QCoreApplication::processEvents();
            if (!v.pratica().avanzamento()->isHidden()) visti.insert(v.pratica().avanzamento()->value());
        }
        return visti;
    }

private slots:
    void initTestCase() {
        test::preparaProva();
        a.ctx.servizi.grafico = &grafico;
        a.ctx.servizi.pdf = &pdf;
    }

    void longFilesRunInStepsWithProgress() {
        // 4.800 quarters: the example account 200 times over.
        QFile esempio(QStringLiteral(VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv"));
        QVERIFY(esempio.open(QIODevice::ReadOnly));
        const QByteArray intestazione = esempio.readLine(), righe = esempio.readAll();
        QFile lungo(a.dir.filePath(QStringLiteral("lungo.csv")));
        QVERIFY(lungo.open(QIODevice::WriteOnly));
        lungo.write(intestazione + righe.repeated(200));
        lungo.close();

        VistaTaeg v(a.ctx);
        const std::set<int> visti = importa(v, lungo.fileName().toStdString());
        QVERIFY2(visti.size() >= 2, "the bar moved in more than one step");
        QVERIFY(*visti.begin() > 0 && *visti.rbegin() < 4800);
        QVERIFY(v.pratica().avanzamento()->isHidden());
        QAbstractItemModel* m = v.pratica().tabella()->model();
        QCOMPARE(m->rowCount(), 4800);
        // The third quarter is over the threshold: colour and icon; the first is not.
        QVERIFY(m->data(m->index(2, 8), Qt::DecorationRole).isValid());
        QVERIFY(m->data(m->index(2, 0), Qt::BackgroundRole).isValid());
        QVERIFY(!m->data(m->index(0, 8), Qt::DecorationRole).isValid());
        QCOMPARE(m->data(m->index(2, 8)).toString(), QStringLiteral("OLTRE SOGLIA"));
    }

    void chartAndPdfOfTheAccount() {
        VistaTaeg v(a.ctx);
        importa(v, VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv");
        const auto serie = v.pratica().grafico()->chart()->series();
        QCOMPARE(serie.size(), 3);
        const auto* teg = qobject_cast<QXYSeries*>(serie[0]);
        const auto* soglia = qobject_cast<QXYSeries*>(serie[1]);
        const auto* supero = qobject_cast<QScatterSeries*>(serie[2]);
        QVERIFY(teg && soglia && supero);
        QCOMPARE(teg->name(), QStringLiteral("TEG"));
        QCOMPARE(teg->count(), 24);
        QCOMPARE(teg->at(2).y(), 15.035);
        QCOMPARE(soglia->at(2).y(), 14.8);
        QCOMPARE(supero->count(), 5);
        for (const QPointF& p : supero->points()) {
            const int i = static_cast<int>(teg->points().indexOf(p));
            QVERIFY(i >= 0 && p.y() > soglia->at(i).y());
        }

        const QString png = a.dir.filePath(QStringLiteral("grafico.png"));
        a.risposte.aggiungi(png.toStdString());
        test::trova<QPushButton>(v, "SalvaGrafico")->click();
        QFile immagine(png);
        QVERIFY(immagine.open(QIODevice::ReadOnly));
        QVERIFY(immagine.read(8) == QByteArray("\x89PNG\r\n\x1A\n"));

        const QString file = a.dir.filePath(QStringLiteral("pratica.pdf"));
        a.risposte.aggiungi(file.toStdString());
        test::trova<QPushButton>(v, "PdfPratica")->click();
        // Cover, table, chart, then one page for each of the five quarters over the threshold.
        QVERIFY(esegui(QStringLiteral("pdfinfo"), {file}).contains(QRegularExpression("Pages:\\s+8\\n")));
        const QString testo =
            esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
        QVERIFY(testo.contains(QStringLiteral("conto-24-trimestri")));
        QVERIFY(testo.contains(QStringLiteral("Data: 15/03/2026")));
        QVERIFY(testo.contains(QStringLiteral("Trimestri oltre la soglia: 5")));
        QCOMPARE(testo.count(QStringLiteral("RIEPILOGO ELEMENTI CALCOLO T.E.G.")), 5);
    }
};

QTEST_MAIN(VistaPraticaTest)
#include "vista_pratica_test.moc"

#include "ambiente_prova.h"
#include "grafico_pratica.h"
#include "qt_testo.h"
#include "stampanti_pdf_qt.h"
#include "vista_pratica.h"
#include "vista_taeg.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <set>
#include <tuple>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;
using Vista = VistaProva<VistaTaeg>;

class ProvaVistaTaeg : public QObject {
    Q_OBJECT

    DisegnoGraficoQt grafico;
    StampantiPdfQt pdf;

    /// Clicks "Importa periodi..." on `file` and lets the steps run; the progress values seen.
    std::set<int> importa(Vista& v, const std::string& file) {
        v.ctx.servizi.grafico = &grafico;
        v.ctx.servizi.pdf = &pdf;
        v.risposte.aggiungi(file);
        trova<QPushButton>(v, "ImportaPeriodi")->click();
        std::set<int> visti;
        while (v.modello().pratica().inCorso()) {
            QCoreApplication::processEvents();
            if (!v.pratica().avanzamento()->isHidden()) visti.insert(v.pratica().avanzamento()->value());
        }
        return visti;
    }
    void hover(QWidget* w) {
        QEvent e(QEvent::Enter);
        QCoreApplication::sendEvent(w, &e);
    }

private slots:
    void initTestCase() { preparaProva(); }

    // Each control is on screen by its name, enabled and editable as the model says; every control
    // of every tab that has a help text shows its own while the pointer is over it; Tab goes from each
    // control to the next of the window's order that can take the focus.
    void ogniControlloESulloSchermoColSuoNomeSuoAiutoESuoOrdine() {
        Vista v;
        mostra(v);
        auto* help = trova<QPlainTextEdit>(v, "HELP");
        const Schema& s = v.modello().schema();
        int spenti = 0, soloLettura = 0, conAiuto = 0;
        for (std::size_t i = 0; i < s.dimensione(); ++i) {
            const auto& d = s.definizione(static_cast<int>(i));
            const QString nome = qs(d.nome);
            auto* w = v.findChild<QWidget*>(nome);
            QVERIFY2(w, qPrintable(nome));
            if (!d.aiuto.empty() && d.nome != "HELP") {
                hover(w);
                QCOMPARE(help->toPlainText(), qs(d.aiuto));
                ++conAiuto;
            }
            const bool abilitato = v.modello()[static_cast<int>(i)].abilitato;
            QVERIFY2(w->testAttribute(Qt::WA_ForceDisabled) == !abilitato, qPrintable(nome));
            spenti += !abilitato;
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                QVERIFY2(e->isReadOnly() == d.solaLettura, qPrintable(nome));
                // Tab passes a result by; a screen reader names each field of the first tab by its label.
                QVERIFY2(!(e->focusPolicy() & Qt::TabFocus) == d.solaLettura, qPrintable(nome));
                soloLettura += d.solaLettura;
                const auto* acc = QAccessible::queryAccessibleInterface(e);
                auto* box = qobject_cast<QGroupBox*>(e->parentWidget());
                if (v.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->widget(0)->isAncestorOf(e))
                    QVERIFY2(!acc->text(QAccessible::Name).isEmpty() &&
                                 (!box || acc->text(QAccessible::Name) != box->title()),
                             qPrintable(nome + QStringLiteral(": ") + acc->text(QAccessible::Name)));
            }
            if (d.tipo == Tipo::Opzione)
                QVERIFY2(QAccessible::queryAccessibleInterface(w)->role() == QAccessible::RadioButton,
                         qPrintable(nome));
        }
        QVERIFY(spenti > 0);
        QVERIFY(soloLettura > 0);
        QVERIFY(conAiuto > 100);
        QCOMPARE(etichetteLontane(v), QStringList());
        hover(trova(v, "NumeriD"));
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("inserire i Numeri Dare")));

        std::vector<QWidget*> ordine;
        for (const int id : s.tab()) {
            QWidget* w = trova(v, s.definizione(id).nome.c_str());
            // A date field takes Tab for its own day, month and year; Tab enters a group of options at
            // its chosen one, the arrows move within it.
            auto* opzione = qobject_cast<QRadioButton*>(w);
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !qobject_cast<QAbstractSpinBox*>(w) && (!opzione || opzione->isChecked()))
                ordine.push_back(w);
        }
        QVERIFY(ordine.size() > 20);
        for (std::size_t k = 0; k + 1 < ordine.size(); ++k) {
            ordine[k]->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), ordine[k]);
            QTest::keyClick(ordine[k], Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == ordine[k + 1],
                     qPrintable(ordine[k]->objectName() + QStringLiteral(" -> ") +
                                QApplication::focusWidget()->objectName()));
        }
        // Then keys reach the model and its text comes back: the field filter, amounts typed as the
        // program writes them, a read-only field that takes no key, Backspace, Enter moving on, keys held
        // with Alt, Ctrl or Super typing nothing, and the period's dates typed in full, which the year and
        // its days follow. Then a tab clicked while a field has the focus: the bar, the page and the model
        // agree on it.
        const std::tuple<const char*, const char*, const char*> casi[] = {{"intDare", "1a2.5", "12,5"},
                                                                          {"IndMedio", "99", ""},
                                                                          {"speseN", "1.850,50", "1.850,50"},
                                                                          {"ASpese", "12.5", "12,5"},
                                                                          {"fido", "1.850.000,00", "1.850.000,00"}};
        for (const auto& [campo, tasti, atteso] : casi) {
            scrivi(v, campo, QString::fromLatin1(tasti));
            QCOMPARE(testo(v, campo), QString::fromLatin1(atteso));
            QCOMPARE(qs(v.modello()[campo].testo), QString::fromLatin1(atteso));
        }
        auto* numeri = trova<QLineEdit>(v, "NumeriD");
        scrivi(v, "NumeriD", QStringLiteral("1234"));
        QTest::keyClick(numeri, Qt::Key_Backspace);
        QCOMPARE(testo(v, "NumeriD"), QStringLiteral("123"));
        QTest::keyClick(numeri, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(v, "intDare"));
        QCOMPARE(testo(v, "indMed2"), QStringLiteral("123")); // leaving the field updates the formula strip

        numeri->setFocus();
        for (int k = 0; k < 3; ++k) // an empty field again
            QTest::keyClick(numeri, Qt::Key_Backspace);
        scrivi(v, "NumeriD", QStringLiteral("1000000"));
        QTest::keyClick(numeri, Qt::Key_U, Qt::AltModifier);
        QTest::keyClick(numeri, Qt::Key_5, Qt::ControlModifier);
        QTest::keyClick(numeri, Qt::Key_U, Qt::MetaModifier);
        QTest::keyClick(numeri, Qt::Key_2, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(testo(v, "NumeriD"), QStringLiteral("1000000"));
        QCOMPARE(qs(v.modello()["NumeriD"].testo), QStringLiteral("1000000"));

        for (const auto& [campo, tasti, attesa] :
             {std::tuple{"dal", "20/05/2012", "20/05/2012"}, std::tuple{"al", "30062012", "30/06/2012"}}) {
            auto* d = trova<QDateEdit>(v, campo);
            d->setFocus();
            QTest::keyClick(d, Qt::Key_Home);
            QTest::keyClicks(d, QString::fromLatin1(tasti));
            QCOMPARE(qs(v.modello()[campo].testo), QString::fromLatin1(attesa));
        }
        QCOMPARE(qs(v.modello()["Combo1"].testo), QStringLiteral("2012"));
        QCOMPARE(qs(v.modello()["ga"].testo), QStringLiteral("36600"));

        scrivi(v, "NumeriD", QStringLiteral("123"));
        auto* schede = trova<QTabWidget>(v, "SSTab1");
        QTabBar* barra = schede->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(2).center());
        QCOMPARE(barra->currentIndex(), 2);
        QCOMPARE(schede->currentWidget()->isAncestorOf(trova(v, "txtImporto")), true);
        QCOMPARE(v.modello()["SSTab1"].selezione, 2);
        // The loan's usury frame is on its own tab only.
        QVERIFY(schede->widget(2)->isAncestorOf(trova(v, "FrameUsura")));
    }

    void calcoloCompletoAClic() {
        Vista v;
        v.ctx.stato.mascheraImporti = "###,###,##0.00";
        mostra(v);
        auto* anni = trova<QComboBox>(v, "Combo1");
        scegli(anni, anni->findText(QStringLiteral("2008")));
        QCOMPARE(testo(v, "ga"), QStringLiteral("36600"));
        QTest::mouseClick(trova(v, "Command2"), Qt::LeftButton);

        scrivi(v, "NumeriD", QStringLiteral("9125000"));
        scrivi(v, "intDare", QStringLiteral("250"));
        scrivi(v, "speseN", QStringLiteral("50"));
        scrivi(v, "Acc", QStringLiteral("100000"));
        QTest::keyClick(trova(v, "Acc"), Qt::Key_Tab);
        QCOMPARE(testo(v, "NumeriD"), QStringLiteral("9.125.000,00"));
        QTest::mouseClick(trova(v, "Command8"), Qt::LeftButton);
        QCOMPARE(testo(v, "Giorni"), QStringLiteral("91"));

        QTest::mouseClick(trova(v, "OK"), Qt::LeftButton);
        QCOMPARE(testo(v, "TegTXT"), QStringLiteral("1,053"));
        QCOMPARE(testo(v, "soglia"), QStringLiteral("14,76"));
        QVERIFY(trova(v, "TotalSpese")->isVisible());
        QTest::mouseClick(trova(v, "Command9"), Qt::LeftButton); // the other formula hides the charges' part
        QVERIFY(!trova(v, "TotalSpese")->isVisible());
        QVERIFY(v.risposte.mostrati().empty());
    }

    void mutuoRisoltoAClic() {
        Vista v;
        v.mostraScheda(2);
        mostra(v);
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

        QVERIFY(v.risposte.mostrati().empty());
        QCOMPARE(testo(v, "txtRata"), QStringLiteral("1.110,21"));
        auto* piano = trova<QListWidget>(v, "LstPianoAmm");
        QCOMPARE(piano->count(), 11 + 120);
        const QFontMetrics m(piano->font()); // the columns of the plan line up
        QCOMPARE(m.horizontalAdvance(QStringLiteral("iiii")), m.horizontalAdvance(QStringLiteral("MMMM")));
        QVERIFY(piano->isVisible());
        // The commands stand together at the top of their column, level with the loan's figures.
        int sopra = trova(v, "txtImporto")->parentWidget()->mapTo(&v, QPoint()).y(), scarto = 1;
        for (const char* n : {"CmdCalcola", "cmdStampa", "cmdEsportaXlsx", "cmdEsportaCsv"}) {
            const QWidget* b = trova(v, n);
            const int y = b->mapTo(&v, QPoint()).y();
            QVERIFY2(y >= sopra && y - sopra < scarto, n);
            sopra = y + b->height();
            scarto = b->height() / 2; // the next no further down than half a button
        }
        QCOMPARE(QApplication::focusWidget(), trova(v, "txtImporto"));
        // On a wide screen the two columns of the loan's figures share the room alike.
        v.resize(1900, v.height());
        QApplication::processEvents();
        QVERIFY(qAbs(trova(v, "txtImporto")->width() - trova(v, "txtData")->width()) <= 1);
        // However small the window, each figure of the loan shows a million whole.
        v.resize(1, 1);
        QApplication::processEvents();
        for (auto* e : trova<QTabWidget>(v, "SSTab1")->widget(2)->findChildren<QLineEdit*>())
            QVERIFY2(e->width() > e->fontMetrics().horizontalAdvance(QStringLiteral("1.000.000,00")),
                     qPrintable(e->objectName()));
    }

    // The account summary tab: an import that runs in steps, the chart's series, the account's PDF.
    void importazioneGraficoEPdfDellaPratica() {
        Vista v;
        // Before any import a sentence, no axes of nothing; then the title names the file imported.
        QCOMPARE(v.pratica().grafico()->chart()->title(), QString::fromUtf8(kGraficoVuoto));
        QVERIFY(v.pratica().grafico()->chart()->axes().isEmpty());
        // 4.800 quarters: the example account 200 times over.
        const QByteArray esempio =
            QByteArray::fromStdString(leggiTesto(VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv"));
        const qsizetype righe = esempio.indexOf('\n') + 1; // after the heading
        const std::string lungo = v.dir.file("lungo.csv");
        scriviTesto(lungo, (esempio.left(righe) + esempio.mid(righe).repeated(200)).toStdString());
        const std::set<int> visti = importa(v, lungo);
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
        const std::string altro = v.dir.file("altro-conto.csv");
        QVERIFY(std::filesystem::copy_file(VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv", altro));
        importa(v, altro);
        QVERIFY(v.pratica().grafico()->chart()->title().endsWith(QStringLiteral(": altro-conto")));
        importa(v, VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv");
        QVERIFY(v.pratica().grafico()->chart()->title().endsWith(QStringLiteral(": conto-24-trimestri")));
        // No heading of the table is cut.
        const QHeaderView* h = v.pratica().tabella()->horizontalHeader();
        for (int k = 0; k < h->count(); ++k) {
            const QString titolo = h->model()->headerData(k, Qt::Horizontal).toString();
            QVERIFY2(h->sectionSize(k) > h->fontMetrics().horizontalAdvance(titolo), qPrintable(titolo));
        }
        const auto serie = v.pratica().grafico()->chart()->series();
        QCOMPARE(serie.size(), 3);
        const auto* teg = qobject_cast<QXYSeries*>(serie[0]);
        const auto* soglia = qobject_cast<QXYSeries*>(serie[1]);
        const auto* supero = qobject_cast<QScatterSeries*>(serie[2]);
        QVERIFY(teg && soglia && supero);
        QCOMPARE(teg->count(), 24);
        QCOMPARE(teg->at(2).y(), 15.035);
        QCOMPARE(soglia->at(2).y(), 14.805);
        QCOMPARE(supero->count(), 5);
        QCOMPARE(supero->at(0), teg->at(2));
        // Every point lies within the axes, the first and the last quarter's markers whole.
        const QChart* c = v.pratica().grafico()->chart();
        const auto* asseX = qobject_cast<QDateTimeAxis*>(c->axes(Qt::Horizontal).value(0));
        const auto* asseY = qobject_cast<QValueAxis*>(c->axes(Qt::Vertical).value(0));
        QVERIFY(asseX && asseY);
        for (const QXYSeries* s : {teg, soglia, static_cast<const QXYSeries*>(supero)})
            for (const QPointF& p : s->points())
                QVERIFY(asseX->min().toMSecsSinceEpoch() < p.x() && p.x() < asseX->max().toMSecsSinceEpoch() &&
                        asseY->min() <= p.y() && p.y() <= asseY->max());

        const std::string png = v.dir.file("grafico.png");
        v.risposte.aggiungi(png);
        trova<QPushButton>(v, "SalvaGrafico")->click();
        QVERIFY(leggiTesto(png).starts_with("\x89PNG\r\n\x1A\n"));

        const std::string file = v.dir.file("pratica.pdf");
        v.risposte.aggiungi(file);
        trova<QPushButton>(v, "PdfPratica")->click();
        // Cover, table, chart, then one page for each of the five quarters over the threshold.
        QVERIFY(qs(uscitaDi("pdfinfo '" + file + "'")).contains(QRegularExpression("Pages:\\s+8\\n")));
        const QString testo = qs(uscitaDi("pdftotext -layout '" + file + "' -"));
        QVERIFY(testo.contains(QStringLiteral("Trimestri oltre la soglia: 5")));
        QCOMPARE(testo.count(QStringLiteral("RIEPILOGO ELEMENTI CALCOLO T.E.G.")), 5);
    }

    // A printed page: lines in the 10-point Courier New a document starts with, its Windows line spacing
    // apart ((1705 + 615) / 2048 em, the font's ascent and descent), then a picture taller than the room
    // left, shrunk whole: as many pixels per inch across as down, within the A4 paper, no smaller than
    // the room (no page shrunk).
    void righeEFiguraSullaPagina() {
        QImage figura(200, 800, QImage::Format_RGB32);
        figura.fill(Qt::darkBlue);
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && figura.save(&buffer, "PNG"));
        CartellaTemporanea dir;
        const std::string file = dir.file("figura.pdf");
        const auto s = pdf.apri(file);
        s->riga("prima");
        s->riga("seconda");
        s->immagine(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        QCOMPARE(qs(s->fine()), QString());
        const QString parole = qs(uscitaDi("pdftotext -bbox '" + file + "' -"));
        std::vector<double> y;
        for (auto i =
                 QRegularExpression(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>(prima|seconda)<")).globalMatch(parole);
             i.hasNext();)
            y.push_back(i.next().captured(1).toDouble());
        QVERIFY(y.size() == 2 && qAbs(y[1] - y[0] - 10 * (1705.0 + 615.0) / 2048) < 0.05);
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList c = qs(uscitaDi("pdfimages -list '" + file + "'"))
                                  .split(QLatin1Char('\n'))
                                  .value(2)
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(c.value(12), c.value(13));
        const double pollici = 800 / c.value(13).toDouble();
        QVERIFY2(pollici > 250 / 25.4 && pollici < 297 / 25.4 && 200 / c.value(12).toDouble() < 210 / 25.4,
                 qPrintable(c.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(ProvaVistaTaeg)
#include "vista_taeg_test.moc"

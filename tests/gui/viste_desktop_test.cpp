// The desktop program on a 1366x768 laptop screen: the summary window, printing through the print
// dialog, child windows inside the screen, labelled buttons and the questions before rows are lost.
#include "ambiente_prova.h"
#include "finestra_principale.h"
#include "legame_finestra.h"
#include "qt_testo.h"
#include "scelta_stampa.h"
#include "scelta_stampa_qt.h"
#include "stampante_dialogo.h"
#include "vista_generica.h"
#include "vista_taeg.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QtTest>
#include <deque>

using namespace vantrel;
using namespace vantrel::gui;
using vantrel::test::trova;

namespace {

/// The print dialog answered in advance: each answer a PDF path to print to, or empty to cancel.
struct SceltaProgrammata : SceltaStampa {
    std::deque<QString> risposte;
    QStringList proposti;
    QList<QPageLayout::Orientation> orientamenti;
    bool scegli(QPrinter& p, const QString& pdfProposto, const std::function<void(QPrinter*)>&) override {
        proposti << QFileInfo(pdfProposto).fileName();
        orientamenti << p.pageLayout().orientation();
        const QString file = risposte.empty() ? QString() : risposte.front();
        if (!risposte.empty()) risposte.pop_front();
        if (file.isEmpty()) return false;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(file);
        return true;
    }
};

/// A program with the desktop's printer on a scripted dialog, PDFs proposed in its own folder.
struct Desktop : test::AmbienteProva {
    Desktop() : stampante(impostazioni, scelta, risposte, documenti.path()), m(ctx, cartella(), &impostazioni) {
        ctx.servizi.stampante = &stampante;
        if (!m.modello().avvio()) qFatal("avvio non riuscito");
    }
    QString pdf(const char* nome) const { return documenti.filePath(QLatin1String(nome)); }
    QWidget* sotto(TipoFinestra t) const { return m.vista(t); }
    void premi(QWidget& w, const char* nome) { QTest::mouseClick(trova(w, nome), Qt::LeftButton); }

    QTemporaryDir documenti;
    QPrinter impostazioni{QPrinter::HighResolution};
    SceltaProgrammata scelta;
    StampanteDialogo stampante;
    FinestraPrincipale m;
};

bool inizioPdf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
}

} // namespace

class VisteDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::preparaProva(); }

    void summaryOpensOnceAndPrints() {
        Desktop d;
        VistaTaeg& t = *d.m.taeg();
        const int prima = static_cast<int>(d.m.area()->subWindowList().size());
        for (int k = 0; k < 2; ++k)
            d.premi(t, "SSCommand2");
        QCOMPARE(d.m.area()->subWindowList().size(), prima + 1);
        VistaGenerica* r = t.riepilogo();
        QVERIFY(r);
        QCOMPARE(d.m.area()->activeSubWindow()->widget(), r);
        QVERIFY(trova<QListWidget>(*r, "List1")->count() > 43); // the summary, then its threshold chain

        d.scelta.risposte = {d.pdf("riepilogo-calcolo.pdf")};
        d.premi(*r, "Stampa");
        QCOMPARE(d.scelta.proposti, QStringList{"riepilogo-calcolo.pdf"});
        QVERIFY(inizioPdf(d.pdf("riepilogo-calcolo.pdf")));

        d.premi(*r, "SSCommand2"); // its own "Chiudi"
        QTRY_VERIFY(!t.riepilogo());
        QCOMPARE(d.m.area()->subWindowList().size(), prima);
        d.premi(t, "SSCommand2");
        QVERIFY(t.riepilogo());
    }

    // Each document proposes its own PDF and its own orientation, whatever was printed before it.
    void eachDocumentPrintsThroughTheDialog() {
        Desktop d;
        VistaTaeg& t = *d.m.taeg();
        Taeg& w = t.modello();
        w.incolla("txtImporto", "10000");
        w.incolla("txtNumRate", "12");
        w.incolla("txtTasso", "5");
        w.clicca("CmdCalcola");
        d.m.modello().clicca("SSCommand11");
        auto* stp2 = qobject_cast<VistaGenerica*>(d.sotto(TipoFinestra::STP2));
        QVERIFY(stp2);
        d.scelta.risposte = {d.pdf("a.pdf"), d.pdf("b.pdf"), d.pdf("c.pdf")};
        d.risposte.aggiungi(Risposta::Ok); // "Accendi la Stampante"
        d.premi(t, "Stampa");
        w.clicca("cmdStampa");
        d.premi(*stp2, "Stampa");
        QCOMPARE(d.scelta.proposti, QStringList({"report-teg.pdf", "piano-ammortamento.pdf", "report.pdf"}));
        QCOMPARE(d.scelta.orientamenti, QList<QPageLayout::Orientation>(
                                            {QPageLayout::Landscape, QPageLayout::Portrait, QPageLayout::Landscape}));
        for (const char* f : {"a.pdf", "b.pdf", "c.pdf"})
            QVERIFY2(inizioPdf(d.pdf(f)), f);
    }

    // A print that failed leaves printing usable, and an existing PDF is replaced only after a question.
    void failedPrintAndExistingPdf() {
        Desktop d;
        VistaTaeg& t = *d.m.taeg();
        QFile vecchio(d.pdf("report-teg.pdf"));
        QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") && vecchio.flush());
        d.scelta.risposte = {d.pdf("manca/report-teg.pdf")};
        d.premi(t, "Stampa");
        QCOMPARE(d.risposte.mostrati().back().icona, Icona::Critica);

        // Annulla at the question: the dialog comes back; cancelled there, the old file stays.
        d.risposte.dimentica();
        d.scelta.risposte = {d.pdf("report-teg.pdf"), QString(), d.pdf("report-teg.pdf")};
        d.premi(t, "Stampa");
        QCOMPARE(d.risposte.mostrati().size(), std::size_t{1});
        QCOMPARE(d.risposte.mostrati()[0].predefinita, Risposta::Annulla);
        QVERIFY(!inizioPdf(d.pdf("report-teg.pdf")));
        d.risposte.aggiungi(Risposta::Ok);
        d.premi(t, "Stampa");
        QVERIFY(inizioPdf(d.pdf("report-teg.pdf")));
    }

    // Qt's own dialog, driven as a user would: the PDF proposed in the documents, the button's words.
    void qtDialogProposesThePdfAndSaysWhatItDoes() {
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

        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogo);
            conferma = dialogo->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            dialogo->reject();
        });
        d.m.findChild<QAction*>(QStringLiteral("ImpStamp"))->trigger();
        QCOMPARE(conferma, QStringLiteral("&Imposta"));
    }

    // "Finestra" lists the open windows; choosing one brings it forward.
    void windowMenuListsTheOpenWindows() {
        Desktop d;
        d.premi(d.m, "SSCommand13");
        QMenu* menu = d.m.menuBar()->actions().last()->menu();
        emit menu->aboutToShow();
        QList<QAction*> voci;
        for (QAction* a : menu->actions())
            if (a->isCheckable()) voci << a;
        QCOMPARE(voci.size(), 2);
        QVERIFY(voci[0]->text().contains(d.m.taeg()->windowTitle()) && !voci[0]->isChecked());
        voci[0]->trigger();
        QCOMPARE(d.m.area()->activeSubWindow()->widget(), d.m.taeg());
    }

    // The questions of the lists reach the screen: "elimina tutto" and closing with unsaved rows.
    void rowsAreNotDroppedWithoutAQuestion() {
        Desktop d;
        VistaTaeg& t = *d.m.taeg();
        t.modello().report().accoda("riga non salvata");
        t.legame().aggiorna();
        d.premi(t, "Pulisci"); // no answer: Annulla
        QCOMPARE(trova<QListWidget>(t, "List1")->count(), 4);
        QCOMPARE(qs(d.risposte.mostrati().back().testo), QString::fromUtf8(testiReport::eliminaTutto));
        d.risposte.dimentica();
        QMdiSubWindow* sub = d.m.area()->activeSubWindow();
        sub->close();
        QCOMPARE(d.risposte.mostrati().size(), std::size_t{1});
        QVERIFY(d.m.taeg());
        d.risposte.aggiungi(Risposta::Ok);
        d.premi(t, "SSCommand1"); // "Chiudi"
        QTRY_VERIFY(!d.m.taeg());
    }
};

int main(int argc, char** argv) {
    // A laptop screen: 1366x768, as the offscreen platform's only screen.
    QTemporaryFile schermo;
    if (!schermo.open()) return 1;
    schermo.write(R"({"screens": [{"name": "portatile", "x": 0, "y": 0, "width": 1366, "height": 768,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    schermo.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermo.fileName()));
    QApplication app(argc, argv);
    VisteDesktopTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "viste_desktop_test.moc"

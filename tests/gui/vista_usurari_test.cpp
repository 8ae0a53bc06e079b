#include "ambiente_prova.h"
#include "ftp_in_attesa.h"
#include "qt_testo.h"
#include "vista_soglie_ufficiali.h"
#include "vista_usurari.h"

#include <QCalendarWidget>
#include <QChart>
#include <QClipboard>
#include <QDateEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QValueAxis>
#include <atomic>
#include <chrono>
#include <thread>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

class ProvaVistaUsurari : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { preparaProva(); }

    void tassoDigitatoAttraversoIlFiltroPoiSalvato() {
        VistaProva<VistaUsurari> v;
        mostra(v);
        // The title stands out in larger bold type; each label is beside the control it names.
        const QFont titolo = trova(v, "SSPanel1")->font();
        QVERIFY(titolo.bold() && titolo.pointSizeF() > 1.2 * v.font().pointSizeF());
        QCOMPARE(etichetteLontane(v), QStringList());
        QCOMPARE(controlliNonUnici(v, v.modello().schema()), QStringList());
        auto* tm1 = trova<QLineEdit>(v, "TM1");
        tm1->setFocus();
        tm1->selectAll();
        QTest::keyClick(tm1, Qt::Key_Backspace);
        QTest::keyClicks(tm1, QStringLiteral("5a.5,."));
        QCOMPARE(tm1->text(), QStringLiteral("5,5"));
        QTest::keyClick(tm1, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), trova(v, "TU1"));
        QCOMPARE(testo(v, "TM1"), QStringLiteral("5,50"));
        QCOMPARE(testo(v, "TU1"), QStringLiteral("10,875")); // no quarter chosen yet: today's rule, x 1,25 + 4

        scegli(trova<QComboBox>(v, "Combo1"), 0);
        scegli(trova<QComboBox>(v, "Combo2"), 0); // 1997: its first quarter is not stored yet
        auto* lista = trova<QListWidget>(v, "List1");
        const int righe = lista->count();
        QTest::mouseClick(trova(v, "OK"), Qt::LeftButton);
        QVERIFY(v.risposte.mostrati().empty());
        QCOMPARE(lista->count(), righe + 4);
    }

    // A date picked on the calendar field changes the categories, the figures and the chart.
    void dataSceltaAggiornaCifreEGrafico() {
        VistaProva<VistaSoglieUfficiali> v(true);
        mostra(v);
        auto* categoria = trova<QComboBox>(v, "cboCategoria");
        scegli(categoria, categoria->findText(QStringLiteral("Credito revolving")));
        trova<QDateEdit>(v, "txtData")->setDate(QDate(2018, 2, 20));
        QCOMPARE(categoria->currentText(), QStringLiteral("CREDITO REVOLVING (dal 1° gennaio 2010)"));
        QCOMPARE(testo(v, "txtSogliaRegola"), QStringLiteral("24,1488"));
        const QList<QAbstractSeries*> serie = v.grafico()->series();
        QCOMPARE(serie.size(), 3); // TEGM, threshold, the date
        QCOMPARE(serie[2]->name(), QStringLiteral("20/02/2018"));
        QCOMPARE(static_cast<QLineSeries*>(serie[0])->count(), 2 * static_cast<int>(v.modello().andamento().size()));
        for (QAbstractSeries* s : serie) // every point within the axes
            for (const QPointF& p : static_cast<QLineSeries*>(s)->points())
                for (QAbstractAxis* a : s->attachedAxes()) {
                    const auto* asse = qobject_cast<QValueAxis*>(a);
                    const qreal c = a->orientation() == Qt::Horizontal ? p.x() : p.y();
                    QVERIFY(asse && asse->min() <= c && c <= asse->max());
                }
    }

    // A date written in full is taken in full, however it is written: typed key by key with or
    // without separators, pasted, stepped with the arrows, picked on the calendar. On 20/05/2011
    // the first class of credit lines has the new rule's threshold 11,10 x 1,25 + 4 = 17,875; on
    // 09/05/2011 the old rule's 11,10 x 1,5 = 16,65.
    void laDataScrittaEPresaIntera() {
        VistaProva<VistaSoglieUfficiali> v(true);
        mostra(v);
        auto* data = trova<QDateEdit>(v, "txtData");
        const auto digita = [&](const QString& tasti) {
            data->setFocus();
            QTest::keyClick(data, Qt::Key_Home); // from the day, wherever the caret was
            for (const QChar c : tasti)
                QTest::keyClick(data, c.toLatin1());
        };
        const std::tuple<const char*, const char*, const char*, std::function<void()>> casi[] = {
            {"digitata", "20/05/2011", "17,8750", [&] { digita(QStringLiteral("20/05/2011")); }},
            {"senza separatori", "20/05/2011", "17,8750", [&] { digita(QStringLiteral("20052011")); }},
            {"mese di una cifra", "20/05/2011", "17,8750", [&] { digita(QStringLiteral("20/5/2011")); }},
            {"vecchia norma", "09/05/2011", "16,6500", [&] { digita(QStringLiteral("09/05/2011")); }},
            {"incollata", "20/05/2011", "17,8750",
             [&] {
                 QGuiApplication::clipboard()->setText(QStringLiteral("20/05/2011"));
                 QTest::keyClick(data, Qt::Key_V, Qt::ControlModifier);
             }},
            {"frecce", "20/05/2011", "17,8750",
             [&] {
                 digita(QStringLiteral("19/05/2011"));
                 QTest::keyClick(data, Qt::Key_Home);
                 QTest::keyClick(data, Qt::Key_Up);
             }},
            {"calendario", "20/05/2011", "17,8750",
             [&] {
                 digita(QStringLiteral("19/05/2011"));
                 const QPoint freccia(data->width() - 6, data->height() / 2);
                 QTest::mouseMove(data, freccia);
                 QTest::mouseClick(data, Qt::LeftButton, {}, freccia);
                 QTRY_VERIFY(data->calendarWidget()->isVisible());
                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
             }},
        };
        for (const auto& [nome, attesa, soglia, scrivi] : casi) {
            digita(QStringLiteral("01/01/2020"));
            scrivi();
            QCOMPARE(qs(v.modello()["txtData"].testo), QString::fromLatin1(attesa));
            QCOMPARE(data->text(), QString::fromLatin1(attesa));
            QCOMPARE(testo(v, "txtSogliaRegola"), QString::fromLatin1(soglia));
        }
    }

    // While the transfer runs the screen repaints, clicks reach only the Annulla button, and Annulla
    // stops the transfer.
    void duranteLAttesaSoloAnnullaPrendeIClic() {
        struct Lento : ClientRete {
            std::atomic<bool> fermo{false};
            void azzera() override {}
            void annulla() override { fermo = true; }
            EsitoTrasferimento scarica(const Trasferimento&) override {
                for (int i = 0; i < 300 && !fermo; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                EsitoTrasferimento e;
                e.stato = fermo ? EsitoTrasferimento::Stato::Annullato : EsitoTrasferimento::Stato::Ok;
                return e;
            }
        } lento;
        gui::FtpInAttesa rete(lento);
        QWidget w;
        auto* altro = new QPushButton(QStringLiteral("altro"), &w);
        auto* annulla = new QPushButton(QStringLiteral("Annulla"), &w);
        annulla->move(0, 40);
        annulla->setProperty(gui::kAttivoInAttesa, true);
        QObject::connect(annulla, &QPushButton::clicked, [&] { rete.annulla(); });
        int altri = 0, battiti = 0;
        QObject::connect(altro, &QPushButton::clicked, [&] { ++altri; });
        mostra(w);
        QTimer orologio;
        const auto clic = [&](QWidget* b) { // through the window, as the screen's clicks arrive
            QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, b->geometry().center());
        };
        QObject::connect(&orologio, &QTimer::timeout, [&] {
            if (++battiti == 5) clic(altro);
            if (battiti == 10) clic(annulla);
        });
        orologio.start(20);
        QElapsedTimer tempo;
        tempo.start();
        const EsitoTrasferimento e = rete.scarica({});
        QCOMPARE(e.stato, EsitoTrasferimento::Stato::Annullato);
        QVERIFY(tempo.elapsed() < 2000);
        QCOMPARE(altri, 0);
    }
};

QTEST_MAIN(ProvaVistaUsurari)
#include "vista_usurari_test.moc"

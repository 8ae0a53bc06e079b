// The case window on the real widgets: a movement typed and added with the mouse, selected in the
// grid, deleted with Canc and brought back with Ctrl+Z and Ctrl+Y, a cell corrected with F2, an
// import cancelled from its progress bar, and a new case that asks before it closes. Its page
// "Addebiti banca": a word typed and its kind chosen, a period's charges added with the mouse, each
// change reaching the case file at once. Its tab "Ricalcolo" over the recalculation's worked example
// (tools/ricalcolo_atteso.py): a choice picked in its combo with the keyboard, and the grid, the
// figures and the chart following.
#include "ambiente_prova.h"
#include "case_window/finestra_pratica.h"
#include "legame_finestra.h"
#include "pagine_addebiti.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/lettore_xlsx_file.h"
#include "support/conto_ricalcolo.h"
#include "vista_finestra_pratica.h"
#include "vista_ricalcolo.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <memory>

using namespace vantrel;
using namespace vantrel::gui;
using namespace vantrel::test;

namespace {

struct AmbientePratica : AmbienteProva {
    AmbientePratica() {
        ctx.servizi.bancheDati = &sqlite;
        ctx.servizi.lettoreXlsx = &xlsx;
    }
    std::unique_ptr<FinestraPratica> pratica(bool nuova = false) {
        std::string errore;
        auto p = Pratica::crea(sqlite, dir.file("conto.vantrel"), errore);
        return std::make_unique<FinestraPratica>(ctx, std::move(p), nuova, nuova ? "Nuova pratica 1" : "");
    }
    BancheDatiSqlite sqlite;
    LettoreXlsxFile xlsx;
};

/// The case window on a case file of its own, shown and active.
struct PraticaAperta : AmbientePratica, VistaFinestraPratica {
    explicit PraticaAperta(bool nuova = false) : VistaFinestraPratica(pratica(nuova)) { mostra(*this); }
};

/// A click on the tab of the case window, which then shows it.
void scheda(QWidget& v, int indice) {
    QTabBar* barra = trova<QTabWidget>(v, "SchedePratica")->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(indice).center());
    QTRY_COMPARE(trova<QTabWidget>(v, "SchedePratica")->currentIndex(), indice);
}

void clicCella(QTableView* t, int riga, int colonna) {
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(riga, colonna)).center());
}

QString cella(QTableView* t, int riga, int colonna) {
    return t->model()->index(riga, colonna).data().toString();
}

/// F2 on a cell, its text replaced, Enter.
void correggi(QTableView* t, int riga, int colonna, const QString& testo) {
    clicCella(t, riga, colonna);
    QTest::keyClick(t, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, testo);
    QTest::keyClick(editor, Qt::Key_Return);
}

} // namespace

class ProvaVistaFinestraPratica : public QObject {
    Q_OBJECT

    static QString atteso(const char* caso, const char* colonna) {
        return QString::fromStdString(esitoAtteso(caso).at(colonna));
    }

private slots:
    void initTestCase() { preparaProva(); }

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

    void sceltaNellaComboCambiaLaTabella() {
        AmbientePratica a;
        caricaTassiEsempio(a.ctx.stato.tassi);
        const std::string path = a.dir.cartella() + "conto.vantrel";
        praticaEsempio(a.sqlite, path, a.dir.cartella());
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

QTEST_MAIN(ProvaVistaFinestraPratica)
#include "vista_finestra_pratica_test.moc"

#pragma once

// The case window's view tests: a case file in a scratch folder, and the keys and clicks they share.
#include "ambiente_prova.h"
#include "case_window/finestra_pratica.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/lettore_xlsx_file.h"
#include "vista_finestra_pratica.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <memory>

namespace vantrel::test {

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
struct PraticaAperta : AmbientePratica, gui::VistaFinestraPratica {
    explicit PraticaAperta(bool nuova = false) : gui::VistaFinestraPratica(pratica(nuova)) { mostra(*this); }
};

/// A click on the tab of the case window, which then shows it.
inline void scheda(QWidget& v, int indice) {
    QTabBar* barra = trova<QTabWidget>(v, "SchedePratica")->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(indice).center());
    QTRY_COMPARE(trova<QTabWidget>(v, "SchedePratica")->currentIndex(), indice);
}

inline void clicCella(QTableView* t, int riga, int colonna) {
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(riga, colonna)).center());
}

inline QString cella(QTableView* t, int riga, int colonna) {
    return t->model()->index(riga, colonna).data().toString();
}

/// F2 on a cell, its text replaced, Enter.
inline void correggi(QTableView* t, int riga, int colonna, const QString& testo) {
    clicCella(t, riga, colonna);
    QTest::keyClick(t, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, testo);
    QTest::keyClick(editor, Qt::Key_Return);
}

} // namespace vantrel::test

#pragma once

// The case window's view tests: a case file in a scratch folder, and the keys and clicks they share.
#include "ambiente_prova.h"
#include "case_window/finestra_pratica.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/lettore_xlsx_file.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace vantrel::test {

struct AmbientePratica : AmbienteProva {
    AmbientePratica() {
        ctx.servizi.bancheDati = &sqlite;
        ctx.servizi.lettoreXlsx = &xlsx;
    }
    std::unique_ptr<FinestraPratica> pratica(bool nuova = false) {
        std::string errore;
        auto p = Pratica::crea(sqlite, dir.filePath(QStringLiteral("conto.vantrel")).toStdString(), errore);
        return std::make_unique<FinestraPratica>(ctx, std::move(p), nuova, nuova ? "Nuova pratica 1" : "");
    }
    BancheDatiSqlite sqlite;
    LettoreXlsxFile xlsx;
};

inline void scrivi(QWidget& v, const char* campo, const QString& testo) {
    auto* e = trova<QLineEdit>(v, campo);
    e->setFocus();
    QTest::keyClicks(e, testo);
}

inline void clicca(QWidget& v, const char* pulsante) {
    QTest::mouseClick(trova<QPushButton>(v, pulsante), Qt::LeftButton);
}

inline void clicCella(QTableView* t, int riga, int colonna) {
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(riga, colonna)).center());
}

inline QString cella(QTableView* t, int riga, int colonna) {
    return t->model()->index(riga, colonna).data().toString();
}

} // namespace vantrel::test

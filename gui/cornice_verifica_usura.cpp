#include "cornice_verifica_usura.h"

#include "font_fisso.h"
#include "legame_finestra.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vantrel::gui {

QGroupBox* corniceVerificaUsura(LegameFinestra& legame, QWidget* genitore) {
    auto* box = new QGroupBox(QStringLiteral("Verifica usura"), genitore);
    auto* g = new QGridLayout(box);
    int r = 0;
    const auto riga = [&](const char* testo, const char* nome) {
        auto* l = new QLabel(QString::fromUtf8(testo), box);
        QWidget* w = legame.crea(nome, box);
        l->setBuddy(w);
        g->addWidget(l, r, 0);
        g->addWidget(w, r++, 1);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setMinimumWidth(110);
    };
    riga("Data del contratto", "txtDataContratto");
    riga("Categoria", "cmbTipoOperazione");
    riga("Spese iniziali nel TEG", "txtSpeseIstruttoria");
    riga("Assicurazione", "txtAssicurazione");
    riga("Mediazione", "txtMediazione");
    riga("Tasso di mora %", "txtTassoMora");
    g->addWidget(legame.crea("chkMoraSommata", box), r++, 0, 1, 2);
    g->addWidget(legame.crea("cmdVerificaUsura", box), r++, 0, 1, 2);
    riga("TEG usura %", "txtTegUsura");
    riga("Soglia %", "txtSogliaUsura");
    riga("Esito", "txtEsitoUsura");
    riga("Soglia di mora %", "txtSogliaMora");
    riga("Esito mora", "txtEsitoMora");
    auto* fonte = qobject_cast<QListWidget*>(legame.crea("lstFonteSoglia", box));
    if (fonte) fonte->setMinimumHeight(90);
    g->addWidget(fonte, r++, 0, 1, 2);
    g->setColumnStretch(1, 1);
    return box;
}

} // namespace vantrel::gui

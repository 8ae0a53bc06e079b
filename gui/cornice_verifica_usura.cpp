#include "cornice_verifica_usura.h"

#include "font_fisso.h"
#include "legame_finestra.h"
#include "loan/verifica_usura.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vantrel::gui {

QGroupBox* corniceVerificaUsura(LegameFinestra& legame, QWidget* genitore) {
    const auto& c = controlli<ControlliVerificaUsura>(legame.finestra().schema());
    auto* box = qobject_cast<QGroupBox*>(legame.crea(c.cornice, genitore)); // its own control: on no other tab
    auto* g = new QGridLayout(box);
    int r = 0;
    const auto riga = [&](const char* testo, int id) {
        auto* l = new QLabel(QString::fromUtf8(testo), box);
        QWidget* w = legame.crea(id, box);
        l->setBuddy(w);
        g->addWidget(l, r, 0);
        g->addWidget(w, r++, 1);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setMinimumWidth(110);
    };
    riga("Data del contratto", c.dataContratto);
    riga("Categoria", c.tipoOperazione);
    riga("Intermediario", c.intermediario);
    riga("Spese di istruttoria nel TEG", c.speseIstruttoria);
    riga("Perizia", c.perizia);
    riga("Assicurazione", c.assicurazione);
    riga("Mediazione", c.mediazione);
    riga("Tasso di mora %", c.tassoMora);
    g->addWidget(legame.crea(c.moraSommata, box), r++, 0, 1, 2);
    g->addWidget(legame.crea(c.verifica, box), r++, 0, 1, 2);
    riga("TEG usura %", c.tegUsura);
    riga("Soglia %", c.soglia);
    riga("Esito", c.esito);
    riga("Soglia di mora %", c.sogliaMora);
    riga("Esito mora", c.esitoMora);
    auto* fonte = qobject_cast<QListWidget*>(legame.crea(c.fonteSoglia, box));
    if (fonte) fonte->setMinimumHeight(90);
    g->addWidget(fonte, r++, 0, 1, 2);
    g->setColumnStretch(1, 1);
    return box;
}

} // namespace vantrel::gui

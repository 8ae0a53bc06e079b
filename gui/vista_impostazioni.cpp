#include "vista_impostazioni.h"

#include "icone.h"
#include "legame_finestra.h"
#include "qt_testo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel::gui {

VistaImpostazioni::VistaImpostazioni(Contesto& ctx, QWidget* parent)
    : QWidget(parent), modello_(std::make_unique<FinestraImpostazioni>(ctx)),
      legame_(new LegameFinestra(*modello_, this)) {
    setWindowTitle(qs(modello_->schema().titolo()));
    const auto& c = controlli<ControlliImpostazioni>(modello_->schema());
    auto* v = new QVBoxLayout(this);
    auto* titolo = qobject_cast<QLabel*>(legame_->crea(c.titolo, this));
    QFont f = titolo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    titolo->setFont(f);
    v->addWidget(titolo);

    auto* g = new QGridLayout;
    const auto riga = [&](int r, int etichetta, int campo) {
        g->addWidget(legame_->crea(etichetta, this), r, 0);
        g->addWidget(legame_->crea(campo, this), r, 1);
    };
    riga(0, c.etichettaDecimali, c.decimali);
    riga(1, c.etichettaNomeUtente, c.nomeUtente);
    riga(2, c.etichettaPassword, c.password);
    legame_->w<QLineEdit>(c.password)->setEchoMode(QLineEdit::Password);
    g->addWidget(legame_->crea(c.accessoConPassword, this), 3, 1, Qt::AlignLeft); // clicks beside its text miss it
    v->addLayout(g);

    auto* riquadri = new QHBoxLayout;
    auto* colonna = new QVBoxLayout;
    colonna->addWidget(corniceStampa());
    colonna->addWidget(corniceDivisore());
    riquadri->addLayout(colonna);
    riquadri->addWidget(corniceServer(), 1);
    v->addLayout(riquadri);

    auto* cms = legame_->crea(c.corniceCms, this);
    auto* hc = new QHBoxLayout(cms);
    hc->addWidget(legame_->crea(c.cmsSeparata, cms));
    hc->addWidget(legame_->crea(c.cmsNelTeg, cms));
    hc->addStretch();
    v->addWidget(cms);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (auto [id, figura] : {std::pair{c.salva, Icona::Conferma}, std::pair{c.esci, Icona::Uscita}}) {
        auto* b = qobject_cast<QPushButton*>(legame_->crea(id, this));
        b->setIcon(icona(figura));
        b->setIconSize(QSize(32, 32));
        pulsanti->addWidget(b);
    }
    v->addLayout(pulsanti);

    legame_->ordinaTab();
    legame_->dopoEvento([this] {
        if (modello_->chiusa()) emit chiusa();
    });
    legame_->aggiorna();
}

// The print orientation and the lines per page.
QWidget* VistaImpostazioni::corniceStampa() {
    const auto& c = controlli<ControlliImpostazioni>(modello_->schema());
    auto* frame = legame_->crea(c.corniceOrientamento, this);
    auto* gf = new QGridLayout(frame);
    gf->addWidget(legame_->crea(c.verticale, frame), 0, 0);
    gf->addWidget(legame_->crea(c.orizzontale, frame), 0, 1);
    gf->addWidget(legame_->crea(c.etichettaRighe, frame), 1, 0, 1, 2);
    gf->addWidget(legame_->crea(c.righeVerticale, frame), 2, 0);
    gf->addWidget(legame_->crea(c.righeOrizzontale, frame), 2, 1);
    auto* nota = qobject_cast<QLabel*>(legame_->crea(c.nota, frame));
    nota->setWordWrap(true);
    gf->addWidget(nota, 3, 0, 1, 2);
    return frame;
}

// The days of the year of the TEG formulas.
QWidget* VistaImpostazioni::corniceDivisore() {
    const auto& c = controlli<ControlliImpostazioni>(modello_->schema());
    auto* divisore = legame_->crea(c.corniceDivisore, this);
    auto* gd = new QVBoxLayout(divisore);
    gd->addWidget(legame_->crea(c.divisoreSempre365, divisore));
    gd->addWidget(legame_->crea(c.divisoreBisestile, divisore));
    return divisore;
}

// The server of the rate-set download.
QWidget* VistaImpostazioni::corniceServer() {
    const auto& c = controlli<ControlliImpostazioni>(modello_->schema());
    auto* server = legame_->crea(c.corniceServer, this);
    auto* gs = new QGridLayout(server);
    const auto rigaServer = [&](int r, int etichetta, int campo) {
        gs->addWidget(legame_->crea(etichetta, server), r, 0);
        gs->addWidget(legame_->crea(campo, server), r, 1);
    };
    rigaServer(0, c.etichettaTipoServer, c.tipoServer);
    rigaServer(1, c.etichettaIndirizzoServer, c.indirizzoServer);
    rigaServer(2, c.etichettaUtenteServer, c.utenteServer);
    rigaServer(3, c.etichettaPasswordServer, c.passwordServer);
    legame_->w<QLineEdit>(c.passwordServer)->setEchoMode(QLineEdit::Password);
    gs->addWidget(legame_->crea(c.ftpSenzaTls, server), 4, 1, Qt::AlignLeft);
    rigaServer(5, c.etichettaCertificati, c.certificati);
    legame_->w<QLineEdit>(c.indirizzoServer)->setMinimumWidth(360);
    return server;
}

VistaImpostazioni::~VistaImpostazioni() {
    delete legame_; // no event may reach the model while the widgets go
}

} // namespace vantrel::gui

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
    auto* v = new QVBoxLayout(this);
    auto* titolo = qobject_cast<QLabel*>(legame_->crea("Titolo", this));
    QFont f = titolo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    titolo->setFont(f);
    v->addWidget(titolo);

    auto* g = new QGridLayout;
    const auto riga = [&](int r, const char* etichetta, const char* campo) {
        g->addWidget(legame_->crea(etichetta, this), r, 0);
        g->addWidget(legame_->crea(campo, this), r, 1);
    };
    riga(0, "LblDecimali", "decimali");
    riga(1, "LblNomeUt", "NomeUt");
    riga(2, "LblPassW", "PassW");
    legame_->w<QLineEdit>("PassW")->setEchoMode(QLineEdit::Password);
    g->addWidget(legame_->crea("accesso", this), 3, 1, Qt::AlignLeft); // clicks beside its text miss it
    v->addLayout(g);

    auto* frame = legame_->crea("Frame1", this);
    auto* gf = new QGridLayout(frame);
    gf->addWidget(legame_->crea("verticale", frame), 0, 0);
    gf->addWidget(legame_->crea("orizzontale", frame), 0, 1);
    gf->addWidget(legame_->crea("LblRighe", frame), 1, 0, 1, 2);
    gf->addWidget(legame_->crea("LineVer", frame), 2, 0);
    gf->addWidget(legame_->crea("lineor", frame), 2, 1);
    auto* nota = qobject_cast<QLabel*>(legame_->crea("Nota", frame));
    nota->setWordWrap(true);
    gf->addWidget(nota, 3, 0, 1, 2);
    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(frame);

    auto* server = legame_->crea("FrameServer", this);
    auto* gs = new QGridLayout(server);
    const auto rigaServer = [&](int r, const char* etichetta, const char* campo) {
        gs->addWidget(legame_->crea(etichetta, server), r, 0);
        gs->addWidget(legame_->crea(campo, server), r, 1);
    };
    rigaServer(0, "LblTipoServer", "TipoServer");
    rigaServer(1, "LblIndirizzoServer", "IndirizzoServer");
    rigaServer(2, "LblUtenteServer", "UtenteServer");
    rigaServer(3, "LblPasswordServer", "PasswordServer");
    legame_->w<QLineEdit>("PasswordServer")->setEchoMode(QLineEdit::Password);
    gs->addWidget(legame_->crea("FtpSenzaTls", server), 4, 1, Qt::AlignLeft);
    rigaServer(5, "LblCertificati", "Certificati");
    legame_->w<QLineEdit>("IndirizzoServer")->setMinimumWidth(360);
    riquadri->addWidget(server, 1);
    v->addLayout(riquadri);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (const char* nome : {"Salva", "Command3D8"}) {
        auto* b = qobject_cast<QPushButton*>(legame_->crea(nome, this));
        b->setIcon(icona(QString::fromLatin1(nome)));
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

VistaImpostazioni::~VistaImpostazioni() {
    delete legame_; // no event may reach the model while the widgets go
}

} // namespace vantrel::gui

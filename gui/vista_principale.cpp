#include "vista_principale.h"

#include "icone.h"
#include "legame_finestra.h"
#include "qt_testo.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "scelta_stampa_qt.h"
#include "vista_accesso.h"
#include "vista_calendario.h"
#include "vista_generica.h"
#include "vista_impostazioni.h"
#include "vista_soglie_ufficiali.h"
#include "vista_taeg.h"
#include "vista_usurari.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vantrel::gui {
namespace {

Dimensioni dimensioni(const QSize& s) {
    return {twips(s.width()), twips(s.height())};
}

/// A position that keeps a window of `dimensione` inside `spazio` whenever it fits at all.
QPoint dentro(QPoint p, const QSize& dimensione, const QSize& spazio) {
    return {std::clamp(p.x(), 0, std::max(0, spazio.width() - dimensione.width())),
            std::clamp(p.y(), 0, std::max(0, spazio.height() - dimensione.height()))};
}

} // namespace

VistaPrincipale::VistaPrincipale(Contesto& ctx, const std::string& cartella, QPrinter* printer)
    : ctx_(ctx), printer_(printer) {
    modello_ = std::make_unique<FinestraPrincipale>(ctx_, *this, cartella);
    legame_ = new LegameFinestra(*modello_, this);
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(qs(modello_->schema().titolo()));
    auto* centro = new QWidget(this);
    auto* v = new QVBoxLayout(centro);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    auto* fascia = new QWidget(centro);
    fascia->setFixedHeight(52);
    fascia->setAutoFillBackground(true);
    v->addWidget(fascia);
    pannello_ = new QWidget(fascia);
    pannello_->setObjectName(QStringLiteral("pannello2"));
    area_ = new QMdiArea(centro);
    area_->setBackground(QColor(0x6d, 0x83, 0x9c));
    v->addWidget(area_);
    setCentralWidget(centro);
    costruisciMenu();
    costruisciPannello();
    legame_->aggiorna();
    resize(1100, 820);
    // The screen's own size arrives after the windows opened (a maximized frame): they follow it.
    area_->viewport()->installEventFilter(this);
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w && w->widget() == vista(TipoFinestra::Taeg)) centraTaeg();
    });
}

VistaPrincipale::~VistaPrincipale() {
    // The views go first: their closing reaches the model, which is about to go.
    for (auto& [tipo, v] : viste_)
        delete v.data();
    delete legame_;
}

void VistaPrincipale::costruisciMenu() {
    const Schema& s = modello_->schema();
    std::map<std::string, QMenu*> menu;
    for (std::size_t i = 0; i < s.dimensione(); ++i) {
        const DefinizioneControllo& d = s.definizione(static_cast<int>(i));
        if (d.gruppo == kGruppoPannello) continue;
        QMenu*& m = menu[d.gruppo];
        if (!m) m = menuBar()->addMenu(qs(d.gruppo));
        if (d.tipo == Tipo::Linea) {
            m->addSeparator();
            continue;
        }
        if (d.gruppo == "Finestra" && m->actions().isEmpty())
            connect(m, &QMenu::aboutToShow, this, [this, m] { elencaFinestre(m); });
        QAction* a = m->addAction(qs(d.testo));
        a->setObjectName(qs(d.nome));
        a->setEnabled((*modello_)[static_cast<int>(i)].abilitato);
        const int id = static_cast<int>(i);
        connect(a, &QAction::triggered, this, [this, id] {
            modello_->clicca(id);
            legame_->aggiorna();
        });
    }
}

void VistaPrincipale::costruisciPannello() {
    auto* h = new QHBoxLayout(pannello_);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(4);
    const auto& c = controlli<ControlliPrincipale>(modello_->schema());
    const std::pair<int, Icona> pulsanti[] = {{c.pulsanteTeg, Icona::Percento},
                                              {c.pulsanteTassi, Icona::Tabella},
                                              {c.pulsanteSoglieUfficiali, Icona::Andamento},
                                              {c.pulsanteReport, Icona::Documento},
                                              {c.pulsantePiano, Icona::Piano},
                                              {c.pulsanteCalendario, Icona::Calendario},
                                              {c.pulsanteCalcolatrice, Icona::Calcolatrice},
                                              {c.pulsantePreferenze, Icona::Preferenze},
                                              {c.pulsanteUscita, Icona::Uscita}};
    for (auto [id, figura] : pulsanti) {
        auto* b = new QToolButton(pannello_);
        b->setIcon(icona(figura));
        b->setIconSize(QSize(32, 32));
        b->setAutoRaise(true);
        legame_->lega(id, b);
        h->addWidget(b);
    }
    pannello_->adjustSize();
}

QWidget* VistaPrincipale::vista(TipoFinestra tipo) const {
    const auto it = viste_.find(tipo);
    return it == viste_.end() ? nullptr : it->second.data();
}

VistaTaeg* VistaPrincipale::taeg() const {
    return qobject_cast<VistaTaeg*>(vista(TipoFinestra::Taeg));
}

bool VistaPrincipale::disponibile(TipoFinestra tipo) const {
    return tipo == TipoFinestra::Taeg || tipo == TipoFinestra::Calendario || tipo == TipoFinestra::Impostazioni ||
           tipo == TipoFinestra::Usurari || tipo == TipoFinestra::GestoreReport ||
           tipo == TipoFinestra::SoglieUfficiali;
}

void VistaPrincipale::elencaFinestre(QMenu* menu) {
    qDeleteAll(vociFinestre_);
    vociFinestre_.clear();
    const QList<QMdiSubWindow*> finestre = area_->subWindowList();
    if (!finestre.isEmpty()) vociFinestre_ << menu->addSeparator();
    int n = 0;
    for (QMdiSubWindow* sub : finestre) {
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == area_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (!sub) return;
            if (sub->isMinimized()) sub->showNormal();
            area_->setActiveSubWindow(sub);
        });
        vociFinestre_ << a;
    }
}

void VistaPrincipale::contieniFiglie() const {
    const QSize spazio = area_->viewport()->size();
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (sub->isMinimized() || sub->isMaximized()) continue;
        if (sub->width() > spazio.width() || sub->height() > spazio.height())
            sub->resize(sub->size().boundedTo(spazio).expandedTo(sub->minimumSizeHint()));
        sub->move(dentro(sub->pos(), sub->size(), spazio));
    }
}

void VistaPrincipale::adatta(QMdiSubWindow* sub) const {
    const QSize spazio = area_->viewport()->size();
    sub->resize(sub->sizeHint().expandedTo(sub->minimumSizeHint()).boundedTo(spazio));
    sub->move(dentro(sub->pos(), sub->size(), spazio));
}

QMdiSubWindow* VistaPrincipale::aggiungi(QWidget* vista) {
    vista->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area_->addSubWindow(vista);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(vista->windowTitle());
    adatta(sub);
    return sub;
}

QMdiSubWindow* VistaPrincipale::figlia(QWidget* vista, TipoFinestra tipo) {
    QMdiSubWindow* sub = aggiungi(vista);
    connect(vista, &QObject::destroyed, this, [this, tipo] { modello_->finestraChiusa(tipo); });
    return sub;
}

void VistaPrincipale::crea(TipoFinestra tipo, int scheda) {
    switch (tipo) {
    case TipoFinestra::Taeg: {
        auto* v = new VistaTaeg(ctx_);
        viste_[tipo] = v;
        if (scheda >= 0) v->mostraScheda(scheda);
        QMdiSubWindow* sub = figlia(v, tipo);
        connect(v, &VistaTaeg::chiusa, sub, &QWidget::close);
        connect(v, &VistaTaeg::finestraAperta, this, [this](QWidget* w) { aggiungi(w)->show(); });
        // When it loads, the window sits 1000 twips from the top, centred across.
        sub->move(dentro({(width() - sub->width()) / 2, px(1000) - 52}, sub->size(), area_->viewport()->size()));
        sub->show();
        break;
    }
    case TipoFinestra::Impostazioni: {
        auto* v = new VistaImpostazioni(ctx_);
        viste_[tipo] = v;
        QMdiSubWindow* sub = figlia(v, tipo);
        connect(v, &VistaImpostazioni::chiusa, sub, &QWidget::close);
        sub->show();
        break;
    }
    case TipoFinestra::Calendario: {
        auto* v = new VistaCalendario(ctx_, this);
        v->setAttribute(Qt::WA_DeleteOnClose);
        viste_[tipo] = v;
        connect(v, &QObject::destroyed, this, [this] { modello_->finestraChiusa(TipoFinestra::Calendario); });
        v->show();
        break;
    }
    case TipoFinestra::Usurari: {
        auto* v = new VistaUsurari(ctx_);
        viste_[tipo] = v;
        QMdiSubWindow* sub = figlia(v, tipo);
        connect(v, &VistaUsurari::chiusa, sub, &QWidget::close);
        sub->show();
        break;
    }
    case TipoFinestra::SoglieUfficiali: {
        auto* v = new VistaSoglieUfficiali(ctx_);
        viste_[tipo] = v;
        QMdiSubWindow* sub = figlia(v, tipo);
        connect(v, &VistaSoglieUfficiali::chiusa, sub, &QWidget::close);
        sub->show();
        break;
    }
    case TipoFinestra::GestoreReport: {
        auto modello = std::make_unique<GestoreReport>(ctx_);
        GestoreReport* stp2 = modello.get();
        auto* v = new VistaGenerica(std::move(modello));
        stp2->nuovaFinestra = [this] { crea(TipoFinestra::GestoreReport, -1); };
        v->chiusuraConsentita = [stp2] { return stp2->lista().chiusuraConfermata(); };
        viste_[tipo] = v;
        QMdiSubWindow* sub = figlia(v, tipo);
        connect(v, &VistaGenerica::chiusa, sub, &QWidget::close);
        sub->show();
        break;
    }
    }
}

void VistaPrincipale::primoPiano(TipoFinestra tipo, int, int scheda) {
    QWidget* v = vista(tipo);
    if (!v) return;
    if (auto* t = qobject_cast<VistaTaeg*>(v); t && scheda >= 0) t->mostraScheda(scheda);
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (sub->widget() == v) {
            if (sub->isMinimized()) sub->showNormal();
            area_->setActiveSubWindow(sub);
            return;
        }
    v->showNormal();
    v->raise();
    v->activateWindow();
}

void VistaPrincipale::affianca(bool orizzontale) {
    QList<QMdiSubWindow*> finestre;
    for (QMdiSubWindow* w : area_->subWindowList())
        if (!w->isMinimized()) finestre << w;
    if (finestre.isEmpty()) return;
    const QRect r = area_->viewport()->rect();
    const int n = static_cast<int>(finestre.size());
    for (int k = 0; k < n; ++k) {
        finestre[k]->showNormal();
        if (orizzontale)
            finestre[k]->setGeometry(0, r.height() * k / n, r.width(), r.height() / n);
        else
            finestre[k]->setGeometry(r.width() * k / n, 0, r.width() / n, r.height());
    }
}

void VistaPrincipale::disponi(Disposizione d) {
    switch (d) {
    case Disposizione::Sovrapponi:
        area_->cascadeSubWindows();
        break;
    case Disposizione::AffiancaOrizzontalmente:
        affianca(true);
        break;
    case Disposizione::AffiancaVerticalmente:
        affianca(false);
        break;
    case Disposizione::DisponiIcone: {
        int x = 0;
        const int y = area_->viewport()->height();
        for (QMdiSubWindow* w : area_->subWindowList())
            if (w->isMinimized()) {
                w->move(x, y - w->height());
                x += w->width();
            }
        break;
    }
    }
}

void VistaPrincipale::impostaStampante() {
    if (!printer_) return;
    QPrintDialog dialogo(printer_, this);
    dialogo.setWindowTitle(QStringLiteral("Imposta stampante"));
    preparaDialogoStampa(dialogo, QStringLiteral("&Imposta"));
    dialogo.exec(); // the printer keeps what the user chose; a cancel changes nothing
}

void VistaPrincipale::mostraLogo() {
    logo_ = new QWidget(area_->viewport());
    logo_->setObjectName(QStringLiteral("Form51"));
    auto* h = new QHBoxLayout(logo_);
    auto* a = new QLabel(logo_);
    a->setPixmap(logoProgramma());
    auto* b = new QLabel(logo_);
    b->setPixmap(logoProduttore());
    h->addWidget(a);
    h->addWidget(b);
    logo_->adjustSize();
    logo_->lower();
    logo_->show();
}

void VistaPrincipale::mostraPrincipale() {
    if (const QScreen* schermo = screen()) setGeometry(schermo->availableGeometry());
    showMaximized();
    centra();
}

void VistaPrincipale::login(Accesso& finestra) {
    if (login_) {
        login_(finestra);
        return;
    }
    VistaAccesso dialogo(finestra, this);
    dialogo.exec();
    if (!finestra.chiusa()) finestra.chiusuraDaCornice();
}

void VistaPrincipale::termina() {
    terminata_ = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this) w->close();
    // Gone without their closing questions: the exit question was the last one.
    QList<QPointer<QMdiSubWindow>> figlie;
    for (QMdiSubWindow* w : area_->subWindowList())
        figlie << w;
    for (const auto& w : figlie)
        delete w.data();
    hide();
    QApplication::quit();
}

std::vector<ListaAperta> VistaPrincipale::listeAperte() {
    std::vector<ListaAperta> liste;
    const auto aggiungi = [&](ModificaLista& l, const Finestra& f, int nome) {
        liste.push_back({[&l] { return l.righeNonSalvate(); },
                         [&l, &f, nome] { return l.salvaPrimaDiUscire(nome >= 0 ? f.testo(nome) : std::string()); }});
    };
    if (VistaTaeg* t = taeg()) {
        Taeg& m = t->modello();
        aggiungi(m.report().lista(), m, controlli<ControlliReportTeg>(m.schema()).nomeReport);
        if (FinestraTesto* stp1 = m.report().finestraTesto()) aggiungi(stp1->lista(), *stp1, -1);
    }
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (auto* v = qobject_cast<VistaGenerica*>(sub->widget()))
            if (auto* stp2 = dynamic_cast<GestoreReport*>(&v->modello()))
                aggiungi(stp2->lista(), *stp2, controlli<ControlliGestioneReport>(stp2->schema()).nomeReport);
    return liste;
}

void VistaPrincipale::centra() {
    const std::optional<Dimensioni> taeg =
        vista(TipoFinestra::Taeg) ? std::optional(dimensioni(vista(TipoFinestra::Taeg)->parentWidget()->size()))
                                  : std::nullopt;
    const Centratura c =
        vantrel::centra(dimensioni(size()), isMinimized(), logo_ ? dimensioni(logo_->size()) : Dimensioni{},
                        twips(pannello_->width()), taeg);
    if (logo_ && c.logoSinistra && c.logoAlto) logo_->move(px(*c.logoSinistra), px(*c.logoAlto));
    if (c.pannelloSinistra) pannello_->move(px(*c.pannelloSinistra), 0);
    if (taeg && c.taegSinistra && c.taegAlto) {
        QWidget* sub = vista(TipoFinestra::Taeg)->parentWidget();
        sub->move(dentro({px(*c.taegSinistra), px(*c.taegAlto)}, sub->size(), area_->viewport()->size()));
    }
}

void VistaPrincipale::centraTaeg() {
    QWidget* v = vista(TipoFinestra::Taeg);
    if (!v) return;
    const Centratura c =
        vantrel::centra(dimensioni(size()), isMinimized(), {}, 0, dimensioni(v->parentWidget()->size()));
    if (c.taegSinistra && c.taegAlto)
        v->parentWidget()->move(
            dentro({px(*c.taegSinistra), px(*c.taegAlto)}, v->parentWidget()->size(), area_->viewport()->size()));
}

void VistaPrincipale::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    centra();
}

bool VistaPrincipale::eventFilter(QObject* o, QEvent* e) {
    if (o == area_->viewport() && e->type() == QEvent::Resize) contieniFiglie();
    return QMainWindow::eventFilter(o, e);
}

void VistaPrincipale::closeEvent(QCloseEvent* e) {
    // The close button and Alt+F4 end the program at once, unless rows would be lost.
    if (!terminata_ && !modello_->chiudiDallaCornice()) {
        e->ignore();
        return;
    }
    e->accept();
}

} // namespace vantrel::gui

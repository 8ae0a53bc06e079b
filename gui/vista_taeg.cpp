#include "vista_taeg.h"

#include "area_scorrevole.h"
#include "cornice_verifica_usura.h"
#include "font_fisso.h"
#include "legame_finestra.h"
#include "qt_testo.h"
#include "vista_generica.h"
#include "vista_pratica.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace vantrel::gui {
namespace {

QLabel* etichetta(const QString& testo, QWidget* genitore, bool piccola = false) {
    auto* l = new QLabel(testo, genitore);
    if (piccola) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        l->setFont(f);
    }
    return l;
}

// The ids of `righe` in `schema`, in their order.
std::vector<int> ids(const Schema& schema, std::span<const RigaControllo> righe) {
    std::vector<int> v;
    for (const RigaControllo& r : righe)
        v.push_back(schema.id(r.controllo));
    return v;
}

} // namespace

VistaTaeg::VistaTaeg(Contesto& ctx, QWidget* parent)
    : QWidget(parent), taeg_(std::make_unique<Taeg>(ctx)), legame_(new LegameFinestra(*taeg_, this)),
      c_(controlli<ControlliTeg>(taeg_->schema())) {
    setWindowTitle(qs(taeg_->schema().titolo()));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    auto* schede = qobject_cast<QTabWidget*>(crea(c_.schede, this));
    const auto& titoli = (*taeg_)[c_.schede].voci;
    const auto titolo = [&](std::size_t k) { return k < titoli.size() ? qs(titoli[k]) : QString(); };
    QWidget* calcolo = schedaCalcolo();
    auto* report = new QWidget;
    auto* mutuo = new QWidget;
    pratica_ = new VistaPratica(taeg_->pratica(), *legame_);
    auto idReport = ids(taeg_->schema(), ControlliReportTeg::kRighe);
    idReport.insert(idReport.end() - 1, controlli<ControlliPratica>(taeg_->schema()).importaPeriodi); // before "Chiudi"
    schedaGenerica(report, idReport);
    schedaMutuo(mutuo);
    // The figures scroll when the screen is short; the calculation's buttons stay in sight below them.
    auto* primo = new QWidget;
    auto* vp = new QVBoxLayout(primo);
    vp->setContentsMargins(0, 0, 0, 0);
    vp->addWidget(new AreaScorrevole(calcolo), 1);
    vp->addWidget(esegui(primo));
    schede->addTab(primo, titolo(0));
    schede->addTab(new AreaScorrevole(report), titolo(1));
    schede->addTab(new AreaScorrevole(mutuo), titolo(2));
    schede->addTab(pratica_, titolo(3));
    v->addWidget(schede);

    // The notes of the last calculation stay here until the next one.
    auto* stato = qobject_cast<QLabel*>(crea(c_.statoCalcolo, this));
    stato->setWordWrap(true);
    stato->setAccessibleName(QStringLiteral("Stato del calcolo"));
    v->addWidget(stato);

    auto* help = new QPlainTextEdit(this);
    help->setReadOnly(true);
    help->setMaximumHeight(3 * help->fontMetrics().lineSpacing() + 8);
    help->setFocusPolicy(Qt::NoFocus);
    help->setAccessibleName(QStringLiteral("Aiuto"));
    legame_->lega(c_.aiuto, help);
    v->addWidget(help);

    // Controls that a part adds later still reach the screen, on the first tab.
    std::vector<int> altri;
    for (int i = 0; i < static_cast<int>(taeg_->schema().dimensione()); ++i)
        if (!legame_->legato(i)) altri.push_back(i);
    if (!altri.empty()) schedaGenerica(calcolo, altri);

    taeg_->report().apertaFinestraTesto = [this](FinestraTesto& f) { apriRiepilogo(f); };
    // "crea report tabellare" shows the summary every time, brought forward with its new lines.
    if (auto* b = legame_->w<QAbstractButton>(c_.creaReportTabellare))
        connect(b, &QAbstractButton::clicked, this, &VistaTaeg::mostraRiepilogo);
    legame_->dopoEvento([this] {
        adattaPiano();
        if (taeg_->chiusa()) emit chiusa();
    });
    legame_->ordinaTab();
    legame_->aggiorna();
}

VistaTaeg::~VistaTaeg() {
    inChiusura_ = true;
    // The summary's view goes first: its model belongs to this window's.
    if (riepilogo_) {
        auto* sub = qobject_cast<QMdiSubWindow*>(riepilogo_->parentWidget());
        delete (sub ? static_cast<QWidget*>(sub) : riepilogo_.data());
    }
    taeg_->report().apertaFinestraTesto = nullptr;
    delete legame_; // no event may reach the model while the widgets go
}

void VistaTaeg::apriRiepilogo(FinestraTesto& f) {
    auto* v = new VistaGenerica(f);
    v->setAttribute(Qt::WA_DeleteOnClose);
    riepilogo_ = v;
    connect(v, &VistaGenerica::chiusa, v, [v] {
        auto* sub = qobject_cast<QMdiSubWindow*>(v->parentWidget());
        sub ? sub->close() : v->close();
    });
    // Closed through its frame: the next summary opens a new window. A window its own button closed
    // may already have been replaced by a newer one, which stays.
    connect(v, &QObject::destroyed, this, [this, m = &f] {
        if (!inChiusura_ && taeg_->report().finestraTesto() == m) taeg_->report().chiudiFinestraTesto();
    });
    emit finestraAperta(v);
    if (!v->parentWidget()) v->show(); // no host took it: a window of its own
}

void VistaTaeg::mostraRiepilogo() {
    if (!riepilogo_) return;
    riepilogo_->legame().aggiorna();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(riepilogo_->parentWidget()); sub && sub->mdiArea()) {
        if (sub->isMinimized()) sub->showNormal();
        sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        riepilogo_->raise();
        riepilogo_->activateWindow();
    }
}

void VistaTaeg::closeEvent(QCloseEvent* e) {
    if (!taeg_->chiusa() && !taeg_->report().lista().chiusuraConfermata()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void VistaTaeg::mostraScheda(int scheda) {
    taeg_->seleziona(c_.schede, scheda);
    legame_->aggiorna();
}

QWidget* VistaTaeg::crea(int id, QWidget* genitore) {
    return legame_->crea(id, genitore);
}

void VistaTaeg::campo(QGridLayout* g, int riga, int colonna, const char* testo, int id, QWidget* genitore) {
    QWidget* w = crea(id, genitore);
    if (testo) {
        // A screen reader names the field by its label, not by the frame around it.
        auto* l = etichetta(QString::fromUtf8(testo), genitore, true);
        l->setBuddy(w);
        w->setAccessibleName(l->text());
        g->addWidget(l, riga, colonna);
    }
    g->addWidget(w, riga + 1, colonna);
}

QWidget* VistaTaeg::schedaCalcolo() {
    auto* pagina = new QWidget;
    auto* g = new QGridLayout(pagina);
    g->setVerticalSpacing(3);
    g->addWidget(periodoCalcolo(pagina), 0, 0);
    g->addWidget(elementiCalcolo(pagina), 0, 1, 1, 2);
    g->addWidget(opzioniCalcolo(pagina), 1, 0, 1, 3);
    g->addWidget(striscia(), 2, 0, 1, 3);
    g->addWidget(scomposizione(), 3, 0);
    g->addWidget(confronto(), 3, 1, 1, 2);
    g->addWidget(verificaCms(), 4, 0, 1, 3);

    // Compact fields keep the window inside a 1050-pixel main window below its tool bar.
    for (auto* e : pagina->findChildren<QLineEdit*>()) {
        if (e->maximumWidth() == QWIDGETSIZE_MAX) e->setMaximumWidth(110);
        e->setFixedHeight(22);
    }
    return pagina;
}

QWidget* VistaTaeg::periodoCalcolo(QWidget* pagina) {
    auto* periodo = new QGroupBox(QStringLiteral("Periodo di calcolo"), pagina);
    auto* gp = new QGridLayout(periodo);
    campo(gp, 0, 0, "Dal", c_.dataInizio, periodo);
    campo(gp, 0, 1, "Al", c_.dataFine, periodo);
    campo(gp, 0, 2, "anno", c_.anno, periodo);
    int col = 0;
    for (int id : {c_.primoTrimestre, c_.secondoTrimestre, c_.terzoTrimestre, c_.quartoTrimestre})
        gp->addWidget(crea(id, periodo), 2, col++);
    col = 0;
    for (int id : {c_.primoSemestre, c_.secondoSemestre, c_.annoIntero})
        gp->addWidget(crea(id, periodo), 3, col++);
    gp->addWidget(crea(c_.calcolaGiorni, periodo), 4, 0, 1, 2);
    gp->addWidget(crea(c_.giorni, periodo), 4, 2, 1, 2);
    legame_->widget(c_.giorni)->setAccessibleName(QStringLiteral("giorni"));
    for (auto* b : periodo->findChildren<QPushButton*>())
        if (b != legame_->widget(c_.calcolaGiorni)) b->setMaximumWidth(80);
    for (int id : {c_.dataInizio, c_.dataFine, c_.anno})
        legame_->widget(id)->setMaximumWidth(120);
    return periodo;
}

QWidget* VistaTaeg::elementiCalcolo(QWidget* pagina) {
    auto* elementi = new QGroupBox(QStringLiteral("elementi di calcolo del T.E.G."), pagina);
    auto* ge = new QGridLayout(elementi);
    ge->setVerticalSpacing(2);
    campo(ge, 0, 0, "Numeri Dare", c_.numeriDebitori, elementi);
    campo(ge, 0, 1, "Indebitamento medio", c_.indebitamentoMedio, elementi);
    campo(ge, 2, 0, "Interessi Dare", c_.interessiDare, elementi);
    campo(ge, 2, 1, "C.M.S.", c_.cmsInteressi, elementi);
    campo(ge, 2, 2, "altri interessi", c_.altriInteressi, elementi);
    campo(ge, 2, 3, "totale interessi", c_.totaleInteressi, elementi);
    campo(ge, 4, 0, "spese", c_.spese, elementi);
    campo(ge, 4, 1, "C.M.S.", c_.cmsSpese, elementi);
    campo(ge, 4, 2, "altri oneri", c_.altriOneri, elementi);
    campo(ge, 4, 3, "totale spese", c_.totaleSpese, elementi);
    campo(ge, 6, 0, "Massimo scoperto", c_.massimoScoperto, elementi);
    campo(ge, 6, 3, "totale spese + interessi", c_.totaleInteressiSpese, elementi);
    auto* cms = qobject_cast<QPushButton*>(crea(c_.spostaCms, elementi));
    cms->setText(QStringLiteral("C.M.S. \u2193"));
    cms->setMaximumWidth(90);
    ge->addWidget(cms, 3, 4);
    return elementi;
}

// The accordato, the currency, the threshold rule and the category, in one row.
QWidget* VistaTaeg::opzioniCalcolo(QWidget* pagina) {
    auto* opzioni = new QWidget(pagina);
    auto* ho = new QHBoxLayout(opzioni);
    ho->setContentsMargins(0, 0, 0, 0);
    const auto cornice = [&](int id, std::initializer_list<int> figli) {
        auto* box = crea(id, opzioni);
        auto* l = new QVBoxLayout(box);
        for (int f : figli)
            l->addWidget(crea(f, box));
        ho->addWidget(box);
        return l;
    };
    auto* accordato = crea(c_.corniceAccordato, opzioni);
    auto* ga = new QGridLayout(accordato);
    ga->setVerticalSpacing(2);
    ga->addWidget(crea(c_.accordatoIndebitamento, accordato), 0, 0);
    ga->addWidget(crea(c_.accordatoFido, accordato), 1, 0);
    ga->addWidget(etichetta(QStringLiteral("accordato"), accordato, true), 0, 1);
    ga->addWidget(crea(c_.accordato, accordato), 1, 1);
    legame_->widget(c_.accordato)->setAccessibleName(QStringLiteral("accordato"));
    ho->addWidget(accordato);
    cornice(c_.corniceValuta, {c_.lire, c_.euro});
    cornice(c_.corniceNorma, {c_.vecchiaNorma, c_.nuovaNorma, c_.normaPerData});
    auto* categoria = new QVBoxLayout;
    categoria->addWidget(etichetta(QStringLiteral("categoria di conto"), opzioni, true));
    categoria->addWidget(crea(c_.categoria, opzioni));
    legame_->widget(c_.categoria)->setAccessibleName(QStringLiteral("categoria di conto"));
    categoria->addStretch();
    ho->addLayout(categoria);
    return opzioni;
}

QWidget* VistaTaeg::esegui(QWidget* genitore) {
    auto* box = new QGroupBox(QStringLiteral("Esegui calcolo"), genitore);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(6, 2, 6, 4);
    for (int id : {c_.calcolaBancaItalia, c_.calcolaGlobale, c_.creaReport, c_.creaReportTabellare})
        h->addWidget(crea(id, box));
    return box;
}

QWidget* VistaTaeg::striscia() {
    auto* s = new QWidget;
    s->setObjectName(QStringLiteral("striscia"));
    s->setFixedSize(px(8100), 86);
    // Each piece: left edge in twips, top in pixels, width in twips (0: its natural width).
    const auto metti = [&](QWidget* w, int sinistra, int alto, int larghezza) {
        if (larghezza > 0) w->setFixedWidth(px(larghezza));
        if (qobject_cast<QLineEdit*>(w)) w->setFixedHeight(22);
        const int x = w->x() != 0 ? w->x() : px(sinistra); // a model position wins
        w->move(x, alto);
    };
    const auto pezzo = [&](int id, int sinistra, int alto, int larghezza) {
        QWidget* w = crea(id, s);
        metti(w, sinistra, alto, larghezza);
        if (auto* l = qobject_cast<QLabel*>(w)) l->adjustSize();
        return w;
    };
    const auto linea = [&](QWidget* w, int sinistra, int larghezza) {
        w->setGeometry(px(sinistra), 40, px(larghezza), 2);
    };
    metti(etichetta(QStringLiteral("totale interessi"), s, true), 120, 0, 0);
    pezzo(c_.formulaInteressi, 120, 16, 1380);
    auto* lineaInteressi = new QFrame(s);
    lineaInteressi->setFrameShape(QFrame::HLine);
    linea(lineaInteressi, 120, 1380);
    pezzo(c_.formulaNumeri, 120, 44, 1380);
    metti(etichetta(QStringLiteral("numeri debitori"), s, true), 120, 68, 0);
    metti(etichetta(QStringLiteral("x"), s), 1560, 32, 0);
    pezzo(c_.formulaGiorniAnno, 1740, 30, 780);
    linea(crea(c_.formulaLineaGlobale, s), 60, 1500); // the single fraction of the global formula
    pezzo(c_.formulaPiu, 2640, 32, 0);
    pezzo(c_.formulaEtichettaSpese, 2880, 0, 0);
    pezzo(c_.formulaSpese, 2880, 16, 1380);
    linea(crea(c_.formulaLineaSpese, s), 2880, 1380);
    pezzo(c_.fido, 2880, 44, 1380);
    pezzo(c_.formulaEtichettaAccordato, 2880, 68, 0);
    pezzo(c_.formulaPer, 4380, 32, 0);
    pezzo(c_.formulaCento, 4560, 30, 600);
    pezzo(c_.formulaUguale, 0, 32, 0);
    pezzo(c_.formulaRisultato, 0, 32, 0);
    pezzo(c_.teg, 6600, 30, 1200);
    for (auto [id, nome] : {std::pair{c_.formulaInteressi, "totale interessi"},
                            {c_.formulaNumeri, "numeri debitori"},
                            {c_.formulaGiorniAnno, "giorni dell'anno per 100"},
                            {c_.formulaSpese, "totale spese"},
                            {c_.fido, "accordato"},
                            {c_.formulaCento, "cento"},
                            {c_.teg, "T.E.G."}})
        legame_->widget(id)->setAccessibleName(QString::fromUtf8(nome));
    return s;
}

QWidget* VistaTaeg::scomposizione() {
    auto* box = new QGroupBox(QStringLiteral("Scomposizione T.E.G."));
    auto* g = new QGridLayout(box);
    int col = 0;
    for (auto [testo, id] : {std::pair{"Interessi", c_.tegInteressi}, std::pair{"C.M.S.", c_.tegCms},
                             std::pair{"altri interessi", c_.tegAltriInteressi}, std::pair{"Spese", c_.tegSpese},
                             std::pair{"Altri Oneri", c_.tegAltriOneri}, std::pair{"TEG Totale", c_.sommaParziali}}) {
        campo(g, 0, col++, testo, id, box);
        legame_->widget(id)->setMaximumWidth(72);
    }
    g->addWidget(crea(c_.lineaCmsInteressi, box), 2, 0, 1, 2);
    g->addWidget(crea(c_.lineaCmsSpese, box), 2, 1, 1, 4);
    campo(g, 3, 0, "totale interessi", c_.tegVociInteressi, box);
    campo(g, 3, 3, "totale spese", c_.tegVociSpese, box);
    legame_->widget(c_.tegVociInteressi)->setMaximumWidth(72);
    legame_->widget(c_.tegVociSpese)->setMaximumWidth(72);
    return box;
}

QWidget* VistaTaeg::confronto() {
    auto* box = new QGroupBox(QStringLiteral("Confronto tassi soglia"));
    auto* g = new QGridLayout(box);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(1);
    const char* const scaglioni[] = {"-Tassi primo scaglione", "-Tassi secondo scaglione", "-Tassi terzo scaglione"};
    const char* const righe[] = {"I° Trim.", "II° Trim.", "III° Trim.", "IV° Trim.", "media"};
    for (int r = 0; r < 5; ++r)
        g->addWidget(etichetta(QString::fromUtf8(righe[r]), box, true), r + 2, 0);
    const auto& griglia = controlli<GrigliaTassi>(taeg_->schema());
    for (int c = 0; c < 3; ++c) {
        g->addWidget(etichetta(QString::fromUtf8(scaglioni[c]), box, true), 0, 1 + 2 * c, 1, 2);
        for (int u = 0; u < 2; ++u) {
            auto* l = etichetta(
                u ? QStringLiteral("Tassi soglia del periodo") : QStringLiteral("Tassi medi del periodo"), box, true);
            l->setWordWrap(true);
            l->setFixedWidth(70);
            g->addWidget(l, 1, 1 + 2 * c + u);
        }
        for (int q = 0; q < 4; ++q)
            for (int u = 0; u < 2; ++u) {
                QWidget* w = crea(u ? griglia.soglie[c][q] : griglia.tassiMedi[c][q], box);
                w->setAccessibleName(QStringLiteral("%1 %2 %3")
                                         .arg(u ? QStringLiteral("Tasso soglia") : QStringLiteral("Tasso medio"),
                                              QString::fromUtf8(righe[q]), QString::fromUtf8(scaglioni[c] + 7)));
                w->setMaximumWidth(64);
                g->addWidget(w, q + 2, 1 + 2 * c + u);
            }
    }
    const int medie[] = {c_.mediaTassiMediClasse1, c_.mediaSoglieClasse1, c_.mediaTassiMediClasse2,
                         c_.mediaSoglieClasse2};
    for (int k = 0; k < 4; ++k) {
        QWidget* w = crea(medie[k], box);
        w->setAccessibleName(QStringLiteral("Media %1 %2")
                                 .arg(k % 2 ? QStringLiteral("tassi soglia") : QStringLiteral("tassi medi"),
                                      QString::fromUtf8(scaglioni[k / 2] + 7)));
        w->setMaximumWidth(64);
        g->addWidget(w, 6, 1 + k);
    }
    campo(g, 7, 1, "T. soglia", c_.soglia, box);
    legame_->widget(c_.soglia)->setMaximumWidth(64);
    g->addWidget(etichetta(QStringLiteral("Supero"), box, true), 7, 2);
    auto* supero = crea(c_.supero, box);
    supero->setAccessibleName(QStringLiteral("Supero"));
    // Wide enough for a difference written with all its digits.
    supero->setFixedWidth(supero->fontMetrics().horizontalAdvance(QStringLiteral("-00,0000000000000")) + 12);
    g->addWidget(supero, 8, 2, 1, 2, Qt::AlignLeft);
    // The category and class whose threshold was used, beside it.
    g->addWidget(etichetta(QStringLiteral("classe d'importo"), box, true), 7, 4, 1, 3);
    QWidget* classe = crea(c_.classeSoglia, box);
    classe->setAccessibleName(QStringLiteral("classe d'importo"));
    classe->setMaximumWidth(300);
    g->addWidget(classe, 8, 4, 1, 3);
    return box;
}

// The separate test of the CMS of a period up to 2009, its figures in a row and the verdict under them.
QWidget* VistaTaeg::verificaCms() {
    auto* box = crea(c_.corniceCms, nullptr);
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(1);
    int col = 0;
    for (auto [testo, id] :
         {std::pair{"CMS media", c_.cmsMedia}, std::pair{"TEG senza CMS", c_.tegSenzaCms},
          std::pair{"tasso CMS", c_.tassoCms}, std::pair{"CMS soglia", c_.sogliaCms},
          std::pair{"eccedenza CMS", c_.eccedenzaCms}, std::pair{"margine interessi", c_.margineInteressi}})
        campo(g, 0, col++, testo, id, box);
    campo(g, 0, col, "esito", c_.esitoCms, box);
    legame_->widget(c_.esitoCms)->setMaximumWidth(QWIDGETSIZE_MAX - 1); // not one of the compact fields
    legame_->widget(c_.esitoCms)->setMinimumWidth(360);
    g->setColumnStretch(col, 1);
    return box;
}

void VistaTaeg::schedaMutuo(QWidget* pagina) {
    auto* v = new QVBoxLayout(pagina);
    v->addLayout(datiMutuo(pagina));
    const auto& m = controlli<ControlliMutuo>(taeg_->schema());
    auto* piano = qobject_cast<QListWidget*>(crea(m.piano, pagina));
    piano->setFont(fontFisso(QStringLiteral("Courier New")));
    piano->setMinimumHeight(240);
    auto* basso = new QHBoxLayout;
    basso->addWidget(piano, 3);
    basso->addWidget(corniceVerificaUsura(*legame_, pagina), 2);
    v->addLayout(basso, 1);

    for (auto* e : pagina->findChildren<QLineEdit*>()) {
        if (e != legame_->widget(m.dataErogazione)) e->setAlignment(Qt::AlignRight);
        e->setMinimumWidth(100);
        if (e->isReadOnly()) { // the user sees at once which figures are only written by the calculation
            QPalette p = e->palette();
            p.setColor(QPalette::Base, p.color(QPalette::Window));
            e->setPalette(p);
        }
    }
    // Tab follows the order of the Enter moves; the frequency options come after the fields.
    std::vector<int> ordine;
    for (const auto& nome : ordineTab(ControlliMutuo::kRighe))
        ordine.push_back(taeg_->schema().id(nome));
    for (const auto& nome : ordineTab(ControlliVerificaUsura::kRighe))
        ordine.push_back(taeg_->schema().id(nome));
    legame_->ordinaTab(ordine);
}

// The loan's figures, its frequency, its results and its buttons, side by side.
QHBoxLayout* VistaTaeg::datiMutuo(QWidget* pagina) {
    auto* alto = new QHBoxLayout;
    const auto& m = controlli<ControlliMutuo>(taeg_->schema());
    const auto riga = [&](QGridLayout* g, int r, int c, const char* testo, int id, QWidget* box) {
        auto* l = etichetta(QString::fromUtf8(testo), box);
        QWidget* w = crea(id, box);
        l->setBuddy(w);
        g->addWidget(l, r, c);
        g->addWidget(w, r, c + 1);
        return qobject_cast<QLineEdit*>(w);
    };
    auto* dati = new QGroupBox(QStringLiteral("Dati del mutuo"), pagina);
    auto* gd = new QGridLayout(dati);
    riga(gd, 0, 0, "Importo Mutuo", m.importo, dati);
    riga(gd, 0, 2, "Data erogazione", m.dataErogazione, dati)->setAlignment(Qt::AlignCenter);
    riga(gd, 1, 0, "Durata in anni", m.anni, dati);
    riga(gd, 1, 2, "Numero Rate", m.numeroRate, dati);
    riga(gd, 2, 0, "Tasso Annuo %", m.tassoAnnuo, dati);
    riga(gd, 2, 2, "Importo Rata", m.rata, dati);
    riga(gd, 3, 0, "Spese iniziali", m.speseIniziali, dati);
    riga(gd, 3, 2, "Spese per rata", m.spesePerRata, dati);
    gd->setColumnStretch(1, 1);
    gd->setColumnStretch(3, 1);
    alto->addWidget(dati, 3);

    auto* frequenza = crea(m.corniceScadenza, pagina);
    auto* gf = new QGridLayout(frequenza);
    int k = 0;
    for (int id : {m.mensile, m.bimestrale, m.trimestrale, m.quadrimestrale, m.semestrale, m.annuale}) {
        gf->addWidget(crea(id, frequenza), k % 3, k / 3);
        ++k;
    }
    alto->addWidget(frequenza, 2);

    auto* risultati = new QGroupBox(QStringLiteral("Risultati"), pagina);
    auto* gr = new QGridLayout(risultati);
    riga(gr, 0, 0, "T.A.E.G. %", m.taeg, risultati);
    riga(gr, 1, 0, "Totale interessi", m.totaleInteressi, risultati);
    riga(gr, 2, 0, "Totale mutuo", m.costoTotale, risultati);
    riga(gr, 3, 0, "Totale spese", m.totaleSpese, risultati);
    alto->addWidget(risultati, 2);

    auto* comandi = new QVBoxLayout;
    for (int id : {m.calcola, m.stampa, m.esportaExcel, m.esportaCsv})
        comandi->addWidget(crea(id, pagina));
    comandi->addStretch();
    alto->addLayout(comandi);
    return alto;
}

// The plan's list is as wide as its widest line: no column of the plan is cut.
void VistaTaeg::adattaPiano() {
    const int id = controlli<ControlliMutuo>(taeg_->schema()).piano;
    const auto& righe = (*taeg_)[id].voci;
    if (static_cast<int>(righe.size()) == righePiano_) return;
    righePiano_ = static_cast<int>(righe.size());
    auto* piano = legame_->w<QListWidget>(id);
    int larghezza = 0;
    for (const std::string& r : righe)
        larghezza = std::max(larghezza, piano->fontMetrics().horizontalAdvance(qs(r)));
    piano->setMinimumWidth(larghezza + 2 * piano->frameWidth() + piano->verticalScrollBar()->sizeHint().width() + 8);
}

void VistaTaeg::schedaGenerica(QWidget* pagina, const std::vector<int>& ids) {
    auto* contenitore = new QWidget(pagina);
    auto* g = new QGridLayout(contenitore);
    if (!pagina->layout()) new QVBoxLayout(pagina);
    pagina->layout()->addWidget(contenitore);
    // The buttons in rows of equal columns below the other controls.
    auto* pulsanti = new QGridLayout;
    pulsanti->setContentsMargins(0, 0, 0, 0);
    constexpr int kPulsantiPerRiga = 6;
    int nPulsanti = 0;
    constexpr int kColonne = 4;
    int riga = 0, col = 0;
    const auto aCapo = [&] {
        if (col > 0) ++riga;
        col = 0;
    };
    for (int id : ids) {
        if (legame_->legato(id)) continue;
        const DefinizioneControllo& d = taeg_->schema().definizione(id);
        QWidget* w = legame_->crea(id, contenitore);
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !d.aiuto.empty()) e->setPlaceholderText(qs(d.aiuto));
        if (d.tipo == Tipo::Pulsante) {
            pulsanti->addWidget(w, nPulsanti / kPulsantiPerRiga, nPulsanti % kPulsantiPerRiga);
            ++nPulsanti;
            continue;
        }
        if (d.tipo == Tipo::Lista || d.tipo == Tipo::Cornice || d.tipo == Tipo::Linea) {
            aCapo();
            g->addWidget(w, riga++, 0, 1, kColonne);
            if (d.tipo == Tipo::Lista) g->setRowStretch(riga - 1, 1);
            continue;
        }
        g->addWidget(w, riga, col);
        if (++col == kColonne) aCapo();
    }
    aCapo();
    if (nPulsanti > 0)
        g->addLayout(pulsanti, riga, 0, 1, kColonne);
    else
        delete pulsanti;
}

} // namespace vantrel::gui

#include "applicazione.h"
#include "composizione.h"
#include "qt_testo.h"
#include "shell/cartella_programma.h"
#include "vista_principale.h"
#include "vista_taeg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

namespace {

constexpr const char* kAiuto =
    "Uso: vantrel [OPZIONE]\n"
    "Verifica dei costi bancari secondo la normativa antiusura: T.E.G. dei periodi di conto\n"
    "corrente e confronto con il tasso soglia, mutui a rata costante con piano d'ammortamento e\n"
    "T.A.E.G., report stampabili e tabella dei tassi medi trimestrali.\n"
    "\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "      --version  mostra la versione ed esce\n"
    "\n"
    "I calcoli senza finestre: vantrel-cli --help.\n";

// --help and --version are answered before Qt starts, so they need no display (the manual page is
// made from them at build time).
std::optional<int> rispostaSenzaFinestre(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view opzione = argv[i];
        if (opzione == "--version") {
            std::printf("vantrel %s\n", VANTREL_VERSIONE);
            return 0;
        }
        if (opzione == "--help" || opzione == "-h") {
            std::fputs(kAiuto, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

// Ends the program at the first paint of the calculation window, printing the time since main
// began: the start-up time check of tools/tempo_avvio.sh, which times the whole process from outside.
class UscitaAlPrimoDisegno : public QObject {
public:
    explicit UscitaAlPrimoDisegno(const QElapsedTimer& orologio) : orologio_(orologio) {}
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !finito_) {
            finito_ = true;
            // After this paint has been delivered; no teardown, so the outside timing ends here.
            QTimer::singleShot(0, [this] {
                std::printf("calcolo T.E.G. disegnato dopo %lld ms dall'inizio di main\n",
                            static_cast<long long>(orologio_.elapsed()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    const QElapsedTimer& orologio_;
    bool finito_ = false;
};

// Writes, four times a second, where each named control is on screen: window title, control name,
// the visible part's left, top, width and height, and a text field's text, tab separated; the tabs
// of a tab widget appear as NAME#INDEX. It lets tools/percorso_utente.sh click and type as a user
// does. Active only when VANTREL_MAPPA_CONTROLLI names the file.
class MappaControlli : public QObject {
public:
    explicit MappaControlli(QString file) : file_(std::move(file)) { startTimer(250); }

protected:
    void timerEvent(QTimerEvent*) override {
        QSaveFile f(file_);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) return;
        QTextStream out(&f);
        const auto riga = [&](QWidget* w, const QString& nome, const QRect& r, const QString& testo) {
            if (r.isEmpty()) return;
            QWidget* finestra = w->window();
            for (QWidget* p = w; p; p = p->parentWidget())
                if (qobject_cast<QMdiSubWindow*>(p)) {
                    finestra = p;
                    break;
                }
            const QPoint g = w->mapToGlobal(r.topLeft());
            out << finestra->windowTitle() << '\t' << nome << '\t' << g.x() << '\t' << g.y() << '\t' << r.width()
                << '\t' << r.height() << '\t' << testo << '\n';
        };
        for (QWidget* w : QApplication::allWidgets()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) || !w->isVisible())
                continue;
            const QRect visibile = w->visibleRegion().boundingRect();
            const auto* e = qobject_cast<QLineEdit*>(w);
            riga(w, w->objectName(), visibile, e ? e->text() : QString());
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int k = 0; k < t->count(); ++k)
                    riga(t->tabBar(), w->objectName() + '#' + QString::number(k),
                         t->tabBar()->tabRect(k) & t->tabBar()->visibleRegion().boundingRect(), {});
        }
        f.commit();
    }

private:
    QString file_;
};

} // namespace

int main(int argc, char** argv) {
    if (const auto esito = rispostaSenzaFinestre(argc, argv)) return *esito;
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    vantrel::gui::preparaApplicazione(app);
    // Ends the program as soon as the calculation window is on screen: a start-up time check.
    const bool uscitaDopoAvvio = QApplication::arguments().contains(QStringLiteral("--uscita-dopo-avvio"));

    const auto cartella = vantrel::cartellaProgramma(vantrel::gui::ss(QCoreApplication::applicationDirPath()));
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    vantrel::app::Cartelle cartelle;
    cartelle.programma = cartella.cartella.string();
    cartelle.report = vantrel::cartellaReport(cartella, vantrel::gui::ss(documenti)).string();
    // Each printout proposes its PDF in the user's documents.
    cartelle.pdf = documenti.isEmpty() || !QDir(documenti).exists() ? QDir::homePath() : documenti;
    vantrel::app::Programma programma(cartelle);
    vantrel::gui::VistaPrincipale& finestra = programma.finestra();
    UscitaAlPrimoDisegno uscita(orologio);
    std::unique_ptr<MappaControlli> mappa;
    if (const QString percorso = qEnvironmentVariable("VANTREL_MAPPA_CONTROLLI"); !percorso.isEmpty())
        mappa = std::make_unique<MappaControlli>(percorso);
    if (!finestra.modello().avvio()) return 0;
    if (uscitaDopoAvvio && finestra.taeg()) finestra.taeg()->installEventFilter(&uscita);
    return QApplication::exec();
}

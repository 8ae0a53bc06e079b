#include "platform/qt/stampante_qt.h"

#include "common/file_sicuro.h"
#include "common/testo.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace vantrel::qt {
namespace {

/// Whether a Windows font name stands for a fixed-pitch font.
bool aPassoFisso(const QString& nome) {
    static const QStringList indizi = {"courier", "mono", "consolas", "lucida console", "fixedsys", "terminal"};
    for (const auto& i : indizi)
        if (nome.contains(i, Qt::CaseInsensitive)) return true;
    return false;
}

QString primaInstallata(const QStringList& famiglie) {
    for (const auto& f : famiglie)
        if (QFontDatabase::hasFamily(f)) return f;
    return {};
}

QString famiglia(const QString& nome) {
    if (QFontDatabase::hasFamily(nome)) return nome;
    if (aPassoFisso(nome)) {
        // Twins of Courier New in width and line spacing first, then the system's own fixed font.
        auto f = primaInstallata({"Liberation Mono", "Cousine", "Nimbus Mono PS", "Nimbus Mono L", "Courier",
                                  "FreeMono", "DejaVu Sans Mono"});
        return f.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family() : f;
    }
    auto f = primaInstallata(
        {"Liberation Sans", "Arimo", "Nimbus Sans", "Nimbus Sans L", "Helvetica", "FreeSans", "DejaVu Sans"});
    if (!f.isEmpty()) return f;
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    return QFontInfo(sans).family();
}

/// Line spacing in ems of the Windows fonts the printouts name, whatever family stands in for them.
std::optional<double> interlineaWindows(const QString& nome) {
    if (nome.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) return (1705.0 + 615.0) / 2048.0;
    if (nome.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0) return (1854.0 + 434.0 + 67.0) / 2048.0;
    return std::nullopt;
}

constexpr double kScalaMinima = 0.8; // a page is shrunk at most this much to fit the paper

} // namespace

struct StampanteQt::Stato {
    /// A line of the current page: drawn when the page is complete, so that it can be shrunk to fit.
    struct Voce {
        QFont font;
        QString testo;
        double x, base; // start and baseline, in device pixels from the top left of the page
        QImage figura;  // a picture instead of the text, drawn in `riquadro`
        QRectF riquadro;
    };

    std::unique_ptr<QPrinter> proprio; // the printer of a PDF file
    QPrinter* printer = nullptr;
    std::optional<std::string> pdf;
    std::unique_ptr<FileNuovo> temporaneo; // the PDF as it is written, held till it takes its place
    QPainter painter;
    QFont font;
    std::optional<double> emWindows; // line spacing in ems of the Windows font asked for
    bool fontCambiato = true;
    double ascesa = 0, altezzaRiga = 0, interlinea = 0; // of the current font, in device pixels
    double stretto = 0;                                 // the advance of the font's narrowest characters

    /// The most characters of a line the paper can show, shrunk as far as it goes.
    std::size_t caratteriVisibili() const {
        return stretto > 0 ? static_cast<std::size_t>(larghezzaPagina / kScalaMinima / stretto) + 1 : std::string::npos;
    }
    std::vector<Voce> pagina;
    double y = 0;         // top of the next line on the page
    double fondo = 0;     // bottom of the lowest line on the page
    double larghezza = 0; // of the widest line on the page
    double altezzaPagina = 0, larghezzaPagina = 0;
    std::optional<QFontMetricsF> metriche;
    bool finito = false;
    std::string errore;

    void fontIniziale() {
        font = QFont(famiglia(QStringLiteral("Courier New")), 10);
        emWindows = interlineaWindows(QStringLiteral("Courier New"));
        fontCambiato = true;
    }

    /// Starts the document on the first drawing; false when it cannot be printed.
    bool inizia() {
        if (painter.isActive()) return true;
        if (!errore.empty() || finito) return false;
        if (!painter.begin(printer)) {
            const std::string nome = printer->printerName().toStdString();
            errore = pdf            ? "impossibile creare il file PDF: " + *pdf
                     : nome.empty() ? std::string("nessuna stampante è installata")
                                    : "la stampante non è disponibile: " + nome;
            return false;
        }
        painter.setPen(Qt::black);
        paginaAperta();
        return true;
    }

    void paginaAperta() {
        pagina.clear();
        y = fondo = larghezza = 0;
        const QRectF area = printer->pageRect(QPrinter::DevicePixel);
        altezzaPagina = area.height();
        larghezzaPagina = area.width();
    }

    /// Draws the lines of the page, shrunk when they run past the paper.
    void disegnaPagina() {
        double scala = 1.0;
        if (fondo > altezzaPagina) scala = altezzaPagina / fondo;
        if (larghezza > larghezzaPagina) scala = std::min(scala, larghezzaPagina / larghezza);
        scala = std::max(scala, kScalaMinima);
        painter.save();
        painter.scale(scala, scala);
        for (const Voce& v : pagina) {
            if (!v.figura.isNull()) {
                painter.drawImage(v.riquadro, v.figura);
                continue;
            }
            painter.setFont(v.font);
            painter.drawText(QPointF(v.x, v.base), v.testo);
        }
        painter.restore();
        pagina.clear();
    }

    bool paginaNuova() {
        disegnaPagina();
        if (!printer->newPage()) {
            errore = "la stampante non ha aperto una nuova pagina";
            return false;
        }
        paginaAperta();
        return true;
    }

    void misura() {
        if (!fontCambiato) return;
        metriche.emplace(font, printer);
        const QFontMetricsF& m = *metriche;
        ascesa = m.ascent();
        altezzaRiga = m.height();
        interlinea = m.lineSpacing();
        if (emWindows) {
            const double em = font.pointSizeF() * printer->resolution() / 72.0;
            altezzaRiga = interlinea = *emWindows * em;
            ascesa = std::min(ascesa, altezzaRiga);
        }
        stretto = std::min({m.horizontalAdvance(u'i'), m.horizontalAdvance(u'.'), m.horizontalAdvance(u' ')});
        fontCambiato = false;
    }

    void togliTemporaneo() { temporaneo.reset(); }
};

StampanteQt::StampanteQt(QPrinter& stampante) : s_(std::make_unique<Stato>()) {
    s_->printer = &stampante;
    s_->fontIniziale();
}

StampanteQt::StampanteQt(const std::string& filePdf) : s_(std::make_unique<Stato>()) {
    s_->proprio = std::make_unique<QPrinter>(QPrinter::HighResolution);
    s_->printer = s_->proprio.get();
    s_->pdf = filePdf;
    s_->temporaneo = std::make_unique<FileNuovo>(filePdf);
    s_->printer->setOutputFormat(QPrinter::PdfFormat);
    s_->printer->setOutputFileName(QString::fromStdString(s_->temporaneo->percorso()));
    s_->printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 6, 10, 6), QPageLayout::Millimeter));
    s_->printer->setCreator("Vantrel");
    s_->fontIniziale();
}

StampanteQt::~StampanteQt() {
    if (s_->painter.isActive()) s_->painter.end();
    if (!s_->finito || !s_->errore.empty()) s_->togliTemporaneo();
}

void StampanteQt::orientamento(Orientamento o) {
    // While printing, the new orientation holds from the next page.
    s_->printer->setPageOrientation(o == Orientamento::Orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void StampanteQt::font(const std::string& nome) {
    s_->font.setFamily(famiglia(QString::fromStdString(nome)));
    s_->font.setFixedPitch(aPassoFisso(QString::fromStdString(nome)));
    s_->emWindows = interlineaWindows(QString::fromStdString(nome));
    s_->fontCambiato = true;
}

void StampanteQt::dimensione(double punti) {
    if (punti > 0) s_->font.setPointSizeF(punti);
    s_->fontCambiato = true;
}

void StampanteQt::grassetto(bool attivo) {
    s_->font.setBold(attivo);
    s_->fontCambiato = true;
}

void StampanteQt::riga(const std::string& intera) {
    Stato& s = *s_;
    if (!s.inizia()) return;
    s.misura();
    // What runs past the paper is cut where the page ends: a huge line is never laid out whole.
    const std::string_view testo = primiCaratteri(intera, s.caratteriVisibili());
    // Past what shrinking can fit, the paper ends the page, as a printer does.
    if (!s.pagina.empty() && s.y + s.altezzaRiga > s.altezzaPagina / kScalaMinima && !s.paginaNuova()) return;
    // Spaces around the text are not drawn: the indent becomes a distance, and a PDF stays small.
    if (const auto inizio = testo.find_first_not_of(' '); inizio != std::string::npos) {
        const auto fine = testo.find_last_not_of(' ') + 1;
        QString t = QString::fromUtf8(testo.data() + inizio, static_cast<qsizetype>(fine - inizio));
        const double x = s.metriche->horizontalAdvance(QString(static_cast<qsizetype>(inizio), u' '));
        s.larghezza = std::max(s.larghezza, x + s.metriche->horizontalAdvance(t));
        s.pagina.push_back({s.font, std::move(t), x, s.y + s.ascesa, {}, {}});
    }
    s.fondo = s.y + s.altezzaRiga;
    s.y += s.interlinea;
}

void StampanteQt::immagine(std::string_view png) {
    Stato& s = *s_;
    QImage figura;
    if (!figura.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG") ||
        !s.inizia())
        return;
    if (s.altezzaPagina - s.y < s.altezzaPagina / 3 && !s.pagina.empty() && !s.paginaNuova()) return;
    const double spazio = s.altezzaPagina - s.y;
    double l = s.larghezzaPagina, a = l * figura.height() / figura.width();
    if (a > spazio) {
        l *= spazio / a;
        a = spazio;
    }
    Stato::Voce v{s.font, {}, 0, 0, std::move(figura), QRectF(0, s.y, l, a)};
    s.pagina.push_back(std::move(v));
    s.larghezza = std::max(s.larghezza, l);
    s.y += a;
    s.fondo = s.y;
}

void StampanteQt::nuovaPagina() {
    if (s_->inizia()) s_->paginaNuova();
}

std::string StampanteQt::fine() {
    Stato& s = *s_;
    if (s.finito) return s.errore;
    s.inizia(); // an empty document still comes out as one blank page
    s.finito = true;
    if (s.painter.isActive()) {
        s.disegnaPagina();
        if (!s.painter.end() && s.errore.empty()) s.errore = "la stampa non è stata completata";
    }
    if (s.errore.empty() && s.printer->printerState() == QPrinter::Error)
        s.errore = "la stampante ha segnalato un errore";
    if (s.pdf && s.errore.empty() && !s.temporaneo->sostituisci().empty())
        s.errore = "impossibile scrivere il file PDF: " + *s.pdf;
    if (!s.errore.empty()) s.togliTemporaneo();
    if (s.pdf) return s.errore;
    // The system printer takes the next document afresh.
    std::string errore;
    std::swap(errore, s.errore);
    s.finito = false;
    s.fontIniziale();
    return errore;
}

} // namespace vantrel::qt

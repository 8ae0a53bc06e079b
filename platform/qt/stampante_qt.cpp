#include "platform/qt/stampante_qt.h"

#include "reports/file_report.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <filesystem>
#include <optional>

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

} // namespace

std::string famigliaInstallata(const std::string& nome) {
    return famiglia(QString::fromStdString(nome)).toStdString();
}

struct StampanteQt::Stato {
    std::unique_ptr<QPrinter> proprio; // the printer of a PDF file
    QPrinter* printer = nullptr;
    std::optional<std::string> pdf, temporaneo;
    QPainter painter;
    QFont font;
    bool fontCambiato = true;
    double ascesa = 0, altezzaRiga = 0, interlinea = 0; // of the current font, in device pixels
    double y = 0;                                       // top of the next line on the page
    double altezzaPagina = 0;
    bool paginaVuota = true;
    bool finito = false;
    std::string errore;

    /// Starts the document on the first drawing; false when it cannot be printed.
    bool inizia() {
        if (painter.isActive()) return true;
        if (!errore.empty() || finito) return false;
        if (!painter.begin(printer)) {
            errore = pdf ? "impossibile creare il file PDF: " + *pdf
                         : "la stampante non è disponibile: " + printer->printerName().toStdString();
            return false;
        }
        painter.setPen(Qt::black);
        paginaAperta();
        return true;
    }

    void paginaAperta() {
        y = 0;
        paginaVuota = true;
        altezzaPagina = printer->pageRect(QPrinter::DevicePixel).height();
    }

    bool paginaNuova() {
        if (!printer->newPage()) {
            errore = "la stampante non ha aperto una nuova pagina";
            return false;
        }
        paginaAperta();
        return true;
    }

    void applicaFont() {
        fontCambiato = true;
        if (painter.isActive()) painter.setFont(font);
    }

    void misura() {
        if (!fontCambiato) return;
        painter.setFont(font);
        const QFontMetricsF m(font, printer);
        ascesa = m.ascent();
        altezzaRiga = m.height();
        interlinea = m.lineSpacing();
        fontCambiato = false;
    }

    void togliTemporaneo() {
        if (!temporaneo) return;
        std::error_code ec;
        std::filesystem::remove(*temporaneo, ec);
    }
};

StampanteQt::StampanteQt(QPrinter& stampante) : s_(std::make_unique<Stato>()) {
    s_->printer = &stampante;
    s_->font = QFont(famiglia("Courier New"), 10);
}

StampanteQt::StampanteQt(const std::string& filePdf) : s_(std::make_unique<Stato>()) {
    s_->proprio = std::make_unique<QPrinter>(QPrinter::HighResolution);
    s_->printer = s_->proprio.get();
    s_->pdf = filePdf;
    s_->temporaneo = fileTemporaneo(filePdf);
    s_->printer->setOutputFormat(QPrinter::PdfFormat);
    s_->printer->setOutputFileName(QString::fromStdString(*s_->temporaneo));
    s_->printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 6, 10, 6), QPageLayout::Millimeter));
    s_->printer->setCreator("Vantrel");
    s_->font = QFont(famiglia("Courier New"), 10);
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
    s_->applicaFont();
}

void StampanteQt::dimensione(double punti) {
    if (punti > 0) s_->font.setPointSizeF(punti);
    s_->applicaFont();
}

void StampanteQt::grassetto(bool attivo) {
    s_->font.setBold(attivo);
    s_->applicaFont();
}

void StampanteQt::riga(const std::string& testo) {
    Stato& s = *s_;
    if (!s.inizia()) return;
    s.misura();
    if (!s.paginaVuota && s.y + s.altezzaRiga > s.altezzaPagina && !s.paginaNuova()) return;
    if (!testo.empty())
        s.painter.drawText(QPointF(0, s.y + s.ascesa),
                           QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
    s.y += s.interlinea;
    s.paginaVuota = false;
}

void StampanteQt::nuovaPagina() {
    if (s_->inizia()) s_->paginaNuova();
}

std::string StampanteQt::fine() {
    Stato& s = *s_;
    if (s.finito) return s.errore;
    s.inizia(); // an empty document still comes out as one blank page
    s.finito = true;
    if (s.painter.isActive() && !s.painter.end() && s.errore.empty()) s.errore = "la stampa non è stata completata";
    if (s.errore.empty() && s.printer->printerState() == QPrinter::Error)
        s.errore = "la stampante ha segnalato un errore";
    if (s.pdf && s.errore.empty()) {
        std::error_code ec;
        std::filesystem::rename(*s.temporaneo, *s.pdf, ec);
        if (ec) s.errore = "impossibile scrivere il file PDF: " + *s.pdf;
    }
    if (!s.errore.empty()) s.togliTemporaneo();
    return s.errore;
}

} // namespace vantrel::qt

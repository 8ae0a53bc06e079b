#include "stampante_qt.h"

#include "qt_testo.h"

#include <QFontMetricsF>
#include <QPageLayout>

namespace vantrel::gui {

StampanteQt::StampanteQt() : printer_(QPrinter::HighResolution), font_(QStringLiteral("Courier New"), 10) {
    font_.setStyleHint(QFont::TypeWriter);
}

StampanteQt::~StampanteQt() {
    if (painter_) painter_->end();
}

void StampanteQt::suPdf(const QString& percorso) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(percorso);
}

void StampanteQt::orientamento(Orientamento o) {
    if (!painter_)
        printer_.setPageOrientation(o == Orientamento::Verticale ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void StampanteQt::font(const std::string& nome) {
    font_.setFamily(qs(nome));
    if (painter_) painter_->setFont(font_);
}

void StampanteQt::dimensione(double punti) {
    if (punti > 0) font_.setPointSizeF(punti);
    if (painter_) painter_->setFont(font_);
}

void StampanteQt::grassetto(bool attivo) {
    font_.setBold(attivo);
    if (painter_) painter_->setFont(font_);
}

bool StampanteQt::inizia() {
    if (painter_) return true;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        errore_ = "Stampante non disponibile";
        return false;
    }
    painter_->setFont(font_);
    y_ = 0;
    return true;
}

void StampanteQt::riga(const std::string& testo) {
    if (!inizia()) return;
    const QFontMetricsF m(painter_->font(), &printer_);
    const double altezza = printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
    if (y_ + m.height() > altezza) nuovaPagina();
    painter_->drawText(QPointF(0, y_ + m.ascent()), qs(testo));
    y_ += m.lineSpacing();
}

void StampanteQt::nuovaPagina() {
    if (!inizia()) return;
    printer_.newPage();
    y_ = 0;
}

std::string StampanteQt::fine() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    std::string e;
    std::swap(e, errore_);
    return e;
}

} // namespace vantrel::gui

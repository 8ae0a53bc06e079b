#include "stampante_dialogo.h"

#include "common/file_sicuro.h"
#include "platform/qt/stampante_qt.h"
#include "qt_testo.h"
#include "scelta_stampa.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace vantrel::gui {

StampanteDialogo::StampanteDialogo(QPrinter& impostazioni, SceltaStampa& scelta, ServizioMessaggi& messaggi,
                                   QString cartellaPdf)
    : impostazioni_(impostazioni), scelta_(scelta), messaggi_(messaggi), cartellaPdf_(std::move(cartellaPdf)) {}

void StampanteDialogo::documento(const std::string& nome) {
    nome_ = nome;
}

void StampanteDialogo::orientamento(Orientamento o) {
    if (operazioni_.empty())
        orientamento_ = o;
    else
        operazioni_.push_back([o](Stampante& s) { s.orientamento(o); });
}

void StampanteDialogo::font(const std::string& nome) {
    operazioni_.push_back([nome](Stampante& s) { s.font(nome); });
}

void StampanteDialogo::dimensione(double punti) {
    operazioni_.push_back([punti](Stampante& s) { s.dimensione(punti); });
}

void StampanteDialogo::grassetto(bool attivo) {
    operazioni_.push_back([attivo](Stampante& s) { s.grassetto(attivo); });
}

void StampanteDialogo::riga(const std::string& testo) {
    operazioni_.push_back([testo](Stampante& s) { s.riga(testo); });
}

void StampanteDialogo::immagine(std::string_view png) {
    operazioni_.push_back([png = std::string(png)](Stampante& s) { s.immagine(png); });
}

void StampanteDialogo::nuovaPagina() {
    operazioni_.push_back([](Stampante& s) { s.nuovaPagina(); });
}

std::string StampanteDialogo::disegna(QPrinter& p, const std::vector<Operazione>& operazioni) {
    qt::StampanteQt s(p);
    for (const Operazione& op : operazioni)
        op(s);
    return s.fine();
}

void StampanteDialogo::prepara(QPrinter& p) const {
    const QPrinter& da = impostazioni_;
    if (da.outputFormat() == QPrinter::PdfFormat)
        p.setOutputFormat(QPrinter::PdfFormat);
    else if (!da.printerName().isEmpty())
        p.setPrinterName(da.printerName());
    p.setPageLayout(da.pageLayout());
    p.setCopyCount(da.copyCount());
    p.setCollateCopies(da.collateCopies());
    p.setDuplex(da.duplex());
    p.setColorMode(da.colorMode());
    if (orientamento_)
        p.setPageOrientation(*orientamento_ == Orientamento::Orizzontale ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    const QString nome = nome_.empty() ? QStringLiteral("stampa") : qs(nome_);
    p.setDocName(nome);
    p.setCreator(QStringLiteral("Vantrel"));
    if (p.outputFormat() == QPrinter::PdfFormat) p.setOutputFileName(QDir(cartellaPdf_).filePath(nome + ".pdf"));
}

bool StampanteDialogo::scegli(QPrinter& p, const std::vector<Operazione>& operazioni) {
    const QString proposto = QDir(cartellaPdf_).filePath(p.docName() + QStringLiteral(".pdf"));
    for (;;) {
        if (!scelta_.scegli(p, proposto, [&operazioni](QPrinter* a) { disegna(*a, operazioni); })) return false;
        if (p.outputFormat() != QPrinter::PdfFormat || !QFileInfo::exists(p.outputFileName())) return true;
        const Messaggio domanda{"Stampa", "Il file " + ss(p.outputFileName()) + " esiste già. Sostituirlo?",
                                Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla};
        if (messaggi_.mostra(domanda) == Risposta::Ok) return true;
    }
}

void StampanteDialogo::ricordaScelta(const QPrinter& p) {
    // The next dialog proposes the same printer, or a PDF file again.
    if (p.outputFormat() == QPrinter::PdfFormat) {
        impostazioni_.setOutputFormat(QPrinter::PdfFormat);
    } else if (!p.printerName().isEmpty()) {
        impostazioni_.setOutputFormat(QPrinter::NativeFormat);
        impostazioni_.setPrinterName(p.printerName());
    }
}

std::string StampanteDialogo::fine() {
    const std::vector<Operazione> operazioni = std::move(operazioni_);
    operazioni_.clear();
    QPrinter p(QPrinter::HighResolution);
    prepara(p);
    nome_.clear();
    orientamento_.reset();
    if (!scegli(p, operazioni)) return {};
    ricordaScelta(p);
    if (p.outputFormat() != QPrinter::PdfFormat) return disegna(p, operazioni);

    // A PDF is written beside its place and takes it only when whole: a failed print leaves the old one.
    const std::string pdf = ss(p.outputFileName());
    const std::string errore = sostituisciFile(pdf, [&](const std::string& nuovo) {
        p.setOutputFileName(qs(nuovo));
        return disegna(p, operazioni);
    });
    return errore.empty() ? std::string() : "impossibile creare il file PDF: " + pdf;
}

} // namespace vantrel::gui

#pragma once

#include "common/services.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

namespace vantrel::gui {

/// The printer of the printouts: lines of text, one after the other, on the system printer or,
/// given a file name, into a PDF file.
class StampanteQt : public Stampante {
public:
    StampanteQt();
    ~StampanteQt() override;
    QPrinter& printer() { return printer_; }
    /// Sends the next documents to a PDF file instead of the printer.
    void suPdf(const QString& percorso);

    void orientamento(Orientamento o) override;
    void font(const std::string& nome) override;
    void dimensione(double punti) override;
    void grassetto(bool attivo) override;
    void riga(const std::string& testo) override;
    void nuovaPagina() override;
    std::string fine() override;

private:
    bool inizia();

    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    double y_ = 0;
    std::string errore_;
};

} // namespace vantrel::gui

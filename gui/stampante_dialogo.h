#pragma once

#include "common/servizi.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPrinter;

namespace vantrel::gui {

class SceltaStampa;

/// The desktop's printer. A printout is collected whole; at its end a fresh QPrinter, set up as
/// "Imposta stampante" left the shared one and turned as the document asks, goes through the
/// print dialog with the PDF file proposed as the document's name in `cartellaPdf`. An existing
/// PDF is replaced only after a question, and only once the new one is complete. Since each
/// document has a printer of its own, a failed print leaves nothing behind for the next one.
class StampanteDialogo : public Stampante {
public:
    StampanteDialogo(QPrinter& impostazioni, SceltaStampa& scelta, ServizioMessaggi& messaggi, QString cartellaPdf);

    void documento(const std::string& nome) override;
    void orientamento(Orientamento o) override;
    void font(const std::string& nome) override;
    void dimensione(double punti) override;
    void grassetto(bool attivo) override;
    void riga(const std::string& testo) override;
    void immagine(std::string_view png) override;
    void nuovaPagina() override;
    /// Runs the dialog and prints; a cancel is not an error.
    std::string fine() override;

private:
    using Operazione = std::function<void(Stampante&)>;
    static std::string disegna(QPrinter& p, const std::vector<Operazione>& operazioni);
    void prepara(QPrinter& p) const;
    /// Asks where to print until the user confirms or cancels; false on cancel.
    bool scegli(QPrinter& p, const std::vector<Operazione>& operazioni);
    void ricordaScelta(const QPrinter& p);

    QPrinter& impostazioni_;
    SceltaStampa& scelta_;
    ServizioMessaggi& messaggi_;
    QString cartellaPdf_;
    std::string nome_;
    std::optional<Orientamento> orientamento_; // set before the first line: the document's own
    std::vector<Operazione> operazioni_;
};

} // namespace vantrel::gui

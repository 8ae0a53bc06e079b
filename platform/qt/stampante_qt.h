#pragma once

#include "common/servizi.h"

#include <memory>
#include <string>

class QPrinter;

namespace vantrel::qt {

/// The printer of the printouts: each line is drawn with QPainter on a QPrinter, one below the other,
/// the next line lower by the font's line spacing. The document starts in a 10-point fixed-pitch font.
/// Font names of the Windows printer are mapped to families installed here ("Courier New" to a metric
/// twin or the system's fixed-pitch font, "Arial" to a sans-serif one), and those two keep the line
/// spacing they have on Windows, so that columns stay aligned and a page holds as many lines as there.
/// The printouts count their own lines per page; a page a little taller or wider than the paper is
/// shrunk to fit it (down to 80 %), so that the page ends stay where the printout put them and the
/// footer rules are whole. Only a page taller still is broken by the printer where the paper ends.
/// A QGuiApplication must exist (see assicuraApplicazioneQt).
class StampanteQt : public Stampante {
public:
    /// Prints on `stampante` (a system printer chosen by the caller, paper and margins its own). After
    /// fine() the next operation starts a new document on the same printer.
    explicit StampanteQt(QPrinter& stampante);
    /// Prints to a PDF file on A4 paper. The file appears whole when fine() succeeds; until then
    /// the pages go to a temporary file beside it, removed when the print fails or is abandoned.
    explicit StampanteQt(const std::string& filePdf);
    ~StampanteQt() override;
    StampanteQt(const StampanteQt&) = delete;
    StampanteQt& operator=(const StampanteQt&) = delete;

    void orientamento(Orientamento o) override;
    void font(const std::string& nome) override;
    void dimensione(double punti) override;
    void grassetto(bool attivo) override;
    void riga(const std::string& testo) override;
    /// The picture spans the page width, shrunk to the height left on the page; when less than a
    /// third of the page is left it opens the next one.
    void immagine(std::string_view png) override;
    void nuovaPagina() override;
    std::string fine() override;

private:
    struct Stato;
    std::unique_ptr<Stato> s_;
};

} // namespace vantrel::qt

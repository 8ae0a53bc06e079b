#pragma once

#include "common/servizi.h"

#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

/// Whether a line of the result list prints bold: it names an account, a bank or a cash desk.
bool rigaInGrassetto(const std::string& riga);

/// The result-list print: landscape, a title, 7 spaces of indent, bold for the lines that name an
/// account, a bank or a cash desk, `righePerPagina` lines a page counting the footer.
/// Returns the printer's error text, empty on success.
std::string stampaListaRisultati(Stampante& s, const std::vector<std::string>& righe, int righePerPagina);

/// The print of the text window: the printer's own orientation, 11 spaces of indent, every line bold.
std::string stampaTestoFinestra(Stampante& s, const std::vector<std::string>& righe, int righePerPagina);

/// A printer that writes each operation as one text line:
///   orientamento verticale|orizzontale, font NAME, dimensione N, grassetto si|no,
///   riga TEXT (the text after one space, kept whole), vuota, immagine N byte, nuova pagina, fine.
class StampanteRegistrata : public Stampante {
public:
    explicit StampanteRegistrata(std::ostream& out) : out_(out) {}
    void orientamento(Orientamento o) override;
    void font(const std::string& nome) override;
    void dimensione(double punti) override;
    void grassetto(bool attivo) override;
    void riga(const std::string& testo) override;
    void immagine(std::string_view png) override;
    void nuovaPagina() override;
    std::string fine() override;

private:
    std::ostream& out_;
};

} // namespace vantrel

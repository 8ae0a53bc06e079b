#pragma once

#include "common/servizi.h"

#include <ostream>
#include <string>
#include <string_view>

namespace vantrel {

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

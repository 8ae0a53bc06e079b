#include "common/stampante_registrata.h"

#include "common/numeri.h"

namespace vantrel {

void StampanteRegistrata::orientamento(Orientamento o) {
    out_ << "orientamento " << (o == Orientamento::Orizzontale ? "orizzontale" : "verticale") << '\n';
}
void StampanteRegistrata::font(const std::string& nome) {
    out_ << "font " << nome << '\n';
}
void StampanteRegistrata::dimensione(double punti) {
    out_ << "dimensione " << testoNumero(punti) << '\n';
}
void StampanteRegistrata::grassetto(bool attivo) {
    out_ << "grassetto " << (attivo ? "si" : "no") << '\n';
}
void StampanteRegistrata::riga(const std::string& testo) {
    if (testo.empty())
        out_ << "vuota\n";
    else
        out_ << "riga " << testo << '\n';
}
void StampanteRegistrata::immagine(std::string_view png) {
    out_ << "immagine " << png.size() << " byte\n";
}
void StampanteRegistrata::nuovaPagina() {
    out_ << "nuova pagina\n";
}
std::string StampanteRegistrata::fine() {
    out_ << "fine\n";
    out_.flush();
    return out_ ? std::string() : std::string("errore di scrittura dei comandi di stampa");
}

} // namespace vantrel

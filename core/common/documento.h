#pragma once

#include "common/date.h"

#include <string>
#include <vector>

namespace vantrel {

/// A table of a document: its header, its rows as texts, the columns of figures (aligned right) and
/// the rows to stand out (bold).
struct TabellaDocumento {
    std::vector<std::string> intestazione;
    std::vector<std::vector<std::string>> righe;
    std::vector<bool> numeriche;   // as many as the columns
    std::vector<bool> evidenziate; // as many as the rows, or none
    bool orizzontale = false;      // too wide for a portrait page
};

/// One piece of a document, in reading order.
struct ElementoDocumento {
    enum class Tipo { Titolo, Sezione, Paragrafo, Tabella, Immagine };
    Tipo tipo = Tipo::Paragrafo;
    std::string testo; // the title, the section's name, the paragraph, an image's caption
    TabellaDocumento tabella = {};
    std::string png = {}; // the picture
};

/// A text document as the program describes it (the expert's report); the platform writes it as an
/// OpenDocument text (ScrittoreOdt), and stampaDocumento prints it.
struct Documento {
    std::string titolo;
    std::string generatore; // the program and its version
    Data data;
    std::vector<ElementoDocumento> elementi;

    void titoloPrincipale(std::string t) { elementi.push_back({ElementoDocumento::Tipo::Titolo, std::move(t)}); }
    void sezione(std::string t) { elementi.push_back({ElementoDocumento::Tipo::Sezione, std::move(t)}); }
    void paragrafo(std::string t) { elementi.push_back({ElementoDocumento::Tipo::Paragrafo, std::move(t)}); }
    void tabella(TabellaDocumento t) { elementi.push_back({ElementoDocumento::Tipo::Tabella, {}, std::move(t)}); }
    void immagine(std::string png, std::string didascalia) {
        elementi.push_back({ElementoDocumento::Tipo::Immagine, std::move(didascalia), {}, std::move(png)});
    }
};

} // namespace vantrel

#pragma once

#include "case_window/tabella_celle.h"
#include "casefile/pratica.h"
#include "common/finestra.h"

#include <vector>

namespace vantrel {

class FinestraPratica;
struct ControlliAddebitiPratica;

/// The "Note" tab: the case's notes with the day each was written, in that order, and a new note
/// added (dated today) from the field below. A note is kept as written: none is changed or deleted.
class SchedaNote : public ParteFinestra, public TabellaCelle {
public:
    enum Colonna { kData, kTesto, kColonne };

    explicit SchedaNote(FinestraPratica& f);
    void carica();
    void aggiungi();

    std::size_t righe() const override { return note_.size(); }
    std::size_t colonne() const override { return kColonne; }
    std::string intestazione(std::size_t colonna) const override { return colonna == kData ? "Data" : "Nota"; }
    std::string cella(std::size_t riga, std::size_t colonna) const override;
    int versione() const override { return versione_; }

    bool cliccato(int id) override;

private:
    FinestraPratica& f_;
    const ControlliAddebitiPratica& c_;
    std::vector<Nota> note_;
    int versione_ = 0;
};

} // namespace vantrel

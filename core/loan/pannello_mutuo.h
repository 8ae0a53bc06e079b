#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "loan/piano_ammortamento.h"
#include "loan/stato_mutuo.h"
#include "program/stato_programma.h"

#include <array>
#include <vector>

namespace vantrel {

// The controls of the "Mutuo" tab.
// clang-format off
#define VANTREL_CONTROLLI_MUTUO(X)                                                                                     \
    X(importo, "txtImporto", Testo, .aiuto = "inserire l'importo finanziato", .tab = 1)                                \
    X(dataErogazione, "txtData", Testo, .aiuto = "inserire la data di erogazione del mutuo", .lunghezzaMassima = 10,   \
        .tab = 2)                                                                                                      \
    X(corniceScadenza, "Frame1", Cornice, .testo = "Scadenza:",                                                        \
        .aiuto = "selezionare la frequenza dei pagamenti delle rate")                                                  \
    X(mensile, "Option1(0)", Opzione, .testo = "Mensile", .gruppo = "scadenza", .selezionato = true, .tab = 8)         \
    X(bimestrale, "Option1(1)", Opzione, .testo = "Bimestrale", .gruppo = "scadenza", .tab = 9)                        \
    X(trimestrale, "Option1(2)", Opzione, .testo = "Trimestrale", .gruppo = "scadenza", .tab = 10)                     \
    X(quadrimestrale, "Option1(3)", Opzione, .testo = "Quadrimestrale", .gruppo = "scadenza", .tab = 11)               \
    X(semestrale, "Option1(4)", Opzione, .testo = "Semestrale", .gruppo = "scadenza", .tab = 12)                       \
    X(annuale, "Option1(5)", Opzione, .testo = "Annuale", .gruppo = "scadenza", .tab = 13)                             \
    X(anni, "anniX", Testo, .aiuto = "inserire il numero di anni di durata del mutuo", .lunghezzaMassima = 3,          \
        .tab = 3)                                                                                                      \
    X(numeroRate, "txtNumRate", Testo,                                                                                 \
        .aiuto = "inserire il nr di rate totale del piano di ammortamento. Il programma inserisce automaticamente "    \
            "il numro di rate in base agli anni, ma il valore suggerito può essere modificato.",                       \
        .lunghezzaMassima = 3, .tab = 4)                                                                               \
    X(tassoAnnuo, "txtTasso", Testo, .aiuto = "inserire il tasso applicato al mutuo", .lunghezzaMassima = 6,           \
        .tab = 5)                                                                                                      \
    X(rata, "txtRata", Testo, .aiuto = "importo rata", .solaLettura = true, .tab = 14)                                 \
    X(speseIniziali, "SpesaUT", Testo, .testo = "0", .aiuto = "inserire le spese iniziali per la stipula del mutuo",   \
        .tooltip = "inserire spese nn collegate alle rate", .tab = 6)                                                  \
    X(spesePerRata, "SpesaM", Testo, .testo = "0", .aiuto = "inserire le spese fisse per singola rata",                \
        .tooltip = "addebito per singola rata", .tab = 7)                                                              \
    X(taeg, "TxtTaeg", Testo, .aiuto = "valore TAEG che tiene conto degli interessi e di tutte le spese",              \
        .solaLettura = true, .tab = 19)                                                                                \
    X(totaleInteressi, "TotIntM", Testo, .aiuto = "totale interessi calcolati", .solaLettura = true, .tab = 20)        \
    X(costoTotale, "totmutuo", Testo, .aiuto = "costo totale del muto = capitale + interessi + spese",                 \
        .solaLettura = true, .tab = 21)                                                                                \
    X(totaleSpese, "TSpese", Testo, .aiuto = "totale spese calcolate", .solaLettura = true, .tab = 22)                 \
    X(piano, "LstPianoAmm", Lista, .tab = 23)                                                                          \
    X(calcola, "CmdCalcola", Pulsante, .testo = "Calcola", .aiuto = "avvia il calcolo del mutuo", .tab = 15)           \
    X(stampa, "cmdStampa", Pulsante, .testo = "Stampa", .aiuto = "stampa il piano del mutuo", .tab = 16)               \
    X(esportaExcel, "cmdEsportaXlsx", Pulsante, .testo = "Esporta Excel...",                                           \
        .aiuto = "salva il piano, una riga per rata con i totali, e i dati del mutuo in una cartella di Excel",        \
        .tab = 17)                                                                                                     \
    X(esportaCsv, "cmdEsportaCsv", Pulsante, .testo = "Esporta CSV...", .aiuto = "salva il piano in un file CSV",      \
        .tab = 18)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliMutuo, VANTREL_CONTROLLI_MUTUO)

/// The "Mutuo" tab of the calculation window: the loan calculator.
class PannelloMutuo : public ParteFinestra {
public:
    PannelloMutuo(Finestra& f, Contesto& ctx);
    /// Prepares the loan fields when the window loads.
    void carica();

    const StatoMutuo& stato() const { return stato_; }
    /// Instalments per year of the frequency option selected now.
    int ratePerAnnoScelte() const { return 12 / stato_.mesiPeriodo[static_cast<std::size_t>(opzioneScelta())]; }
    /// The plan the list shows; no instalments when none was built.
    const Piano& piano() const { return piano_; }
    /// How many times a dropped key has beeped.
    int bip() const { return bip_; }

    bool tasto(int id, const Battuta& b, std::optional<std::string>& risultato) override;
    bool uscito(int id) override;
    bool cliccato(int id) override;

    /// Lines printed after the plan (the usury check), owned by the window.
    void bloccoInStampa(const std::vector<std::string>* righe) { bloccoStampa_ = righe; }

    /// "Calcola": the missing one of amount, number of instalments, rate and instalment, then the plan.
    void calcola();
    void stampaPiano();
    void calcolaTaeg();
    /// "Esporta Excel..." and "Esporta CSV...": the plan, one row per instalment, with its totals.
    void esportaPiano(bool excel);

private:
    // One solver per missing figure: each checks its three figures, writes the fourth and builds the
    // plan; an empty text when done, otherwise what to tell the user.
    std::string trovaRata();
    std::string trovaTasso();
    std::string trovaNumeroRate();
    std::string trovaImporto();
    std::string datiMancanti(const bool dato[4]) const;
    std::string nonNumerico(std::initializer_list<int> campi) const;
    void rataDelTasso();
    void costruisciPiano();
    void selezionaTesto(int id);
    void successivo(int da);
    void anniInRate();
    std::array<int, 6> scadenze() const;
    int opzioneScelta() const;
    void avviso(const std::string& testo);
    double numero(int id) const;

    Finestra& f_;
    Contesto& ctx_;
    StatoMutuo stato_;
    Piano piano_; // without its lines, which the list holds
    int bip_ = 0;
    const std::vector<std::string>* bloccoStampa_ = nullptr;
    bool dataNonValida_ = false; // the last plan was refused for its date
    const ControlliMutuo& c_;
};

} // namespace vantrel

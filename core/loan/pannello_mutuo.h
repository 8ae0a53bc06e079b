#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "loan/piano_ammortamento.h"
#include "loan/stato_mutuo.h"
#include "program/stato_programma.h"

#include <array>
#include <vector>

namespace vantrel {

// The controls of the "Mutuo" tab: the name in the code, the control's own name.
#define VANTREL_CONTROLLI_MUTUO(X)                                                                                     \
    X(importo, "txtImporto")                                                                                           \
    X(dataErogazione, "txtData")                                                                                       \
    X(anni, "anniX")                                                                                                   \
    X(numeroRate, "txtNumRate")                                                                                        \
    X(tassoAnnuo, "txtTasso")                                                                                          \
    X(rata, "txtRata")                                                                                                 \
    X(speseIniziali, "SpesaUT")                                                                                        \
    X(spesePerRata, "SpesaM")                                                                                          \
    X(taeg, "TxtTaeg")                                                                                                 \
    X(totaleInteressi, "TotIntM")                                                                                      \
    X(costoTotale, "totmutuo")                                                                                         \
    X(totaleSpese, "TSpese")                                                                                           \
    X(piano, "LstPianoAmm")                                                                                            \
    X(calcola, "CmdCalcola")                                                                                           \
    X(stampa, "cmdStampa")                                                                                             \
    X(corniceScadenza, "Frame1")                                                                                       \
    X(esportaExcel, "cmdEsportaXlsx")                                                                                  \
    X(esportaCsv, "cmdEsportaCsv")                                                                                     \
    X(mensile, "Option1(0)")                                                                                           \
    X(bimestrale, "Option1(1)")                                                                                        \
    X(trimestrale, "Option1(2)")                                                                                       \
    X(quadrimestrale, "Option1(3)")                                                                                    \
    X(semestrale, "Option1(4)")                                                                                        \
    X(annuale, "Option1(5)")
VANTREL_STRUTTURA_CONTROLLI(ControlliMutuo, VANTREL_CONTROLLI_MUTUO)

/// The "Mutuo" tab of the calculation window: the loan calculator.
class PannelloMutuo : public ParteFinestra {
public:
    PannelloMutuo(Finestra& f, Contesto& ctx);
    static void definisci(Schema& s);
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

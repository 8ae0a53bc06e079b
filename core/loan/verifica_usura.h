#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rates/serie_ufficiale.h"
#include "rates/soglia_ufficiale.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class PannelloMutuo;
struct ControlliMutuo;

// The controls of the "Verifica usura" frame: the name in the code, the control's own name.
#define VANTREL_CONTROLLI_VERIFICA_USURA(X)                                                                            \
    X(cornice, "FrameUsura")                                                                                           \
    X(dataContratto, "txtDataContratto")                                                                               \
    X(tipoOperazione, "cmbTipoOperazione")                                                                             \
    X(speseIstruttoria, "txtSpeseIstruttoria")                                                                         \
    X(assicurazione, "txtAssicurazione")                                                                               \
    X(mediazione, "txtMediazione")                                                                                     \
    X(tassoMora, "txtTassoMora")                                                                                       \
    X(moraSommata, "chkMoraSommata")                                                                                   \
    X(verifica, "cmdVerificaUsura")                                                                                    \
    X(tegUsura, "txtTegUsura")                                                                                         \
    X(soglia, "txtSogliaUsura")                                                                                        \
    X(esito, "txtEsitoUsura")                                                                                          \
    X(sogliaMora, "txtSogliaMora")                                                                                     \
    X(esitoMora, "txtEsitoMora")                                                                                       \
    X(fonteSoglia, "lstFonteSoglia")
VANTREL_STRUTTURA_CONTROLLI(ControlliVerificaUsura, VANTREL_CONTROLLI_VERIFICA_USURA)

/// The figures of one usury check of a loan, for the window, the plan print and the command line.
struct EsitoUsuraMutuo {
    std::string errore; // why the check could not be made; empty when it was
    std::string tegUsura, soglia, sogliaPubblicata, esito, sogliaMora, esitoMora;
    std::vector<std::string> righe; // the block the plan print carries
};

/// The "Verifica usura" frame of the "Mutuo" tab: the loan's TEG for the usury check (the TAEG of
/// the tab with every cost that enters the usury rate) against the threshold of its kind of
/// operation on the contract date, and the agreed default rate against the default-interest threshold.
class VerificaUsura : public ParteFinestra {
public:
    VerificaUsura(Finestra& f, Contesto& ctx, const PannelloMutuo& mutuo);
    static void definisci(Schema& s);
    /// The kinds of operation offered, in the order of the list.
    static const std::vector<std::string>& tipiOperazione();
    void carica();

    bool tasto(int id, const Battuta& tasto, std::optional<std::string>& risultato) override;
    bool uscito(int id) override;
    bool cliccato(int id) override;

    /// Runs the check on the tab's current figures and writes the result fields.
    void verifica();
    const EsitoUsuraMutuo& esito() const { return esito_; }

private:
    const SerieUfficiale* serie();
    double numero(int id) const;
    /// The lines of the default-interest check, added to the block the plan print carries.
    void verificaMora(double mora, const SogliaUfficiale& su, double soglia, TipoMora tipoMora);
    void mostra();

    Finestra& f_;
    Contesto& ctx_;
    const PannelloMutuo& mutuo_;
    const ControlliVerificaUsura& c_;
    const ControlliMutuo& m_; // the loan's fields, which the check reads
    std::shared_ptr<const SerieUfficiale> serie_;
    std::string erroreSerie_;
    EsitoUsuraMutuo esito_;
};

} // namespace vantrel

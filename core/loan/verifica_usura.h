#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "loan/teg_usura.h"
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

// The help of the default rate and of its check box.
inline constexpr const char* kAiutoMora =
    "inserire il tasso di mora pattuito. La soglia degli interessi moratori applica la regola della soglia al "
    "TEGM aumentato della maggiorazione media di mora (Cass. SU 19597/2020). Sulla somma del tasso di mora al "
    "tasso del contratto i tribunali non sono concordi: spuntare la casella per confrontare anche la somma.";

// The controls of the "Verifica usura" frame.
// clang-format off
#define VANTREL_CONTROLLI_VERIFICA_USURA(X)                                                                            \
    X(cornice, "FrameUsura", Cornice, .testo = "Verifica usura",                                                       \
        .aiuto = "confronto del TEG del mutuo e del tasso di mora con le soglie d'usura della data del contratto")     \
    X(dataContratto, "txtDataContratto", Testo,                                                                        \
        .aiuto = "inserire la data di stipula del contratto (gg/mm/aaaa); vuota: la data di erogazione",               \
        .lunghezzaMassima = 10, .tab = 1)                                                                              \
    X(tipoOperazione, "cmbTipoOperazione", Combo,                                                                      \
        .aiuto = "scegliere la categoria di operazione della rilevazione trimestrale dei tassi medi", .tab = 2)        \
    X(intermediario, "cmbIntermediario", Combo,                                                                        \
        .aiuto = "chi concede il finanziamento: fino al 31/12/2009 il credito personale e gli altri finanziamenti "    \
            "alle famiglie hanno una categoria per le banche e una per gli intermediari non bancari",                  \
        .tab = 3)                                                                                                      \
    X(speseIstruttoria, "txtSpeseIstruttoria", Testo,                                                                  \
        .aiuto = "spese iniziali che entrano nel TEG (istruttoria, notaio a carico): sostituiscono le spese "          \
            "iniziali del mutuo, non si sommano; vuoto: le spese iniziali del mutuo",                                  \
        .tab = 4)                                                                                                      \
    X(perizia, "txtPerizia", Testo, .aiuto = "spese di perizia dell'immobile pagate all'erogazione", .tab = 5)         \
    X(assicurazione, "txtAssicurazione", Testo,                                                                        \
        .aiuto = "premio dell'assicurazione collegata al finanziamento, pagato all'erogazione", .tab = 6)              \
    X(mediazione, "txtMediazione", Testo, .aiuto = "compenso di mediazione pagato all'erogazione", .tab = 7)           \
    X(tassoMora, "txtTassoMora", Testo, .aiuto = kAiutoMora, .lunghezzaMassima = 6, .tab = 8)                          \
    X(moraSommata, "chkMoraSommata", Casella, .testo = "confronta anche mora + tasso del contratto",                   \
        .aiuto = kAiutoMora, .tab = 9)                                                                                 \
    X(verifica, "cmdVerificaUsura", Pulsante, .testo = "Verifica usura",                                               \
        .aiuto = "calcola il TEG del mutuo e lo confronta con la soglia d'usura", .tab = 10)                           \
    X(tegUsura, "txtTegUsura", Testo,                                                                                  \
        .aiuto = "TEG del mutuo ai fini dell'usura: le rate come pagate (con le spese per rata) e i costi iniziali, "  \
            "su un anno di 12 mesi uguali",                                                                            \
        .solaLettura = true)                                                                                           \
    X(soglia, "txtSogliaUsura", Testo, .aiuto = "soglia d'usura della categoria e classe alla data del contratto",     \
        .solaLettura = true)                                                                                           \
    X(esito, "txtEsitoUsura", Testo, .aiuto = "esito del confronto del TEG con la soglia", .solaLettura = true)        \
    X(sogliaMora, "txtSogliaMora", Testo,                                                                              \
        .aiuto = "soglia degli interessi di mora: regola applicata a TEGM + maggiorazione", .solaLettura = true)       \
    X(esitoMora, "txtEsitoMora", Testo, .aiuto = "esito del confronto del tasso di mora con la sua soglia",            \
        .solaLettura = true)                                                                                           \
    X(fonteSoglia, "lstFonteSoglia", Lista, .aiuto = "categoria, classe, regola e fonte dei tassi usati")
// clang-format on
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
    /// The kinds of operation offered, in the order of the list.
    static const std::vector<std::string>& tipiOperazione();
    /// The intermediaries of the list, banks first.
    static const std::vector<std::string>& intermediari();
    void carica();

    bool tasto(int id, const Battuta& tasto, std::optional<std::string>& risultato) override;
    bool uscito(int id) override;
    bool cliccato(int id) override;

    /// Runs the check on the tab's current figures and writes the result fields.
    void verifica();
    const EsitoUsuraMutuo& esito() const { return esito_; }

private:
    /// The row of the series that gives the threshold, and the kind of loan of its surcharge.
    struct Categoria {
        RicercaSerie ricerca;
        TipoMora mora = TipoMora::AltriFinanziamenti;
        std::string nome; // the kind chosen, or the official name written
    };

    const SerieUfficiale* serie();
    double numero(int id) const;
    Categoria categoria(const SerieUfficiale& s, const Data& contratto, double anni);
    CostiMutuo costi() const;
    bool istruttoriaScritta() const;
    std::string valoriNonAmmessi() const;
    /// The lines of the default-interest check, added to the block the plan print carries.
    void verificaMora(const TassoEsatto& mora, const SogliaUfficiale& su);
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

#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class Accesso;

/// The kinds of window that the main window opens.
enum class TipoFinestra { Taeg, Usurari, GestoreReport, Calendario, Impostazioni, SoglieUfficiali };

enum class Disposizione { Sovrapponi, AffiancaOrizzontalmente, AffiancaVerticalmente, DisponiIcone };

/// A list of rows of an open window, as the exit sees it: whether it holds rows not saved, and its
/// save, which asks for a name when the list has none (false: not saved).
struct ListaAperta {
    std::function<bool()> nonSalvata;
    std::function<bool()> salva;
};

/// What the main window asks of the desktop that hosts it.
class OspiteFinestre {
public:
    virtual ~OspiteFinestre() = default;
    /// Whether the desktop has a view for the kind; the menus and buttons of the others are disabled.
    virtual bool disponibile(TipoFinestra) const { return true; }
    /// Creates a window of the kind and shows it; `scheda` >= 0 brings that tab to the front.
    virtual void crea(TipoFinestra tipo, int scheda) = 0;
    /// Shows an open window of the kind in front of the others (instance 0 is the first).
    virtual void primoPiano(TipoFinestra tipo, int istanza, int scheda) = 0;
    virtual void disponi(Disposizione d) = 0;
    virtual void impostaStampante() = 0;
    virtual void mostraLogo() = 0;
    virtual void mostraPrincipale() = 0;
    /// Shows the login window modally and returns when it has closed.
    virtual void login(Accesso& finestra) = 0;
    /// Ends the program: every window closes without a question.
    virtual void termina() = 0;
    /// The lists of rows of the open windows: the result list, the report managers, the text window.
    virtual std::vector<ListaAperta> listeAperte() { return {}; }
};

/// A size in twips.
struct Dimensioni {
    int larghezza = 0;
    int altezza = 0;
};

/// Where the centring puts the logo window, the tool bar panel and the calculation window (twips);
/// no value for a move that the system would refuse.
struct Centratura {
    std::optional<int> logoSinistra, logoAlto, pannelloSinistra, taegSinistra, taegAlto;
};

/// Centres the pieces in a main window of outer size `principale`. The calculation window, when
/// loaded, sits 2300 twips higher than the centre so that the tool bar stays free.
Centratura centra(Dimensioni principale, bool minimizzata, Dimensioni logo, int larghezzaPannello,
                  std::optional<Dimensioni> taeg);

/// The group of the tool buttons: a menu item carries its menu's caption instead.
inline constexpr const char* kGruppoPannello = "pannello2";

// The menu items and tool buttons of the main window.
// clang-format off
#define VANTREL_CONTROLLI_PRINCIPALE(X)                                                                                \
    X(impostaStampante, "ImpStamp", Pulsante, .testo = "Imposta stampante", .gruppo = "&File")                         \
    X(preferenze, "pref", Pulsante, .testo = "Preferenze", .gruppo = "&File")                                          \
    X(separatore, "Sep1", Linea, .gruppo = "&File")                                                                    \
    X(esci, "Esci", Pulsante, .testo = "Esci", .gruppo = "&File")                                                      \
    X(calcolatrice, "calco", Pulsante, .testo = "Calcolatrice", .gruppo = "Utilità")                                   \
    X(calendario, "Cal", Pulsante, .testo = "Calendario", .gruppo = "Utilità")                                         \
    X(soglieUfficiali, "SoglieUff", Pulsante, .testo = "Tassi soglia ufficiali", .gruppo = "Utilità")                  \
    X(sovrapponi, "Sovra", Pulsante, .testo = "Sovrapponi", .gruppo = "Finestra")                                      \
    X(affiancaOrizzontalmente, "AffOriz", Pulsante, .testo = "Affianca orizzontalmente", .gruppo = "Finestra")         \
    X(affiancaVerticalmente, "AffVert", Pulsante, .testo = "Affianca verticalmente", .gruppo = "Finestra")             \
    X(disponiIcone, "DispIcon", Pulsante, .testo = "Disponi icone", .gruppo = "Finestra")                              \
    X(pulsanteTeg, "SSCommand5", Pulsante, .tooltip = "calcolo T.E.G.", .gruppo = kGruppoPannello)                     \
    X(pulsanteTassi, "SSCommand13", Pulsante, .tooltip = "tassi usura", .gruppo = kGruppoPannello)                     \
    X(pulsanteSoglieUfficiali, "SSCommand27", Pulsante, .tooltip = "tassi soglia ufficiali",                           \
        .gruppo = kGruppoPannello)                                                                                     \
    X(pulsanteReport, "SSCommand11", Pulsante, .gruppo = kGruppoPannello)                                              \
    X(pulsantePiano, "SSCommand19", Pulsante, .tooltip = "piano ammortamento", .gruppo = kGruppoPannello)              \
    X(pulsanteCalendario, "SSCommand23", Pulsante, .tooltip = "calendario", .gruppo = kGruppoPannello)                 \
    X(pulsanteCalcolatrice, "SSCommand25", Pulsante, .tooltip = "calcolatrice", .gruppo = kGruppoPannello)             \
    X(pulsantePreferenze, "SSCommand21", Pulsante, .tooltip = "preferenze", .gruppo = kGruppoPannello)                 \
    X(pulsanteUscita, "SSCommand2", Pulsante, .tooltip = " Uscita ", .gruppo = kGruppoPannello)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliPrincipale, VANTREL_CONTROLLI_PRINCIPALE)

/// The main window: start-up, menu bar, tool bar and exit. Menu items carry their menu's caption
/// in `gruppo`, tool buttons the group "pannello2"; each click asks the host for a window kind.
/// Every kind has one shared instance; the report manager can have further ones.
class FinestraPrincipale : public Finestra {
public:
    FinestraPrincipale(Contesto& ctx, OspiteFinestre& ospite, std::string cartellaProgramma);
    static const Schema& schemaMDIForm1();

    /// Runs the start-up steps, each protected on its own, then opens the calculation window;
    /// false when the login was refused and the program has been ended.
    bool avvio();
    /// The folder the start-up proposes for reports; by default the program's folder.
    void cartellaReport(std::string cartella) { cartellaReport_ = std::move(cartella); }

    /// Shows the window of a kind: creates it the first time, brings it to the front after that.
    void mostra(TipoFinestra tipo, int scheda = -1);
    /// The host closed a window; the next request creates it again.
    void finestraChiusa(TipoFinestra tipo);

    /// "Uscita" and "Esci": asks whether to save the rows an open window would lose, else whether to
    /// end; true when the program has been ended.
    bool esci();
    /// The frame's close button and Alt+F4: ends at once, unless an open window holds rows not saved
    /// and the answer keeps the program open; true when the program has been ended.
    bool chiudiDallaCornice();
    void avviaCalcolatrice();

protected:
    void cliccato(int id) override;

private:
    /// No value when no open list holds rows not saved; else whether the program may end: "Sì"
    /// saves them all, "No" drops them, "Annulla" or a save not made keeps the program open.
    std::optional<bool> righeSalvatePrimaDiUscire();

    Contesto& ctx_;
    OspiteFinestre& ospite_;
    const ControlliPrincipale& c_;
    std::string cartella_;
    std::string cartellaReport_;
    std::map<TipoFinestra, int> aperte_;
};

namespace testiPrincipale {
inline constexpr const char* uscita = "Sei sicuro di voler uscire?";
inline constexpr const char* righeNonSalvate = "Il report contiene righe non salvate. Salvarle prima di uscire?";
} // namespace testiPrincipale

} // namespace vantrel

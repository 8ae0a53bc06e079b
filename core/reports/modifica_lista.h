#pragma once

#include "common/finestra.h"
#include "program/stato_programma.h"

#include <string>
#include <vector>

namespace vantrel {

namespace testata {
/// 150 "-".
const std::string& trattini();
/// The header line of the result rows (139 characters).
const std::string& righeRisultato();
/// The period header line of a cleared list (140 characters).
const std::string& periodi();
} // namespace testata

/// The controls of one editable list in its window. -1: the window has no such control.
struct ControlliLista {
    int lista = -1;
    int testo = -1;  // text to insert; takes the cut line
    int buffer = -1; // hidden paste buffer
    int giu = -1;    // move buttons
    int su = -1;
    int incolla = -1; // paste button
    int testata = -1, pulisci = -1, inCima = -1, accoda = -1, suSelezione = -1;
};

/// The controls of a list with every editing button, from a window's named controls (the list
/// itself is `lista`: windows call it by what it holds).
template <class Controlli>
ControlliLista listaCompleta(const Controlli& c, int lista) {
    return {.lista = lista,
            .testo = c.testoDaInserire,
            .buffer = c.rigaTolta,
            .giu = c.spostaGiu,
            .su = c.spostaSu,
            .incolla = c.incollaRiga,
            .testata = c.testata,
            .pulisci = c.eliminaTutto,
            .inCima = c.rigaInTesta,
            .accoda = c.rigaInFondo,
            .suSelezione = c.rigaSuSelezione};
}

/// The editing of a list of text lines by its buttons, its clicks and its double clicks.
/// The same piece serves every window that carries such a list, under that window's control names.
/// It remembers the lines last saved or opened, so that no row is dropped without a question.
class ModificaLista : public ParteFinestra {
public:
    ModificaLista(Finestra& f, const ControlliLista& controlli, Contesto& ctx);

    std::vector<std::string>& righe() { return modifica(f_, lista_).voci; }
    const std::vector<std::string>& righe() const { return f_[lista_].voci; }
    int selezione() const { return f_[lista_].selezione; }

    /// Saves the list as a report file named from `nome` (the report name field).
    void salva(const std::string& nome);
    /// Saves the list before the program ends: without a name, the file dialog proposes "report" and
    /// the user names the file there. True when the list is saved.
    bool salvaPrimaDiUscire(const std::string& nome);
    /// Replaces the list with a report file chosen by the user.
    void apri();
    /// Whether the list holds rows (lines other than header lines) that differ from the last saved or opened.
    bool righeNonSalvate() const;
    /// Asks before a close would drop unsaved rows; true when the window may close.
    bool chiusuraConfermata();

    void inserisciTestata();
    /// Asks first when the list holds rows; Cancel leaves the list as it was.
    void pulisciLista();
    void inserisciInCima();
    void accodaTesto();
    void inserisciSuSelezione();
    void spostaGiu();
    void spostaSu();
    void tagliaRiga();
    void incollaRiga();

    bool cliccato(int id) override;
    bool selezionato(int id) override;
    bool doppioCliccato(int id, int indice) override;

private:
    void abilita(int id, bool si);
    void abilitaSpostamenti(bool si);
    void inserisci(int indice, std::string riga);
    std::string testoDaInserire() const;

    bool haRighe() const;

    Finestra& f_;
    Contesto& ctx_;
    std::vector<std::string> salvate_; // the lines as last saved or opened
    int lista_, testo_, buffer_, giu_, su_, incolla_, testata_, pulisci_, inCima_, accoda_, suSelezione_;
};

namespace testiReport {
inline constexpr const char* eliminaTutto = "Eliminare tutte le righe del report?";
inline constexpr const char* righeNonSalvate =
    "Il report contiene righe non salvate, che andranno perse. Chiudere comunque?";
} // namespace testiReport

} // namespace vantrel

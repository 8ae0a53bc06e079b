#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

enum class Tipo { Testo, Etichetta, Pulsante, Opzione, Casella, Lista, Combo, Data, Cornice, Linea, Scheda };

/// The design of one control: what the window starts with and what never changes.
struct DefinizioneControllo {
    std::string nome;
    Tipo tipo = Tipo::Testo;
    std::string testo; // text or caption when the window is created
    std::string aiuto; // text shown in the help box while the pointer is over it
    std::string tooltip;
    std::string gruppo; // option buttons of one group exclude each other
    bool solaLettura = false;
    bool visibile = true;
    bool abilitato = true;
    bool selezionato = false;
    int lunghezzaMassima = 0;   // 0: no limit
    int sinistra = 0, alto = 0; // twips, where the position matters
};

/// The controls of one kind of window, shared by all its instances.
class Schema {
public:
    Schema(std::string finestra, std::string titolo);

    DefinizioneControllo& aggiungi(std::string nome, Tipo tipo, std::string testo = {});
    /// The order of Tab and of the Enter moves.
    void ordineTab(std::vector<std::string> nomi);

    int id(std::string_view nome) const;    // throws std::out_of_range for an unknown name
    int trova(std::string_view nome) const; // -1 when unknown
    const DefinizioneControllo& definizione(int id) const { return controlli_[static_cast<std::size_t>(id)]; }
    std::size_t dimensione() const { return controlli_.size(); }
    const std::vector<int>& tab() const { return tab_; }
    /// The controls as every new window starts with them, built on first use.
    const std::vector<struct Controllo>& prototipo() const;
    const std::string& finestra() const { return finestra_; }
    const std::string& titolo() const { return titolo_; }

private:
    std::string finestra_, titolo_;
    std::vector<DefinizioneControllo> controlli_;
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int, Hash, std::equal_to<>> indice_;
    std::vector<int> tab_;
    mutable std::vector<struct Controllo> prototipo_;
    mutable std::size_t definiti_ = 0; // definitions the prototype was built from
};

/// The live state of one control.
struct Controllo {
    std::string testo;
    std::vector<std::string> voci; // lists and combos
    int selezione = -1;
    bool visibile = true;
    bool abilitato = true;
    bool selezionato = false; // option buttons and check boxes
    int sinistra = 0, alto = 0;
    // A text field's caret and selected part, in characters; the caret is at one end of the selection.
    int cursore = 0;
    int inizioSelezione = 0, lunghezzaSelezione = 0;

    /// Selects from `ancora` to the caret `cursore` (characters), as a drag or Shift+arrows do.
    void selezionaTesto(int ancora, int cursore);

    friend bool operator==(const Controllo&, const Controllo&) = default;
};

/// The modifier keys held down with a key.
struct Modificatori {
    bool maiuscolo = false;                            // Shift
    bool controllo = false, alt = false, meta = false; // Meta is also the Super (Windows) key
    /// A key held with Ctrl, Alt, Super or Meta is a command: it never types its character.
    bool comando() const { return controllo || alt || meta; }
};

/// A key on its way into a text field. `tasto` is one character (UTF-8), "\b" for Backspace or "\r" for
/// Enter; `resto` is the field's text as the key finds it, the selection already taken out, so a filter
/// judges the text the field will hold; the key goes in at byte `posizione` of it. A filter that takes the
/// key may rewrite `*testo` (the text `resto` shows) in place, keeping its length; null when it may not.
struct Battuta {
    std::string_view tasto;
    std::string_view resto;
    Modificatori modificatori = {};
    std::size_t posizione = 0;
    std::string* testo = nullptr;
};

/// The keys of a text field that type no character.
enum class Tasto { Home, Fine, Sinistra, Destra, Backspace, Canc, Invio, Tab };

/// A window as a headless model of named controls. The screen's events arrive by control name;
/// each runs one operation to its end. The desktop views and the command line drive the same model.
class Finestra {
public:
    explicit Finestra(const Schema& schema);
    virtual ~Finestra() = default;
    Finestra(const Finestra&) = delete;
    Finestra& operator=(const Finestra&) = delete;

    const Schema& schema() const { return *schema_; }
    int id(std::string_view nome) const { return schema_->id(nome); }

    /// A control's state, to read: only the window's own operations change it (a view forwards events).
    const Controllo& operator[](int id) const { return controlli_[static_cast<std::size_t>(id)]; }
    const Controllo& operator[](std::string_view nome) const { return (*this)[id(nome)]; }
    /// The help box of the window, -1 when it has none.
    int aiuto() const { return aiuto_; }

    const std::string& testo(int id) const { return (*this)[id].testo; }
    /// Sets a text without raising the field's change event: the caret goes to the end, nothing selected
    /// (a text set to what it already is leaves them alone).
    void imposta(int id, std::string testo);

    // The screen's events. `tasto` is one character (UTF-8), "\b" for Backspace or "\r" for Enter; it goes
    // through the field's key filter and then replaces the selection or goes in at the caret. Held with
    // Ctrl, Alt, Super or Meta it types nothing: the shortcuts are events of their own (Ctrl+V, ...).
    void digita(std::string_view controllo, std::string_view tasto, Modificatori m = {});
    /// A key that types no character; with `maiuscolo` (Shift) the arrows, Home and End extend the selection.
    void premi(std::string_view controllo, Tasto tasto, bool maiuscolo = false);
    /// The field's whole text replaced as by pasting (no key filter; cut to the maximum length).
    void incolla(std::string_view controllo, std::string testo);
    void incolla(int id, std::string testo);
    /// Ctrl+V: `testo` (its first line, cut to the room left) replaces the selection or goes in at the caret.
    void incollaAlCursore(std::string_view controllo, std::string_view testo);
    /// Ctrl+X: removes the selection and returns it for the clipboard.
    std::string taglia(std::string_view controllo);
    void selezionaTutto(std::string_view controllo); // Ctrl+A
    void annulla(std::string_view controllo);        // Ctrl+Z
    void ripeti(std::string_view controllo);         // Ctrl+Y
    /// The mouse leaves the caret at `cursore` with the text from `ancora` selected (characters).
    void selezionaTesto(std::string_view controllo, int ancora, int cursore);
    void esci(std::string_view controllo);
    void esci(int id);
    void clicca(std::string_view controllo);
    void clicca(int id);
    void seleziona(std::string_view controllo, int indice);
    void seleziona(int id, int indice);
    /// On a list `indice` is the line; on a text field the character clicked, whose word or number is selected.
    void doppioClic(std::string_view controllo, int indice);
    void sopra(std::string_view controllo);
    void sopra(int id);

    int fuoco() const { return fuoco_; }
    void daiFuoco(int id) { fuoco_ = id; }
    /// Moves the focus to the next control of the tab order that can take it.
    void fuocoSuccessivo(int da);

    bool chiusa() const { return chiusa_; }

    /// Sets a text and raises the field's change event, as a program assignment on screen does.
    void cambia(int id, std::string testo);
    /// Selects an option button, clearing the others of its group, and runs its click.
    void scegliOpzione(int id);
    void selezionaVoce(int id, int indice);
    void chiudi() { chiusa_ = true; }
    /// Every control back as designed, no focus, the window open: as just created.
    void ripristina();

protected:
    /// A control's state, to change: for the window's operations and its parts only.
    Controllo& modifica(int id) { return controlli_[static_cast<std::size_t>(id)]; }
    Controllo& modifica(std::string_view nome) { return modifica(id(nome)); }

    /// What a typed key does: the text to insert, or nothing when the key is dropped.
    virtual std::optional<std::string> tasto(int id, const Battuta& b);
    virtual void cambiato(int /*id*/) {}
    virtual void uscito(int /*id*/) {}
    virtual void cliccato(int /*id*/) {}
    virtual void selezionato(int /*id*/) {}
    virtual void doppioCliccato(int /*id*/, int /*indice*/) {}

    /// The help box of the window, -1 when it has none.
    int aiuto_ = -1;

private:
    // How an edit joins the undo history: a run of typed keys (or of Backspaces) is undone at once.
    enum class Modifica { Nessuna, Digitazione, Backspace, Canc, Altra };
    struct Istantanea {
        std::string testo;
        int ancora = 0, cursore = 0;
    };
    struct Storia {
        std::vector<Istantanea> indietro, avanti;
        Modifica ultima = Modifica::Nessuna;
    };

    Controllo* campo(int id); // the field when it takes keys (visible and enabled), with the focus
    bool modificabile(int id) const;
    void modificaTesto(int id, std::string testo, int cursore, Modifica tipo);
    void ripristinaIstantanea(int id, bool indietro);
    void dimenticaStoria(int id);
    void separa(int id); // a caret move: the next edit is a step of its own

    const Schema* schema_;
    std::vector<Controllo> controlli_;
    std::vector<Storia> storia_; // per control, made on the first edit
    int fuoco_ = -1;
    bool chiusa_ = false;

    friend class ParteFinestra;
};

/// A part of a window (one tab, one panel) with its own controls and operations. The window
/// offers each event to its parts in turn; a part answers true when the control is its own.
class ParteFinestra {
public:
    virtual ~ParteFinestra() = default;
    /// Sets `risultato` to what the field receives (nothing: the key is dropped).
    virtual bool tasto(int /*id*/, const Battuta& /*b*/, std::optional<std::string>& /*risultato*/) { return false; }
    virtual bool cambiato(int /*id*/) { return false; }
    virtual bool uscito(int /*id*/) { return false; }
    virtual bool cliccato(int /*id*/) { return false; }
    virtual bool selezionato(int /*id*/) { return false; }
    virtual bool doppioCliccato(int /*id*/, int /*indice*/) { return false; }

protected:
    /// A control of the window the part belongs to, to change.
    static Controllo& modifica(Finestra& f, int id) { return f.modifica(id); }
};

/// The usual key filter of the amount and rate fields: digits, Backspace, and the separators as the
/// program writes amounts: the first "," or "." is the decimal comma (the keypad's "." too: 12.5 reads
/// 12,5); a separator typed after digits grouped by three ("1,850" then ",") makes the commas so far
/// thousands dots, so that 1.850,50 typed reads 1.850,50. Enter moves the focus on. Returns what the
/// field receives.
std::optional<std::string> filtroNumerico(Finestra& f, int id, const Battuta& b);

} // namespace vantrel

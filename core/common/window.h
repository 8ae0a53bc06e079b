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
    int inizioSelezione = 0, lunghezzaSelezione = 0; // selected part of a text field

    friend bool operator==(const Controllo&, const Controllo&) = default;
};

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

    Controllo& operator[](int id) { return controlli_[static_cast<std::size_t>(id)]; }
    const Controllo& operator[](int id) const { return controlli_[static_cast<std::size_t>(id)]; }
    Controllo& operator[](std::string_view nome) { return (*this)[id(nome)]; }
    const Controllo& operator[](std::string_view nome) const { return (*this)[id(nome)]; }

    const std::string& testo(int id) const { return (*this)[id].testo; }
    /// Sets a text without raising the field's change event.
    void imposta(int id, std::string testo) { (*this)[id].testo = std::move(testo); }

    // The screen's events. `tasto` is one character (UTF-8), "\b" for Backspace or "\r" for Enter.
    void digita(std::string_view controllo, std::string_view tasto);
    void incolla(std::string_view controllo, std::string testo);
    void esci(std::string_view controllo);
    void clicca(std::string_view controllo);
    void seleziona(std::string_view controllo, int indice);
    void doppioClic(std::string_view controllo, int indice);
    void sopra(std::string_view controllo);

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
    /// What a typed key does: the text to insert, or nothing when the key is dropped.
    virtual std::optional<std::string> tasto(int id, std::string_view tasto);
    virtual void cambiato(int /*id*/) {}
    virtual void uscito(int /*id*/) {}
    virtual void cliccato(int /*id*/) {}
    virtual void selezionato(int /*id*/) {}
    virtual void doppioCliccato(int /*id*/, int /*indice*/) {}

    /// The help box of the window, -1 when it has none.
    int aiuto_ = -1;

private:
    const Schema* schema_;
    std::vector<Controllo> controlli_;
    int fuoco_ = -1;
    bool chiusa_ = false;
};

/// A part of a window (one tab, one panel) with its own controls and operations. The window
/// offers each event to its parts in turn; a part answers true when the control is its own.
class ParteFinestra {
public:
    virtual ~ParteFinestra() = default;
    /// Sets `risultato` to what the field receives (nothing: the key is dropped).
    virtual bool tasto(int /*id*/, std::string_view /*tasto*/, std::optional<std::string>& /*risultato*/) {
        return false;
    }
    virtual bool cambiato(int /*id*/) { return false; }
    virtual bool uscito(int /*id*/) { return false; }
    virtual bool cliccato(int /*id*/) { return false; }
    virtual bool selezionato(int /*id*/) { return false; }
    virtual bool doppioCliccato(int /*id*/, int /*indice*/) { return false; }
};

/// The usual key filter of the amount and rate fields: digits, one decimal comma ("." becomes ","),
/// Backspace; Enter moves the focus on. Returns what the field receives.
std::optional<std::string> filtroNumerico(Finestra& f, int id, std::string_view tasto);

} // namespace vantrel

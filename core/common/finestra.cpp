#include "common/finestra.h"

#include "common/testo.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace vantrel {
namespace {

int caratteri(std::string_view s) {
    return static_cast<int>(lunghezza(s));
}

// The end of the selection that stays put while the caret moves.
int ancora(const Controllo& c) {
    if (c.lunghezzaSelezione == 0) return c.cursore;
    return c.cursore == c.inizioSelezione ? c.inizioSelezione + c.lunghezzaSelezione : c.inizioSelezione;
}

// A text cut around `lunghezza` characters from `inizio`: their byte offsets, and the text without them.
struct Pezzi {
    Pezzi(const std::string& t, int inizio, int lunghezza)
        : testo(t), da(primiCaratteri(t, static_cast<std::size_t>(inizio)).size()),
          a(primiCaratteri(t, static_cast<std::size_t>(inizio) + static_cast<std::size_t>(lunghezza)).size()) {}
    std::string resto() const { return testo.substr(0, da) + testo.substr(a); }
    const std::string& testo;
    std::size_t da, a;
};

// Letters (any non-ASCII character counts as one), digits and "_" make words; ".", "," and "'" between
// two of them too, so that "4.500.000", "11,62" and "dell'anno" are one word each.
bool diParola(std::string_view ch) {
    const auto b = static_cast<unsigned char>(ch[0]);
    return b >= 0x80 || std::isalnum(b) || b == '_';
}

std::vector<std::string_view> inCaratteri(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t j = i + 1;
        while (j < s.size() && (static_cast<unsigned char>(s[j]) & 0xC0) == 0x80)
            ++j;
        out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

// The word or number at character `pos` (the one right of the caret there), as [inizio, fine).
std::pair<int, int> parolaIn(std::string_view s, int pos) {
    const auto ch = inCaratteri(s);
    const int n = static_cast<int>(ch.size());
    if (n == 0) return {0, 0};
    pos = std::clamp(pos, 0, n - 1);
    const auto parola = [&](int k) {
        const auto& c = ch[static_cast<std::size_t>(k)];
        if (diParola(c)) return true;
        return (c == "." || c == "," || c == "'") && k > 0 && k < n - 1 &&
               diParola(ch[static_cast<std::size_t>(k) - 1]) && diParola(ch[static_cast<std::size_t>(k) + 1]);
    };
    const bool tipo = parola(pos);
    int inizio = pos, fine = pos + 1;
    while (inizio > 0 && parola(inizio - 1) == tipo)
        --inizio;
    while (fine < n && parola(fine) == tipo)
        ++fine;
    return {inizio, fine};
}

} // namespace

void Controllo::selezionaTesto(int ancora, int c) {
    cursore = c;
    inizioSelezione = std::min(ancora, c);
    lunghezzaSelezione = std::abs(ancora - c);
}

Schema::Schema(std::string finestra, std::string titolo) : finestra_(std::move(finestra)), titolo_(std::move(titolo)) {}

DefinizioneControllo& Schema::aggiungi(std::string nome, Tipo tipo, std::string testo) {
    // Events, scripts and report files find a control by its name: two with one name would be a trap.
    if (!indice_.emplace(nome, static_cast<int>(controlli_.size())).second)
        throw std::invalid_argument("controllo duplicato nella finestra " + finestra_ + ": " + nome);
    DefinizioneControllo& d = controlli_.emplace_back();
    d.nome = std::move(nome);
    d.tipo = tipo;
    d.testo = std::move(testo);
    return d;
}

void Schema::ordineTab(std::vector<std::string> nomi) {
    tab_.clear();
    for (const auto& n : nomi)
        tab_.push_back(id(n));
}

int Schema::trova(std::string_view nome) const {
    const auto it = indice_.find(nome);
    return it == indice_.end() ? -1 : it->second;
}

int Schema::id(std::string_view nome) const {
    const int i = trova(nome);
    if (i < 0) throw std::out_of_range("controllo sconosciuto nella finestra " + finestra_ + ": " + std::string(nome));
    return i;
}

const std::vector<Controllo>& Schema::prototipo() const {
    if (definiti_ != controlli_.size()) {
        prototipo_.clear();
        prototipo_.reserve(controlli_.size());
        for (const auto& d : controlli_) {
            Controllo c;
            c.testo = d.testo;
            c.visibile = d.visibile;
            c.abilitato = d.abilitato;
            c.selezionato = d.selezionato;
            c.sinistra = d.sinistra;
            c.alto = d.alto;
            const int fine = caratteri(d.testo);
            c.selezionaTesto(fine, fine);
            prototipo_.push_back(std::move(c));
        }
        definiti_ = controlli_.size();
    }
    return prototipo_;
}

Finestra::Finestra(const Schema& schema) : schema_(&schema), controlli_(schema.prototipo()) {
    aiuto_ = schema.trova("HELP");
}

void Finestra::ripristina() {
    controlli_ = schema_->prototipo(); // assigning reuses the texts' storage
    storia_.clear();
    fuoco_ = -1;
    chiusa_ = false;
}

std::optional<std::string> Finestra::tasto(int, const Battuta& b) {
    if (b.tasto == "\r") return std::nullopt; // a single-line field ignores Enter
    return std::string(b.tasto);
}

void Finestra::imposta(int id, std::string t) {
    Controllo& c = modifica(id);
    if (c.testo == t) return;
    c.testo = std::move(t);
    const int n = caratteri(c.testo);
    c.selezionaTesto(n, n);
    dimenticaStoria(id);
}

Controllo* Finestra::campo(int id) {
    Controllo& c = modifica(id);
    if (!c.visibile || !c.abilitato) return nullptr;
    fuoco_ = id;
    // A text written directly may have left the caret beyond its end.
    const int n = caratteri(c.testo);
    c.selezionaTesto(std::clamp(ancora(c), 0, n), std::clamp(c.cursore, 0, n));
    return &c;
}

bool Finestra::modificabile(int id) const {
    const auto& d = schema_->definizione(id);
    return !d.solaLettura && (d.tipo == Tipo::Testo || d.tipo == Tipo::Combo || d.tipo == Tipo::Data);
}

void Finestra::modificaTesto(int id, std::string t, int cursore, Modifica tipo) {
    Controllo& c = modifica(id);
    if (t == c.testo) {
        c.selezionaTesto(cursore, cursore);
        return;
    }
    if (storia_.size() < controlli_.size()) storia_.resize(controlli_.size());
    Storia& s = storia_[static_cast<std::size_t>(id)];
    if (tipo == Modifica::Altra || tipo != s.ultima || c.lunghezzaSelezione > 0)
        s.indietro.push_back({c.testo, ancora(c), c.cursore});
    s.avanti.clear();
    s.ultima = tipo == Modifica::Altra ? Modifica::Nessuna : tipo;
    c.testo = std::move(t);
    c.selezionaTesto(cursore, cursore);
    cambiato(id);
}

void Finestra::ripristinaIstantanea(int id, bool indietro) {
    if (static_cast<std::size_t>(id) >= storia_.size()) return;
    Storia& s = storia_[static_cast<std::size_t>(id)];
    auto& da = indietro ? s.indietro : s.avanti;
    auto& verso = indietro ? s.avanti : s.indietro;
    if (da.empty()) return;
    Controllo& c = modifica(id);
    verso.push_back({c.testo, ancora(c), c.cursore});
    Istantanea x = std::move(da.back());
    da.pop_back();
    s.ultima = Modifica::Nessuna;
    c.testo = std::move(x.testo);
    c.selezionaTesto(x.ancora, x.cursore);
    cambiato(id);
}

void Finestra::dimenticaStoria(int id) {
    if (static_cast<std::size_t>(id) < storia_.size()) storia_[static_cast<std::size_t>(id)] = {};
}

void Finestra::separa(int id) {
    if (static_cast<std::size_t>(id) < storia_.size()) storia_[static_cast<std::size_t>(id)].ultima = Modifica::Nessuna;
}

void Finestra::digita(std::string_view controllo, std::string_view t, Modificatori m) {
    if (m.comando()) return; // Alt+U is no "u": a command key that is not a shortcut does nothing
    if (t == "\b") return premi(controllo, Tasto::Backspace);
    if (t == "\r") return premi(controllo, Tasto::Invio);
    const int i = id(controllo);
    Controllo* c = campo(i);
    if (!c) return;
    const Pezzi p(c->testo, c->inizioSelezione, c->lunghezzaSelezione);
    std::string nuovo = p.resto();
    const auto out = tasto(i, Battuta{t, nuovo, m, p.da, &nuovo});
    if (!out || !modificabile(i)) return;
    const int massimo = schema_->definizione(i).lunghezzaMassima;
    const int n = caratteri(*out);
    if (massimo > 0 && caratteri(nuovo) + n > massimo) return;
    nuovo.insert(p.da, *out);
    modificaTesto(i, std::move(nuovo), c->inizioSelezione + n, Modifica::Digitazione);
}

void Finestra::premi(std::string_view controllo, Tasto t, bool maiuscolo) {
    const int i = id(controllo);
    Controllo* c = campo(i);
    if (!c) return;
    const int n = caratteri(c->testo);
    const int inizio = c->inizioSelezione, fine = inizio + c->lunghezzaSelezione;
    const auto sposta = [&](int pos) {
        c->selezionaTesto(maiuscolo ? ancora(*c) : pos, pos);
        separa(i);
    };
    switch (t) {
    case Tasto::Home:
        return sposta(0);
    case Tasto::Fine:
        return sposta(n);
    case Tasto::Sinistra: // without Shift a selection collapses to its start
        return sposta(!maiuscolo && fine > inizio ? inizio : std::max(0, c->cursore - 1));
    case Tasto::Destra:
        return sposta(!maiuscolo && fine > inizio ? fine : std::min(n, c->cursore + 1));
    case Tasto::Tab: { // as on screen: the field is left, and a text field reached has its text selected
        fuocoSuccessivo(i);
        const int nuovo = fuoco_;
        if (nuovo == i) return;
        esci(controllo);
        if (fuoco_ == nuovo && schema_->definizione(nuovo).tipo == Tipo::Testo) {
            Controllo& f = modifica(nuovo);
            f.selezionaTesto(0, caratteri(f.testo));
        }
        return;
    }
    case Tasto::Invio:
        (void)tasto(i, Battuta{"\r", c->testo});
        return;
    case Tasto::Backspace:
    case Tasto::Canc:
        break;
    }
    const bool indietro = t == Tasto::Backspace;
    // Backspace goes through the key filter, Delete does not (it types no character).
    if (indietro && !tasto(i, Battuta{"\b", Pezzi(c->testo, inizio, fine - inizio).resto()})) return;
    if (!modificabile(i)) return;
    int da = inizio, a = fine;
    if (da == a) {
        if (indietro)
            da = std::max(0, c->cursore - 1);
        else
            a = std::min(n, c->cursore + 1);
    }
    if (da == a) return;
    modificaTesto(i, Pezzi(c->testo, da, a - da).resto(), da, indietro ? Modifica::Backspace : Modifica::Canc);
}

void Finestra::incolla(std::string_view controllo, std::string t) {
    incolla(id(controllo), std::move(t));
}

void Finestra::incolla(int i, std::string t) {
    const auto& d = schema_->definizione(i);
    if (d.lunghezzaMassima > 0 && d.tipo == Tipo::Testo)
        t = std::string(primiCaratteri(t, static_cast<std::size_t>(d.lunghezzaMassima)));
    fuoco_ = i;
    cambia(i, std::move(t));
}

void Finestra::incollaAlCursore(std::string_view controllo, std::string_view t) {
    const int i = id(controllo);
    Controllo* c = campo(i);
    if (!c || !modificabile(i)) return;
    t = t.substr(0, t.find_first_of("\r\n")); // a single line takes the first line
    const Pezzi p(c->testo, c->inizioSelezione, c->lunghezzaSelezione);
    std::string nuovo = p.resto();
    const int massimo = schema_->definizione(i).lunghezzaMassima;
    if (massimo > 0) t = primiCaratteri(t, static_cast<std::size_t>(std::max(0, massimo - caratteri(nuovo))));
    nuovo.insert(p.da, t);
    modificaTesto(i, std::move(nuovo), c->inizioSelezione + caratteri(t), Modifica::Altra);
}

std::string Finestra::taglia(std::string_view controllo) {
    const int i = id(controllo);
    Controllo* c = campo(i);
    if (!c || !modificabile(i) || c->lunghezzaSelezione == 0) return {};
    const Pezzi p(c->testo, c->inizioSelezione, c->lunghezzaSelezione);
    std::string tagliato = c->testo.substr(p.da, p.a - p.da);
    modificaTesto(i, p.resto(), c->inizioSelezione, Modifica::Altra);
    return tagliato;
}

void Finestra::selezionaTutto(std::string_view controllo) {
    const int i = id(controllo);
    if (Controllo* c = campo(i)) {
        c->selezionaTesto(0, caratteri(c->testo));
        separa(i);
    }
}

void Finestra::annulla(std::string_view controllo) {
    const int i = id(controllo);
    if (campo(i) && modificabile(i)) ripristinaIstantanea(i, true);
}

void Finestra::ripeti(std::string_view controllo) {
    const int i = id(controllo);
    if (campo(i) && modificabile(i)) ripristinaIstantanea(i, false);
}

void Finestra::selezionaTesto(std::string_view controllo, int a, int cursore) {
    const int i = id(controllo);
    if (Controllo* c = campo(i)) {
        const int n = caratteri(c->testo);
        c->selezionaTesto(std::clamp(a, 0, n), std::clamp(cursore, 0, n));
        separa(i);
    }
}

void Finestra::esci(std::string_view controllo) {
    esci(id(controllo));
}

void Finestra::esci(int i) {
    Controllo& c = modifica(i);
    c.selezionaTesto(c.cursore, c.cursore); // a field left keeps its caret, not its selection
    uscito(i);
}

void Finestra::clicca(std::string_view controllo) {
    clicca(id(controllo));
}

void Finestra::clicca(int i) {
    Controllo& c = modifica(i);
    if (!c.visibile || !c.abilitato) return;
    switch (schema_->definizione(i).tipo) {
    case Tipo::Opzione:
        scegliOpzione(i);
        return;
    case Tipo::Casella:
        c.selezionato = !c.selezionato;
        break;
    default:
        break;
    }
    cliccato(i);
}

void Finestra::seleziona(std::string_view controllo, int indice) {
    seleziona(id(controllo), indice);
}

void Finestra::seleziona(int i, int indice) {
    Controllo& c = modifica(i);
    if (!c.visibile || !c.abilitato) return;
    if (indice < 0 || indice >= static_cast<int>(c.voci.size())) return;
    selezionaVoce(i, indice);
}

void Finestra::doppioClic(std::string_view controllo, int indice) {
    const int i = id(controllo);
    if (schema_->definizione(i).tipo == Tipo::Testo) {
        if (Controllo* t = campo(i)) {
            const auto [inizio, fine] = parolaIn(t->testo, indice);
            t->selezionaTesto(inizio, fine);
            separa(i);
            doppioCliccato(i, indice);
        }
        return;
    }
    Controllo& c = modifica(i);
    if (!c.visibile || !c.abilitato) return;
    if (indice < 0 || indice >= static_cast<int>(c.voci.size())) return; // not on a line
    selezionaVoce(i, indice);
    doppioCliccato(i, indice);
}

void Finestra::sopra(std::string_view controllo) {
    sopra(id(controllo));
}

void Finestra::sopra(int i) {
    const auto& aiuto = schema_->definizione(i).aiuto;
    if (aiuto_ >= 0 && !aiuto.empty()) modifica(aiuto_).testo = aiuto;
}

void Finestra::fuocoSuccessivo(int da) {
    const auto& tab = schema_->tab();
    if (tab.empty()) return;
    std::size_t pos = 0;
    bool found = false;
    for (std::size_t k = 0; k < tab.size(); ++k)
        if (tab[k] == da) {
            pos = k;
            found = true;
        }
    for (std::size_t step = 1; step <= tab.size(); ++step) {
        const int next = tab[(pos + (found ? step : step - 1)) % tab.size()];
        const Controllo& c = (*this)[next];
        if (c.visibile && c.abilitato) {
            fuoco_ = next;
            return;
        }
    }
}

void Finestra::cambia(int id, std::string t) {
    imposta(id, std::move(t));
    cambiato(id);
}

void Finestra::scegliOpzione(int id) {
    const std::string& gruppo = schema_->definizione(id).gruppo;
    for (std::size_t k = 0; k < controlli_.size(); ++k) {
        const auto& d = schema_->definizione(static_cast<int>(k));
        if (d.tipo == Tipo::Opzione && d.gruppo == gruppo) controlli_[k].selezionato = false;
    }
    modifica(id).selezionato = true;
    cliccato(id);
}

void Finestra::selezionaVoce(int id, int indice) {
    Controllo& c = modifica(id);
    c.selezione = indice;
    if (schema_->definizione(id).tipo == Tipo::Combo) imposta(id, c.voci[static_cast<std::size_t>(indice)]);
    selezionato(id);
}

namespace {

// Digits grouped by three as typed so far, the groups joined by "," ("1,850", "12,500,000"), the key
// going in at their end: those commas were typed as thousands dots.
bool migliaiaDigitate(std::string_view t, std::size_t posizione) {
    if (posizione != t.size() || t.empty() || t[0] < '1' || t[0] > '9') return false;
    const std::size_t virgola = t.find(',');
    if (virgola == std::string_view::npos || virgola > 3) return false;
    for (std::size_t k = 0; k < t.size(); ++k) {
        const bool separatore = k >= virgola && (k - virgola) % 4 == 0;
        if (separatore ? t[k] != ',' : (t[k] < '0' || t[k] > '9')) return false;
    }
    return (t.size() - virgola) % 4 == 0;
}

} // namespace

std::optional<std::string> filtroNumerico(Finestra& f, int id, const Battuta& b) {
    const std::string_view t = b.tasto;
    if (t == "\r") {
        f.fuocoSuccessivo(id);
        return std::nullopt;
    }
    if (t == "\b") return std::string(t);
    if (t.size() != 1 || b.modificatori.comando()) return std::nullopt;
    const char c = t[0];
    if (c >= '0' && c <= '9') return std::string(1, c);
    if (c != ',' && c != '.') return std::nullopt;
    if (b.resto.find(',') == std::string_view::npos) return std::string(",");
    if (!b.testo || !migliaiaDigitate(b.resto, b.posizione)) return std::nullopt; // one decimal comma
    std::replace(b.testo->begin(), b.testo->end(), ',', '.');
    return std::string(1, c);
}

} // namespace vantrel

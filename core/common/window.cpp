#include "common/window.h"

#include "common/text.h"

#include <stdexcept>

namespace vantrel {

Schema::Schema(std::string finestra, std::string titolo) : finestra_(std::move(finestra)), titolo_(std::move(titolo)) {}

DefinizioneControllo& Schema::aggiungi(std::string nome, Tipo tipo, std::string testo) {
    indice_.emplace(nome, static_cast<int>(controlli_.size()));
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
    fuoco_ = -1;
    chiusa_ = false;
}

std::optional<std::string> Finestra::tasto(int, std::string_view t) {
    if (t == "\r") return std::nullopt; // a single-line field ignores Enter
    return std::string(t);
}

void Finestra::digita(std::string_view controllo, std::string_view t) {
    const int i = id(controllo);
    Controllo& c = (*this)[i];
    if (!c.visibile || !c.abilitato) return;
    fuoco_ = i;
    const auto out = tasto(i, t);
    if (!out) return;
    const auto& d = schema_->definizione(i);
    if (d.solaLettura || (d.tipo != Tipo::Testo && d.tipo != Tipo::Combo)) return;
    std::string nuovo = (*this)[i].testo;
    if (*out == "\b") {
        togliUltimoCarattere(nuovo);
    } else {
        if (d.lunghezzaMassima > 0 && lunghezza(nuovo) + lunghezza(*out) > static_cast<std::size_t>(d.lunghezzaMassima))
            return;
        nuovo += *out;
    }
    cambia(i, std::move(nuovo));
}

void Finestra::incolla(std::string_view controllo, std::string t) {
    const int i = id(controllo);
    const auto& d = schema_->definizione(i);
    if (d.lunghezzaMassima > 0 && d.tipo == Tipo::Testo)
        t = std::string(primiCaratteri(t, static_cast<std::size_t>(d.lunghezzaMassima)));
    fuoco_ = i;
    cambia(i, std::move(t));
}

void Finestra::esci(std::string_view controllo) {
    const int i = id(controllo);
    uscito(i);
}

void Finestra::clicca(std::string_view controllo) {
    const int i = id(controllo);
    Controllo& c = (*this)[i];
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
    const int i = id(controllo);
    Controllo& c = (*this)[i];
    if (!c.visibile || !c.abilitato) return;
    if (indice < 0 || indice >= static_cast<int>(c.voci.size())) return;
    selezionaVoce(i, indice);
}

void Finestra::doppioClic(std::string_view controllo, int indice) {
    const int i = id(controllo);
    Controllo& c = (*this)[i];
    if (!c.visibile || !c.abilitato) return;
    if (indice < 0 || indice >= static_cast<int>(c.voci.size())) return; // not on a line
    selezionaVoce(i, indice);
    doppioCliccato(i, indice);
}

void Finestra::sopra(std::string_view controllo) {
    const int i = id(controllo);
    const auto& aiuto = schema_->definizione(i).aiuto;
    if (aiuto_ >= 0 && !aiuto.empty()) (*this)[aiuto_].testo = aiuto;
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
    (*this)[id].testo = std::move(t);
    cambiato(id);
}

void Finestra::scegliOpzione(int id) {
    const std::string& gruppo = schema_->definizione(id).gruppo;
    for (std::size_t k = 0; k < controlli_.size(); ++k) {
        const auto& d = schema_->definizione(static_cast<int>(k));
        if (d.tipo == Tipo::Opzione && d.gruppo == gruppo) controlli_[k].selezionato = false;
    }
    (*this)[id].selezionato = true;
    cliccato(id);
}

void Finestra::selezionaVoce(int id, int indice) {
    Controllo& c = (*this)[id];
    c.selezione = indice;
    if (schema_->definizione(id).tipo == Tipo::Combo) c.testo = c.voci[static_cast<std::size_t>(indice)];
    selezionato(id);
}

std::optional<std::string> filtroNumerico(Finestra& f, int id, std::string_view t) {
    if (t == "\r") {
        f.fuocoSuccessivo(id);
        return std::nullopt;
    }
    if (t == "\b") return std::string(t);
    if (t.size() != 1) return std::nullopt;
    char c = t[0];
    if (c == '.') c = ',';
    if (c == ',') {
        if (f.testo(id).find(',') != std::string::npos) return std::nullopt;
        return std::string(1, c);
    }
    if (c >= '0' && c <= '9') return std::string(1, c);
    return std::nullopt;
}

} // namespace vantrel

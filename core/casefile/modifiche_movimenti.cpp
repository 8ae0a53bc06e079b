#include "casefile/modifiche_movimenti.h"

namespace vantrel {

std::string ModificheMovimenti::applica(std::int64_t id, const std::optional<Movimento>& da,
                                        const std::optional<Movimento>& a) {
    if (!a) return pratica_.eliminaMovimento(id);
    if (!da) {
        std::int64_t nuovo = 0;
        return pratica_.aggiungiMovimento(*a, nuovo, id);
    }
    return pratica_.modificaMovimento(id, *a);
}

void ModificheMovimenti::registra(Passo p) {
    storia_.resize(fatte_); // a new edit drops what could be redone
    storia_.push_back(std::move(p));
    fatte_ = storia_.size();
}

std::string ModificheMovimenti::aggiungi(const Movimento& m, std::int64_t& id) {
    std::string e = pratica_.aggiungiMovimento(m, id);
    if (e.empty()) registra({id, std::nullopt, m});
    return e;
}

std::string ModificheMovimenti::modifica(std::int64_t id, const Movimento& m) {
    const auto prima = pratica_.movimento(id);
    if (!prima) return "il movimento non c'è più";
    std::string e = pratica_.modificaMovimento(id, m);
    if (e.empty()) registra({id, prima, m});
    return e;
}

std::string ModificheMovimenti::elimina(std::int64_t id) {
    const auto prima = pratica_.movimento(id);
    if (!prima) return "il movimento non c'è più";
    std::string e = pratica_.eliminaMovimento(id);
    if (e.empty()) registra({id, prima, std::nullopt});
    return e;
}

std::string ModificheMovimenti::nome(const Passo& p) {
    return !p.prima ? "aggiunta" : !p.dopo ? "eliminazione" : "modifica";
}

std::string ModificheMovimenti::voceAnnulla() const {
    return puoAnnullare() ? "Annulla " + nome(storia_[fatte_ - 1]) : std::string();
}

std::string ModificheMovimenti::voceRipeti() const {
    return puoRipetere() ? "Ripeti " + nome(storia_[fatte_]) : std::string();
}

std::string ModificheMovimenti::annulla() {
    if (!puoAnnullare()) return {};
    const Passo& p = storia_[fatte_ - 1];
    std::string e = applica(p.id, p.dopo, p.prima);
    if (e.empty()) --fatte_;
    return e;
}

std::string ModificheMovimenti::ripeti() {
    if (!puoRipetere()) return {};
    const Passo& p = storia_[fatte_];
    std::string e = applica(p.id, p.prima, p.dopo);
    if (e.empty()) ++fatte_;
    return e;
}

} // namespace vantrel

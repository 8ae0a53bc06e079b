#pragma once

#include "casefile/pratica.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// The edits of the movements table, with undo and redo: each edit is written to the case at once
/// (one transaction), and undoing it writes the opposite edit. A deleted movement comes back under
/// its own id, so the edits after it stay valid. A failed write changes neither the case nor the
/// history. The model a table view binds to.
class ModificheMovimenti {
public:
    explicit ModificheMovimenti(Pratica& p) : pratica_(p) {}

    /// Each returns the error text, empty on success.
    std::string aggiungi(const Movimento& m, std::int64_t& id);
    std::string modifica(std::int64_t id, const Movimento& m);
    std::string elimina(std::int64_t id);

    bool puoAnnullare() const { return fatte_ > 0; }
    bool puoRipetere() const { return fatte_ < storia_.size(); }
    /// "Annulla modifica", "Ripeti eliminazione", ... for the menu; empty when there is nothing.
    std::string voceAnnulla() const;
    std::string voceRipeti() const;
    std::string annulla();
    std::string ripeti();

private:
    /// One edit: the movement before (none for an addition) and after (none for a deletion).
    struct Passo {
        std::int64_t id;
        std::optional<Movimento> prima, dopo;
    };
    /// Brings movement `id` from `da` to `a` in the case.
    std::string applica(std::int64_t id, const std::optional<Movimento>& da, const std::optional<Movimento>& a);
    void registra(Passo p);
    static std::string nome(const Passo& p);

    Pratica& pratica_;
    std::vector<Passo> storia_;
    std::size_t fatte_ = 0; // the edits done; those after them can be redone
};

} // namespace vantrel

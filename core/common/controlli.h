#pragma once

#include "common/finestra.h"

#include <map>
#include <mutex>
#include <utility>

namespace vantrel {

// Every window names its controls the same way: a list of pairs, the name the code reads (what the
// control is) and the control's own name (which scripts, the command line and the files keep):
//
//     #define VANTREL_CONTROLLI_TEG(X) X(dataInizio, "dal") X(numeriDebitori, "NumeriD") ...
//     VANTREL_STRUTTURA_CONTROLLI(ControlliTeg, VANTREL_CONTROLLI_TEG)
//
// gives `struct ControlliTeg { int dataInizio; int numeriDebitori; ... }`, each the control's id in
// the schema, and `controlli<ControlliTeg>(schema)` resolves them once per schema. An unknown name
// throws at the first use, so a renamed control cannot go unnoticed.
#define VANTREL_CONTROLLO_CAMPO(nome, legacy) int nome = -1;
#define VANTREL_CONTROLLO_RISOLVI(nome, legacy) nome = s.id(legacy);
#define VANTREL_CONTROLLO_VOCE(nome, legacy) {#nome, legacy},
#define VANTREL_STRUTTURA_CONTROLLI(Struttura, ELENCO)                                                                 \
    struct Struttura {                                                                                                 \
        ELENCO(VANTREL_CONTROLLO_CAMPO)                                                                                \
        explicit Struttura(const Schema& s) { ELENCO(VANTREL_CONTROLLO_RISOLVI) }                                      \
        /* the pairs (name in the code, control's name), for the map in ARCHITECTURE.md */                             \
        static constexpr std::pair<const char*, const char*> kNomi[] = {ELENCO(VANTREL_CONTROLLO_VOCE)};               \
    };

/// The controls of a window kind resolved in `s`, once per schema (a schema lives as long as the program).
template <class Struttura>
const Struttura& controlli(const Schema& s) {
    static std::mutex m;
    static std::map<const Schema*, Struttura> cache;
    std::lock_guard lock(m);
    auto it = cache.find(&s);
    if (it == cache.end()) it = cache.emplace(&s, Struttura(s)).first;
    return it->second;
}

} // namespace vantrel

#pragma once

#include "common/finestra.h"

#include <map>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

/// What a control starts with besides its names and kind. A row names only what differs from these
/// defaults, in this order (designated initializers keep the order of the declaration).
struct Attributi {
    const char* testo = ""; // text or caption when the window is created
    const char* aiuto = ""; // text of the help box while the pointer is over it
    const char* tooltip = "";
    const char* gruppo = ""; // option buttons of one group exclude each other; a menu item's menu
    bool solaLettura = false;
    bool visibile = true;
    bool abilitato = true;
    bool selezionato = false;
    int lunghezzaMassima = 0; // 0: no limit
    int sinistra = 0;         // twips, where the position matters
    int tab = 0;              // place in the Tab order of its list, from 1; 0: Tab passes it by
};

/// One control, declared once: the name the code reads, the control's own name (which scripts,
/// the command line and report files keep), its kind and how it starts.
struct RigaControllo {
    const char* nome;
    const char* controllo;
    Tipo tipo;
    Attributi attributi;
};

// Every window lists its controls once, a row each:
//
//     #define VANTREL_CONTROLLI_MUTUO(X)
//         X(importo, "txtImporto", Testo, .aiuto = "inserire l'importo finanziato", .tab = 1) ...
//     VANTREL_STRUTTURA_CONTROLLI(ControlliMutuo, VANTREL_CONTROLLI_MUTUO)
//
// gives `struct ControlliMutuo { int importo; ... }`, each the control's id in the schema, and the
// rows themselves (`ControlliMutuo::kRighe`), from which `aggiungi` builds the schema and
// `ordineTab` the Tab order. `controlli<ControlliMutuo>(schema)` resolves the ids once per schema; a
// row missing from the schema throws at the first use.
#define VANTREL_CONTROLLO_CAMPO(nome, controllo, tipo, ...) int nome = -1;
#define VANTREL_CONTROLLO_RISOLVI(nome, controllo, tipo, ...) nome = s.id(controllo);
#define VANTREL_CONTROLLO_RIGA(nome, controllo, tipo, ...)                                                             \
    RigaControllo{#nome, controllo, Tipo::tipo, Attributi{__VA_ARGS__}},
#define VANTREL_STRUTTURA_CONTROLLI(Struttura, ELENCO)                                                                 \
    struct Struttura {                                                                                                 \
        ELENCO(VANTREL_CONTROLLO_CAMPO)                                                                                \
        explicit Struttura(const Schema& s) { ELENCO(VANTREL_CONTROLLO_RISOLVI) }                                      \
        static constexpr RigaControllo kRighe[] = {ELENCO(VANTREL_CONTROLLO_RIGA)};                                    \
    };

/// Adds the controls of `righe` to `s`, in their order.
void aggiungi(Schema& s, std::span<const RigaControllo> righe);
/// The controls of `righe` that Tab reaches, in the order of their places.
std::vector<std::string> ordineTab(std::span<const RigaControllo> righe);

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

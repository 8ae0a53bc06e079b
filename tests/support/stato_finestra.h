#pragma once

#include "common/finestra.h"

#include <string_view>

namespace vantrel::test {

/// A control's state written directly, to set a window up as an earlier session would have left it.
/// Only the window's own operations may do this in the program; a view cannot.
struct StatoFinestra : ParteFinestra {
    static Controllo& di(Finestra& f, std::string_view nome) { return modifica(f, f.id(nome)); }
};

inline Controllo& stato(Finestra& f, std::string_view nome) {
    return StatoFinestra::di(f, nome);
}

} // namespace vantrel::test

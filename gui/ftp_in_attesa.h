#pragma once

#include "common/servizi.h"

#include <functional>

namespace vantrel::gui {

/// The dynamic property that lets a widget take clicks while a transfer runs (the Annulla button
/// beside the wait bar).
inline constexpr const char* kAttivoInAttesa = "attivoInAttesa";

/// A network client that runs the blocking transfer of another one on a worker thread while the
/// screen keeps repainting: the rate window shows its wait and its status line instead of freezing.
/// Keys and clicks wait until the transfer ends, as with a modal wait, except on the widgets marked
/// with `kAttivoInAttesa`, whose Annulla stops it.
class FtpInAttesa : public ClientRete {
public:
    explicit FtpInAttesa(ClientRete& reale) : reale_(reale) {}

    void azzera() override { reale_.azzera(); }
    EsitoTrasferimento scarica(const Trasferimento& t) override;
    void annulla() override { reale_.annulla(); }

private:
    ClientRete& reale_;
};

} // namespace vantrel::gui

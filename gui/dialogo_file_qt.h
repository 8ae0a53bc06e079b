#pragma once

#include "common/servizi.h"

namespace vantrel::gui {

/// The open and save dialogs of the desktop, for report files.
class DialogoFileQt : public DialogoFile {
public:
    std::optional<std::string> apri(const std::string& nomeProposto, const std::string& cartella) override;
    std::optional<std::string> salva(const std::string& nomeProposto, const std::string& cartella) override;
};

} // namespace vantrel::gui

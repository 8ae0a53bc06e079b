#pragma once

#include "common/services.h"

#include <functional>
#include <string>

namespace vantrel::gui {

/// An FTP client that runs the blocking calls of another one (connecting, fetching a file) on a
/// worker thread while the screen keeps repainting: the rate window shows its wait and its status
/// line instead of freezing. Keys and clicks wait until the call ends, as with a modal wait.
class FtpInAttesa : public ClientFtp {
public:
    explicit FtpInAttesa(ClientFtp& reale) : reale_(reale) {}

    void azzera() override { reale_.azzera(); }
    void host(const std::string& nome, int porta) override { reale_.host(nome, porta); }
    void utente(const std::string& nome) override { reale_.utente(nome); }
    void password(const std::string& parola) override { reale_.password(parola); }
    bool connetti() override;
    bool scarica(const std::string& remoto, const std::string& locale) override;
    std::string ultimoErrore() const override { return reale_.ultimoErrore(); }

private:
    bool attendi(const std::function<bool()>& chiamata);

    ClientFtp& reale_;
};

} // namespace vantrel::gui

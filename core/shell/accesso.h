#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"

#include <cstdint>

namespace vantrel {

// The controls of the login window.
// clang-format off
#define VANTREL_CONTROLLI_ACCESSO(X)                                                                                   \
    X(etichettaNomeUtente, "lblLabels0", Etichetta, .testo = "&Nome utente:")                                          \
    X(nomeUtente, "txtUserName", Testo, .tab = 1)                                                                      \
    X(etichettaPassword, "lblLabels1", Etichetta, .testo = "&Password:")                                               \
    X(password, "txtPassword", Testo, .tab = 2)                                                                        \
    X(ok, "cmdOK", Pulsante, .testo = "OK", .tab = 3)                                                                  \
    X(annulla, "cmdCancel", Pulsante, .testo = "Annulla", .tab = 4)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliAccesso, VANTREL_CONTROLLI_ACCESSO)

/// The login window: the stored user name and password of ImpostaRecord are asked at start.
/// Three wrong attempts are allowed; the fourth, "Annulla" or closing through the frame refuse
/// the login and the program ends.
class Accesso : public Finestra {
public:
    enum class Esito { InAttesa, Accettato, Rifiutato };

    explicit Accesso(Contesto& ctx);
    static const Schema& schemaPassWord();

    Esito esito() const { return esito_; }
    std::int16_t tentativi() const { return tentativi_; }
    /// The window closed through its frame: the login counts as failed.
    void chiusuraDaCornice();

protected:
    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void cliccato(int id) override;

private:
    void verifica();
    void fallito();

    Contesto& ctx_;
    const ControlliAccesso& c_;
    std::int16_t tentativi_ = 0;
    Esito esito_ = Esito::InAttesa;
};

} // namespace vantrel

#pragma once

#include "common/servizi.h"

#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace vantrel {

/// Answers given in advance, in order: a button for each question box, a path for each file dialog.
/// Used by the command line's scripted sessions and by the tests.
class RisposteProgrammate : public ServizioMessaggi, public DialogoFile {
public:
    using Voce = std::variant<Risposta, std::string>;

    void aggiungi(Voce v) { coda_.push_back(std::move(v)); }

    /// Boxes with a single OK button take no answer; questions take the next one (Cancel when none).
    Risposta mostra(const Messaggio& m) override;
    std::optional<std::string> apri(const std::string& nomeProposto, const std::string& cartella) override;
    std::optional<std::string> salva(const std::string& nomeProposto, const std::string& cartella) override;

    /// Every box shown so far.
    const std::vector<Messaggio>& mostrati() const { return mostrati_; }
    void dimentica() { mostrati_.clear(); }
    /// The answers not taken yet.
    std::size_t rimaste() const { return coda_.size(); }

private:
    std::optional<std::string> prossimoFile();
    std::deque<Voce> coda_;
    std::vector<Messaggio> mostrati_;
};

class OrologioFisso : public Orologio {
public:
    explicit OrologioFisso(Data d) : oggi_(d) {}
    Data oggi() const override { return oggi_; }
    void imposta(Data d) { oggi_ = d; }

private:
    Data oggi_;
};

/// The system clock of the machine.
class OrologioDiSistema : public Orologio {
public:
    Data oggi() const override;
};

} // namespace vantrel

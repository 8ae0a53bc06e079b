#pragma once

#include "case_window/finestra_pratica.h"
#include "program/stato_programma.h"

#include <memory>
#include <string>
#include <vector>

namespace vantrel {

/// What the case commands ask of the desktop that hosts the case windows.
class OspitePratiche {
public:
    virtual ~OspitePratiche() = default;
    /// Shows a new case window; the host owns it from then on.
    virtual void mostra(std::unique_ptr<FinestraPratica> f) = 0;
    /// The case window in front, null when none is open.
    virtual FinestraPratica* attiva() = 0;
    /// Brings the window of the case at `percorso` to the front; false when no window holds it.
    virtual bool primoPiano(const std::string& percorso) = 0;
};

/// The case commands of the File menu: "Nuova pratica..." (a new case in a scratch file of the
/// program folder until it is saved under a name), "Apri pratica...", "Salva", "Salva con nome..." and
/// the cases opened last, kept in the program folder (the most recent first).
class GestionePratiche {
public:
    GestionePratiche(Contesto& ctx, OspitePratiche& ospite, std::string cartellaProgramma);

    void nuova();
    /// Asks for a case file and opens it.
    void apri();
    /// Opens the case at `path` (brought to the front when already open); false when it cannot be.
    bool apri(const std::string& path);
    void apriRecente(std::size_t indice);
    void salva();
    void salvaConNome();

    const std::vector<std::string>& recenti() const { return recenti_; }
    static constexpr std::size_t kRecenti = 4;

private:
    void ricorda(const std::string& path);
    void dimentica(const std::string& path);
    void scriviRecenti();
    std::unique_ptr<FinestraPratica> finestra(std::unique_ptr<Pratica> p, bool nuova, std::string nome);

    Contesto& ctx_;
    OspitePratiche& ospite_;
    std::string cartella_;
    std::vector<std::string> recenti_;
};

namespace testiPratiche {
inline constexpr const char* fileRecenti = "PraticheRecenti.txt";
inline constexpr const char* cartellaNuove = "pratiche-nuove";
} // namespace testiPratiche

} // namespace vantrel

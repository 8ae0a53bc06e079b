#pragma once

#include "common/program_state.h"
#include "common/window.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// Where the rate sets are fetched from.
struct ServerTassi {
    std::string host;
    int porta = 21;
    std::string utente;
    std::string password;
};

/// The two heading lines above the rate listing, aligned with its visible text.
inline constexpr std::string_view kIntestazioneTassi1 =
    "                                                    conto corrente        scop. non affidati         conto "
    "anticipi";
inline constexpr std::string_view kIntestazioneTassi2 =
    "        Trimestre         scaglione    t. medio   t. soglia     t. medio   t. soglia      t. medio   t. soglia "
    "     C.M.S.";

/// Characters of the hidden sort key at the start of every listing row.
inline constexpr std::size_t kChiaveRigaTassi = 6;

/// The rows of the rate listing for every stored period, sorted by text: four rows per period,
/// each beginning with its hidden sort key (year, quarter, row letter).
std::vector<std::string> righeElencoTassi(const TabellaTassi& t);
/// The item of the recall list for one stored period ("2004 3° trim. ").
std::string voceRichiamo(const RecordTassi& r);
/// What the user sees of a listing row: the row without its sort key.
std::string testoVisibile(std::string_view riga);

/// The rate window "interessi usurari": the quarterly average rates, their thresholds by the rule
/// "average increased by half", the listing of every stored quarter and the download of a rate set.
/// Creating it runs the window load.
class Usurari : public Finestra {
public:
    explicit Usurari(Contesto& ctx, ServerTassi server = {});
    static const Schema& schemaUsurari();

    /// Rebuilds the recall list Combo3 and the listing List1 from the shared table.
    void RigheTassi();
    /// Fetches a complete rate set from the server and, when both files have arrived whole,
    /// replaces the rate files and loads the table again.
    void ScaricaTassi();

    void impostaServer(ServerTassi s) { server_ = std::move(s); }
    const ServerTassi& server() const { return server_; }

    /// True while the download waits for the network (not while it asks the user something).
    bool inAttesa() const { return inAttesa_; }
    /// Called at every step of the download, after the status text `LblStato` has changed, so that
    /// the screen can show the wait and repaint before the next blocking call.
    std::function<void()> avanzamento;

protected:
    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void uscito(int id) override;
    void cliccato(int id) override;
    void selezionato(int id) override;

private:
    void riempiAnni();
    void salva();
    void NewRecord(int n);
    void ModifRecord();
    void richiama(const std::string& voce);
    void pulisci();
    void sogliaRiga(int medio);
    void leggiCampi(RecordTassi& r) const;
    bool campoTasso(int id) const;
    std::string chiaveScelta() const;
    void passo(const std::string& stato, bool attesa);
    bool scarica();

    Contesto& ctx_;
    ServerTassi server_;
    bool inAttesa_ = false;
    bool scaricando_ = false;
};

} // namespace vantrel

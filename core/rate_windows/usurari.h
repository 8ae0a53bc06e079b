#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rates/scarica_set.h"
#include "rates/server_tassi.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// The two heading lines above the rate listing, aligned with its visible text.
inline constexpr std::string_view kIntestazioneTassi1 =
    "                                                    conto corrente        scop. non affidati         conto "
    "anticipi";
inline constexpr std::string_view kIntestazioneTassi2 =
    "        Trimestre         scaglione    t. medio   t. soglia     t. medio   t. soglia      t. medio   t. soglia "
    "     C.M.S.";

// The controls of the rate window. Each stored rate field is named in the record as its control
// (TM1 ... TU6).
// clang-format off
#define VANTREL_CONTROLLI_TASSI(X)                                                                                     \
    X(titolo, "SSPanel1", Etichetta, .testo = "Tassi Soglia")                                                          \
    X(etichettaPeriodo, "LblPeriodo", Etichetta, .testo = "periodo di rilevamento")                                    \
    X(etichettaTrimestre, "LblTrimestre", Etichetta, .testo = "trimestre")                                             \
    X(trimestre, "Combo1", Combo, .tab = 2)                                                                            \
    X(etichettaAnno, "LblAnno", Etichetta, .testo = "anno")                                                            \
    X(anno, "Combo2", Combo, .tab = 3)                                                                                 \
    X(etichettaRichiama, "LblRichiama", Etichetta, .testo = "richiama tassi del:")                                     \
    X(richiama, "Combo3", Combo, .tab = 1)                                                                             \
    X(etichettaCategoria, "LblCategoria", Etichetta, .testo = "categoria di operazioni")                               \
    X(classiDiImporto, "Label2", Etichetta, .testo = " classi di importo")                                             \
    X(etichettaMedi, "LblMedi", Etichetta, .testo = " Tassi medi")                                                     \
    X(etichettaSoglie, "LblSoglia", Etichetta, .testo = " Tassi soglia")                                               \
    X(etichettaConto, "LblConto", Etichetta, .testo = "Aperture di credito in conto corrente")                         \
    X(etichettaContoFino, "LblConto1", Etichetta, .testo = "fino a lire 10.000.000/  € 5.000")                         \
    X(etichettaContoOltre, "LblConto2", Etichetta, .testo = "oltre")                                                   \
    X(etichettaScoperti, "LblScoperti", Etichetta, .testo = "Scoperti senza affidamento")                              \
    X(etichettaScopertiFino, "LblScoperti1", Etichetta, .testo = "fino a lire 2.904.405 / € 1.500")                    \
    X(etichettaScopertiOltre, "LblScoperti2", Etichetta, .testo = "oltre")                                             \
    X(etichettaAnticipi, "LblAnticipi", Etichetta,                                                                     \
        .testo = "Anticipi, sconti commerciali e altri finanziamenti alle imprese effettuati dalle banche.")           \
    X(etichettaAnticipiFino, "LblAnticipi1", Etichetta, .testo = "fino a lire 10.000.000/€ 5.000")                     \
    X(etichettaAnticipiMedi, "LblAnticipi2", Etichetta, .testo = "fino a lire 193.627.000")                            \
    X(etichettaAnticipiOltre, "LblAnticipi3", Etichetta, .testo = "oltre")                                             \
    X(etichettaCms, "LblCms", Etichetta, .testo = "CMS media (%)")                                                     \
    X(medioContoFino, "TM1", Testo, .testo = "0", .tab = 4)                                                            \
    X(sogliaContoFino, "TU1", Testo, .testo = "0", .tab = 5)                                                           \
    X(medioContoOltre, "TM2", Testo, .testo = "0", .tab = 6)                                                           \
    X(sogliaContoOltre, "TU2", Testo, .testo = "0", .tab = 7)                                                          \
    X(medioScopertiFino, "TM7", Testo, .testo = "0", .tab = 8)                                                         \
    X(sogliaScopertiFino, "TU7", Testo, .testo = "0", .tab = 9)                                                        \
    X(medioScopertiOltre, "TM8", Testo, .testo = "0", .tab = 10)                                                       \
    X(sogliaScopertiOltre, "TU8", Testo, .testo = "0", .tab = 11)                                                      \
    X(medioAnticipiFino, "TM3", Testo, .testo = "0", .tab = 12)                                                        \
    X(sogliaAnticipiFino, "TU3", Testo, .testo = "0", .tab = 13)                                                       \
    X(medioAnticipiMedi, "TM4", Testo, .testo = "0", .tab = 14)                                                        \
    X(sogliaAnticipiMedi, "TU4", Testo, .testo = "0", .tab = 15)                                                       \
    X(medioAnticipiOltre, "TM6", Testo, .testo = "0", .tab = 16)                                                       \
    X(sogliaAnticipiOltre, "TU6", Testo, .testo = "0", .tab = 17)                                                      \
    X(cms, "TM5", Testo, .testo = "0",                                                                                 \
        .aiuto = "CMS media del trimestre (commissione di massimo scoperto), pubblicata in nota ai decreti fino al "   \
            "2009: serve alla verifica separata della CMS dei periodi fino al 31/12/2009",                             \
        .tab = 18)                                                                                                     \
    X(sogliaCms, "TU5", Testo, .testo = "0", .aiuto = "CMS soglia: la CMS media con la regola della soglia",           \
        .tab = 19)                                                                                                     \
    X(intestazione1, "LblIntestazione1", Etichetta, .testo = kIntestazioneTassi1.data())                               \
    X(intestazione2, "LblIntestazione2", Etichetta, .testo = kIntestazioneTassi2.data())                               \
    X(pannello, "pannello", Cornice)                                                                                   \
    X(elenco, "List1", Lista, .sinistra = -720)                                                                        \
    X(conferma, "OK", Pulsante, .testo = " Conferma ", .tooltip = "Conferma")                                          \
    X(pulisci, "Pulisci", Pulsante, .tooltip = " Cancella immissione ")                                                \
    X(esci, "Esc", Pulsante)                                                                                           \
    X(scarica, "SSCommand6", Pulsante, .tooltip = "scarica tassi dal server")                                          \
    X(stato, "LblStato", Etichetta)                                                                                    \
    X(importaSerie, "ImportaSerie", Pulsante, .testo = "Importa serie ufficiale...", .gruppo = "&Tassi")
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliTassi, VANTREL_CONTROLLI_TASSI)

/// Characters of the hidden sort key at the start of every listing row.
inline constexpr std::size_t kChiaveRigaTassi = 6;

/// The rows of the rate listing for every stored period, sorted by text: four rows per period,
/// each beginning with its hidden sort key (year, quarter, row letter).
std::vector<std::string> righeElencoTassi(const TabellaTassi& t);
/// The item of the recall list for one stored period ("2004 3° trim. ").
std::string voceRichiamo(const RecordTassi& r);
/// What the user sees of a listing row: the row without its sort key.
std::string testoVisibile(std::string_view riga);

/// The rate window "interessi usurari": the quarterly average rates, their thresholds by the rule in
/// force for the chosen quarter (x 1,5 up to the 2nd quarter of 2011, x 1,25 + 4 at most + 8 from the
/// 3rd), the listing of every stored quarter and the download of a rate set. A saved period records
/// "inserito dall'utente" as the source of its rates.
/// Creating it runs the window load.
class Usurari : public Finestra {
public:
    /// `server`, when given, takes the place of the server of the settings file.
    explicit Usurari(Contesto& ctx, std::optional<ServerTassi> server = std::nullopt);
    static const Schema& schemaUsurari();

    /// Rebuilds the recall list and the listing from the shared table.
    void righeTassi();
    /// Fetches a complete rate set from the server of the settings and, when it has arrived whole and
    /// the user has seen what changes, replaces the rate files and loads the table again.
    void scaricaTassi();
    /// Stops a download under way (the Annulla button of the wait); any thread.
    void annullaScaricamento();
    /// "Esci", or the window's frame: closes the window; during a download, cancels it first and
    /// closes once it has stopped.
    void uscita();
    /// Menu "Importa serie ufficiale...": asks for the Bank of Italy's series (zip or CSV), shows
    /// what would change and, on OK, fills the rate table from it.
    void importaSerie();

    void impostaServer(ServerTassi s) { server_ = std::move(s); }
    /// The server the next download uses.
    ServerTassi server() const;
    /// Reads the official series' zip fetched over HTTPS.
    ConvertitoreSerie convertitore;

    /// True while the download waits for the network (not while it asks the user something).
    bool inAttesa() const { return inAttesa_; }
    /// Called at every step of the download, after the status text has changed, so that
    /// the screen can show the wait and repaint before the next blocking call.
    std::function<void()> avanzamento;

protected:
    std::optional<std::string> tasto(int id, const Battuta& b) override;
    void uscito(int id) override;
    void cliccato(int id) override;
    void selezionato(int id) override;

private:
    void riempiAnni();
    Data inizioTrimestre() const;
    /// The category names and class limits in force in the quarter shown (lire before 2002).
    void etichetteDelTrimestre();
    void salva();
    void dopoNuovoPeriodo();
    void dopoSovrascrittura();
    void richiama(const std::string& voce);
    void pulisci();
    void sogliaRiga(int medio);
    void leggiCampi(RecordTassi& r) const;
    bool campoTasso(int id) const;
    /// The rate fields a record stores, in the order the save reads them.
    std::array<int, 14> campiSalvati() const;
    /// The threshold field beside an average field; -1 for a field that is not an average.
    int sogliaDi(int medio) const;
    void scegliVoce(int combo, std::string_view valore);
    std::string chiaveScelta() const;
    void passo(const std::string& stato, bool attesa);
    bool scarica();
    std::string aggiornaDatiPubblici(const EsitoScaricamento& arrivato);
    void tabellaCambiata(const TabellaTassi& t);

    Contesto& ctx_;
    const ControlliTassi& c_;
    std::optional<ServerTassi> server_;
    bool inAttesa_ = false;
    bool scaricando_ = false;
    bool chiudiDopo_ = false; // "Esci" during the download
};

} // namespace vantrel

#pragma once

#include "account/condizioni.h"
#include "account/importa_movimenti.h"
#include "account/movimento.h"
#include "account/scalare.h"
#include "casefile/risultato_periodo.h"
#include "common/servizi.h"
#include "rates/tabella_tassi.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// The keys of the case's client and account data.
namespace dati_pratica {
inline constexpr const char* kCliente = "cliente";
inline constexpr const char* kBanca = "banca";
inline constexpr const char* kConto = "conto";
inline constexpr const char* kSaldoIniziale = "saldo iniziale"; // "1.234,56", the balance before the first day
inline constexpr const char* kInizio = "inizio";                // "dd/mm/yyyy", the first day of the scalare
inline constexpr const char* kRicalcolo = "ricalcolo";          // "dd/mm/yyyy", the day of the last recalculation
} // namespace dati_pratica

struct Nota {
    std::int64_t id = 0;
    Data giorno;
    std::string testo;
};

/// How an import of movements went: the file as read and what was kept.
struct ImportazioneMovimenti {
    LetturaMovimenti lettura;    // the columns, the first movements, the error of the file if any
    std::size_t sovrapposti = 0; // new movements equal (dates, amount, description) to one already there
    bool importati = false;      // false: nothing of the file is in the case
    std::string errore;          // of the file or of the case; empty when imported or declined
};

/// A case ("pratica"): one file, `*.vantrel`, an SQLite database holding the client and account
/// data, the movements, the conditions over time, the rate set used, the results and the notes.
/// Every change is one transaction: a crash loses at most the change under way, never the file. A
/// case is held by the program that opens it for writing; a second one opens it read-only and is
/// told so (`avviso`). Writing methods return the error text for the user, empty on success; the
/// reading ones throw ErroreSql only for a file damaged after it was opened.
class Pratica {
public:
    /// A new case file at `path` (refused when a file is there); null with `errore` on failure.
    static std::unique_ptr<Pratica> crea(ServizioBancheDati& s, const std::string& path, std::string& errore);
    /// Opens a case file, brought to the current schema when older; null with `errore` on failure.
    static std::unique_ptr<Pratica> apri(ServizioBancheDati& s, const std::string& path, std::string& errore,
                                         bool soloLettura = false);

    const std::string& percorso() const { return percorso_; }
    bool soloLettura() const { return db_->soloLettura(); }
    /// What the user is told when the case opened read-only because another program holds it.
    std::string avviso() const;

    std::string dato(const std::string& chiave) const;
    std::string impostaDato(const std::string& chiave, const std::string& valore);

    std::size_t numeroMovimenti() const;
    /// Every movement with its id, by value date, then operation date, then id; or as they were added.
    void movimenti(const std::function<void(std::int64_t, const Movimento&)>& f, bool perData = true) const;
    std::optional<Movimento> movimento(std::int64_t id) const;
    /// Adds a movement; with `conId` under that id (an undone deletion puts it back where it was).
    std::string aggiungiMovimento(const Movimento& m, std::int64_t& id, std::optional<std::int64_t> conId = {});
    std::string modificaMovimento(std::int64_t id, const Movimento& m);
    std::string eliminaMovimento(std::int64_t id);
    /// Reads a movements file into the case in one transaction: a bad cell keeps nothing; new
    /// movements equal to some already there are counted and `conferma` decides (false keeps nothing).
    ImportazioneMovimenti importaMovimenti(RigheFoglio& righe, const std::function<bool(std::size_t)>& conferma);

    std::vector<RigaCondizioni> condizioni() const;
    /// Replaces the conditions table (checked first: nothing changes when it is wrong).
    std::string impostaCondizioni(const std::vector<RigaCondizioni>& righe);

    std::vector<RisultatoPeriodo> risultati() const;
    /// Replaces, in one transaction, the results and the rate table of a recalculation and records
    /// `oggi` as its date.
    std::string salvaRisultati(const std::vector<RisultatoPeriodo>& r, const TabellaTassi& t, const Data& oggi);
    /// The rate table of the last recalculation; false when none is kept.
    bool caricaTassi(TabellaTassi& t) const;

    /// The words of the bank's entries: the case's, or the usual ones when it has none.
    ParoleAddebiti parole() const;
    std::string impostaParole(const ParoleAddebiti& p);
    /// The bank's charges entered by hand, by period.
    std::vector<AddebitiInseriti> addebitiInseriti() const;
    std::string impostaAddebitiInseriti(const std::vector<AddebitiInseriti>& a);

    std::vector<Nota> note() const;
    std::string aggiungiNota(const Data& giorno, const std::string& testo);

private:
    Pratica(std::unique_ptr<BancaDati> db, std::string percorso);
    /// Runs `scrivi` in a transaction; the error text for the user.
    std::string scrivi(const std::function<void()>& scrivi);
    void inserisci(IstruzioneSql& q, const Movimento& m, std::optional<std::int64_t> id);
    std::size_t contaSovrapposti(std::int64_t ultimoVecchio);

    std::unique_ptr<BancaDati> db_;
    std::string percorso_;
};

} // namespace vantrel

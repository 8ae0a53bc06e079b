#pragma once

#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rates/categoria_conto.h"
#include "rates/norma_soglia.h"
#include "teg/catena_soglia.h"
#include "teg/verifica_cms.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class ListaReport;
struct ControlliTeg;
struct GrigliaTassi;

/// The "calcolo T.E.G." tab of the calculation window: the period record held by its fields,
/// the derived figures, the two TEG formulas with their partial rates, the rate grid of the year,
/// the threshold of the period and the result row.
///
/// Every operation reads the field texts afresh. The formulas first set the empty amounts to 0
/// (and say so), then stop with a message at a charge that is no number, at charges over zero
/// debit numbers and, for the Bank of Italy formula, at a zero or empty accordato: no TEG leaves
/// a charge out silently. A later step whose conversion fails (a division by zero) is skipped:
/// its output field keeps its text and its value counts as 0 in the later steps.
class TegCalcolo : public ParteFinestra {
public:
    TegCalcolo(Finestra& f, Contesto& ctx, ListaReport& lista);

    /// The window load: dates, rate table, years, categories (the header block goes to the list).
    void carica(bool caricaTassi = true);

    void tegBancaItalia();
    void tegGlobale();
    /// Fills the rate grid of the year with the averages and thresholds of the category.
    void tassiPeriodo();
    /// The threshold of the period's quarter and class, and the excess of the TEG over it.
    void sogliaPeriodo();
    /// "crea report": appends the result row of the calculation to the list.
    void creaReport();
    void giorni();
    /// The CMS regrouping: `primo` runs the case of the CMS as expenses, `secondo` as interest.
    void raggruppaCms(bool primo, bool secondo);

    /// How the last calculation reached its threshold, as the lines of the summary's audit block.
    std::vector<std::string> righeCatenaSoglia() const;
    /// The separate test of the CMS of the last calculation as lines of the summary's audit block.
    std::vector<std::string> righeVerificaCms() const;
    /// Notes of the last calculation that need no answer (shown in the status line).
    const std::vector<std::string>& avvisi() const { return avvisi_; }

    bool tasto(int id, const Battuta& b, std::optional<std::string>& r) override;
    bool cambiato(int id) override;
    bool uscito(int id) override;
    bool cliccato(int id) override;
    bool selezionato(int id) override;

private:
    /// The figures of the period both formulas start from.
    struct Cifre {
        std::optional<double> interessi, cmsInteressi, cmsSpese, altriInteressi, spese, altriOneri;
        std::optional<double> numeri, giorniAnno, fido;
        /// A charge as a rate over the debit numbers (x days of the year x 100).
        std::optional<double> suNumeri(std::optional<double> x) const;
        /// A charge as a rate over the accordato (x 100).
        std::optional<double> suAccordato(std::optional<double> x) const;
    };
    struct Totali {
        std::optional<double> interessi, spese;
    };

    std::optional<double> valore(int id) const;
    void azzeraGriglia();
    void preparaBancaItalia();
    bool accordatoValido();
    Cifre cifre();
    Totali totali(const Cifre& x);
    /// The common tail of both formulas: the TEG (plus `rapportoSpese`, the expenses over the accordato,
    /// when given), the partial rates, the CMS regrouping and the threshold.
    void concludi(const Cifre& x, std::optional<double> rapportoSpese);
    /// The separate test of the CMS, after the threshold.
    void verificaCms(bool bancaItalia);
    double parziale(std::optional<double> v, int campo);
    double parzialeCms(const Cifre& x, bool bancaItalia);
    void parziali(const Cifre& x, bool bancaItalia);
    void scriviTassi(int classe, int trimestre, float media, Norma n);
    void registraCatena(int trimestre, const Data& inizio, int classe);
    void pubblicata(CatenaSoglia& k, const Data& inizio, int classe) const;
    const std::string& maschera() const { return ctx_.stato.mascheraImporti; }
    void riformatta(int id);
    void periodo(const char* dal, const char* al);
    void striscia(bool bancaItalia);
    void annoDelPeriodo();
    std::string giorniAnno(int anno) const;
    /// Sets the empty amount fields to "0", so that the TEG counts every charge, and says which in
    /// the status line; the notice, empty when none was empty.
    std::string azzeraVuoti();
    bool importiValidi(bool globale);
    void nota(const std::string& testo);
    void sogliaNonDisponibile(const std::string& avviso);
    void medie();
    /// The category of account chosen in the list.
    const CategoriaConto& categoriaScelta() const;
    Valuta valuta() const;
    /// The rule the user chose; none when it follows the date of the period.
    std::optional<Norma> normaScelta() const;
    Norma normaDelTrimestre(int trimestre, int anno) const;

    Finestra& f_;
    Contesto& ctx_;
    ListaReport& lista_;
    const ControlliTeg& c_;
    const GrigliaTassi& g_;
    std::array<bool, 4> trovati_{}; // quarters of the grid found in the rate table by the last fill
    CatenaSoglia catena_;
    DatiCms datiCms_;
    EsitoCms esitoCms_;
    std::vector<std::string> avvisi_;
};

} // namespace vantrel

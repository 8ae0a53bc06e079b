#pragma once

#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"
#include "rates/soglia_ufficiale.h"
#include "rates/tipi_operazione.h"

#include <array>
#include <optional>
#include <vector>

namespace vantrel {

// The controls of "Tassi soglia ufficiali".
// clang-format off
#define VANTREL_CONTROLLI_SOGLIE_UFFICIALI(X)                                                                          \
    X(etichettaData, "LblData", Etichetta, .testo = "Data")                                                            \
    X(data, "txtData", Data, .tab = 1)                                                                                 \
    X(etichettaPeriodo, "LblPeriodo", Etichetta, .testo = "oppure periodo")                                            \
    X(periodo, "cboPeriodo", Combo, .tab = 2)                                                                          \
    X(etichettaCategoria, "LblCategoria", Etichetta, .testo = "Categoria di operazioni in vigore")                     \
    X(categoria, "cboCategoria", Combo, .tab = 3)                                                                      \
    X(etichettaImporto, "LblImporto", Etichetta, .testo = "Importo (euro, facoltativo)")                               \
    X(importo, "txtImporto", Testo, .tab = 4)                                                                          \
    X(etichettaClasse, "LblClasse", Etichetta, .testo = "Classe di importo")                                           \
    X(classe, "cboClasse", Combo, .tab = 5)                                                                            \
    X(etichettaTipoMora, "LblMora", Etichetta, .testo = "Interessi moratori: tipo di finanziamento")                   \
    X(tipoMora, "cboMora", Combo, .tab = 6)                                                                            \
    X(etichettaTegm, "LblTegm", Etichetta, .testo = "TEGM")                                                            \
    X(tegm, "txtTegm", Testo, .solaLettura = true)                                                                     \
    X(etichettaRegola, "LblRegola", Etichetta, .testo = "Regola in vigore")                                            \
    X(regola, "txtRegola", Testo, .solaLettura = true)                                                                 \
    X(etichettaSogliaRegola, "LblSogliaRegola", Etichetta, .testo = "Tasso soglia secondo la regola")                  \
    X(sogliaRegola, "txtSogliaRegola", Testo, .solaLettura = true)                                                     \
    X(etichettaSogliaPubblicata, "LblSogliaPubblicata", Etichetta, .testo = "Tasso soglia pubblicato")                 \
    X(sogliaPubblicata, "txtSogliaPubblicata", Testo, .solaLettura = true)                                             \
    X(etichettaMaggiorazioneMora, "LblMaggiorazione", Etichetta, .testo = "Maggiorazione interessi moratori")          \
    X(maggiorazioneMora, "txtMaggiorazione", Testo, .solaLettura = true)                                               \
    X(etichettaSogliaMora, "LblSogliaMora", Etichetta, .testo = "Tasso soglia interessi moratori")                     \
    X(sogliaMora, "txtSogliaMora", Testo, .solaLettura = true)                                                         \
    X(etichettaFonte, "LblFonte", Etichetta, .testo = "Fonte")                                                         \
    X(fonte, "txtFonte", Testo, .solaLettura = true)                                                                   \
    X(etichettaFonteMora, "LblFonteMora", Etichetta, .testo = "Fonte della maggiorazione")                             \
    X(fonteMora, "txtFonteMora", Testo, .solaLettura = true)                                                           \
    X(grafico, "grafico", Cornice, .testo = "TEGM e tasso soglia negli anni")                                          \
    X(stato, "LblStato", Etichetta)                                                                                    \
    X(chiudi, "Esc", Pulsante, .testo = "Chiudi", .tab = 7)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliSoglieUfficiali, VANTREL_CONTROLLI_SOGLIE_UFFICIALI)

/// The window "Tassi soglia ufficiali": a date (or a quarter of the official series) and a kind
/// of operation among the categories in force on that date, optionally an amount that picks the
/// class; it shows TEGM, the rule in force, the threshold by the rule beside the published one,
/// the default-interest surcharge and threshold, the source, and the kind's figures over the
/// years for a chart. It reads the folder's reference copy of the official series.
class SoglieUfficiali : public Finestra {
public:
    explicit SoglieUfficiali(Contesto& ctx);
    static const Schema& schemaSoglieUfficiali();

    /// The kind's TEGM and thresholds period by period, in the chosen class.
    const std::vector<PuntoAndamento>& andamento() const { return andamento_; }
    /// The date shown, when it is a valid date.
    std::optional<Data> data() const { return data_; }
    /// The name of the kind the chart follows across the renamings ("" when none).
    std::string nomeTipo() const { return tipo_ ? tipo_->nome : std::string(); }
    /// The threshold shown, when a row of the series is chosen.
    const std::optional<SogliaUfficiale>& soglia() const { return soglia_; }

protected:
    std::optional<std::string> tasto(int id, const Battuta& t) override;
    void cambiato(int id) override;
    void uscito(int id) override;
    void cliccato(int id) override;
    void selezionato(int id) override;

private:
    void nuovaData();
    void sceltaCategoria();
    void sceltaClasse(bool perImporto);
    void calcola();
    void svuota(const std::string& stato);
    /// The result fields, in the order of their keys.
    std::array<int, 8> risultati() const;

    Contesto& ctx_;
    const ControlliSoglieUfficiali& c_;
    std::optional<SerieUfficiale> serie_;
    std::optional<Data> data_;
    std::vector<CategoriaInVigore> categorie_;
    const TipoOperazione* tipo_ = nullptr;
    std::optional<SogliaUfficiale> soglia_;
    std::vector<PuntoAndamento> andamento_;
};

} // namespace vantrel

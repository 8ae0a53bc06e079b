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

// The controls of "Tassi soglia ufficiali": the name in the code, the control's own name.
#define VANTREL_CONTROLLI_SOGLIE_UFFICIALI(X)                                                                          \
    X(data, "txtData")                                                                                                 \
    X(periodo, "cboPeriodo")                                                                                           \
    X(categoria, "cboCategoria")                                                                                       \
    X(importo, "txtImporto")                                                                                           \
    X(classe, "cboClasse")                                                                                             \
    X(tipoMora, "cboMora")                                                                                             \
    X(tegm, "txtTegm")                                                                                                 \
    X(regola, "txtRegola")                                                                                             \
    X(sogliaRegola, "txtSogliaRegola")                                                                                 \
    X(sogliaPubblicata, "txtSogliaPubblicata")                                                                         \
    X(maggiorazioneMora, "txtMaggiorazione")                                                                           \
    X(sogliaMora, "txtSogliaMora")                                                                                     \
    X(fonte, "txtFonte")                                                                                               \
    X(fonteMora, "txtFonteMora")                                                                                       \
    X(grafico, "grafico")                                                                                              \
    X(stato, "LblStato")                                                                                               \
    X(chiudi, "Esc")
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

#pragma once

#include "common/finestra.h"
#include "loan/piano_ammortamento.h"
#include "loan/stato_mutuo.h"
#include "programma/stato_programma.h"

#include <array>
#include <vector>

namespace vantrel {

/// The "Mutuo" tab of the calculation window: the loan calculator.
class PannelloMutuo : public ParteFinestra {
public:
    PannelloMutuo(Finestra& f, Contesto& ctx);
    static void definisci(Schema& s);
    /// Prepares the loan fields when the window loads.
    void carica();

    const StatoMutuo& stato() const { return stato_; }
    /// Instalments per year of the frequency option selected now.
    int ratePerAnnoScelte() const { return 12 / stato_.MesiPeriodo[static_cast<std::size_t>(opzioneScelta())]; }
    /// The plan the list shows; no instalments when none was built.
    const Piano& piano() const { return piano_; }
    /// How many times a dropped key has beeped.
    int bip() const { return bip_; }

    bool tasto(int id, const Battuta& b, std::optional<std::string>& risultato) override;
    bool uscito(int id) override;
    bool cliccato(int id) override;

    /// Lines printed after the plan (the usury check), owned by the window.
    void bloccoInStampa(const std::vector<std::string>* righe) { bloccoStampa_ = righe; }

    void CmdCalcola();
    void StampaPiano();
    void CalcolaTaeg();
    /// "Esporta Excel..." and "Esporta CSV...": the plan, one row per instalment, with its totals.
    void EsportaPiano(bool excel);

private:
    void RataMutuo();
    void ImportoMutuo();
    void NumeroRate();
    bool TassoAnnuo();
    void costruisciPiano();
    void SelTesto(int id);
    void successivo(int da);
    void anniInRate();
    int opzioneScelta() const;
    void avviso(const std::string& testo);
    double numero(int id) const;

    Finestra& f_;
    Contesto& ctx_;
    StatoMutuo stato_;
    Piano piano_; // without its lines, which the list holds
    int bip_ = 0;
    const std::vector<std::string>* bloccoStampa_ = nullptr;
    bool dataNonValida_ = false; // the last plan was refused for its date
    struct Ids {
        int txtImporto, txtData, anniX, txtNumRate, txtTasso, txtRata, SpesaUT, SpesaM;
        int TxtTaeg, TotIntM, totmutuo, TSpese, LstPianoAmm, CmdCalcola, cmdStampa, Frame1, cmdEsportaXlsx,
            cmdEsportaCsv;
        std::array<int, 6> Option1;
    } id_;
};

} // namespace vantrel

#pragma once

#include "account/grafico_pratica.h"
#include "common/cartella_lavoro.h"
#include "common/controlli.h"
#include "common/finestra.h"
#include "recalculation/ricalcolo_legale.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vantrel {

// The controls of the panel "Ricalcolo" of a case.
// clang-format off
#define VANTREL_CONTROLLI_RICALCOLO(X)                                                                                 \
    X(etichettaCapitalizzazione, "LblCapRicalcolo", Etichetta, .testo = "Capitalizzazione degli interessi")          \
    X(capitalizzazione, "CapRicalcolo", Combo,                                                                         \
        .aiuto = "come la banca, nessuna (interessi a parte), annuale, o secondo la norma in vigore nel tempo",        \
        .tab = 1)                                                                                                      \
    X(capitalizzazioneDal, "CapRicalcoloDal", Data, .aiuto = "primo giorno della scelta; vuoto: dall'inizio",         \
        .abilitato = false, .tab = 2)                                                                                  \
    X(capitalizzazioneAl, "CapRicalcoloAl", Data, .aiuto = "ultimo giorno della scelta; vuoto: fino alla fine",        \
        .abilitato = false, .tab = 3)                                                                                  \
    X(etichettaAdeguamento, "LblAdeguamento", Etichetta, .testo = "Contratto adeguato alla delibera CICR il")        \
    X(adeguamento, "Adeguamento", Data,                                                                                \
        .aiuto = "giorno dell'adeguamento del contratto alla delibera CICR del 9/2/2000; vuoto: mai adeguato",         \
        .abilitato = false, .tab = 4)                                                                                  \
    X(etichettaCms, "LblCmsRicalcolo", Etichetta, .testo = "CMS")                                                     \
    X(cms, "CmsRicalcolo", Combo,                                                                                      \
        .aiuto = "mantenuta, eliminata, o fino al 2009 entro la soglia CMS (CMS media del trimestre x 1,5)",           \
        .tab = 5)                                                                                                      \
    X(cmsDal, "CmsRicalcoloDal", Data, .abilitato = false, .tab = 6)                                                  \
    X(cmsAl, "CmsRicalcoloAl", Data, .abilitato = false, .tab = 7)                                                    \
    X(commissioni, "EliminaCommissioni", Casella, .testo = "Commissioni sul fido e di sconfinamento eliminate",      \
        .aiuto = "le commissioni dal 2010 non pattuite per iscritto", .tab = 8)                                        \
    X(commissioniDal, "CommissioniDal", Data, .abilitato = false, .tab = 9)                                           \
    X(commissioniAl, "CommissioniAl", Data, .abilitato = false, .tab = 10)                                            \
    X(etichettaUsura, "LblUsuraRicalcolo", Etichetta, .testo = "Usura")                                               \
    X(usura, "UsuraRicalcolo", Combo,                                                                                  \
        .aiuto = "nei periodi oltre la soglia interessi e oneri azzerati (art. 1815 c. 2 c.c.)", .tab = 11)           \
    X(usuraDal, "UsuraRicalcoloDal", Data, .abilitato = false, .tab = 12)                                             \
    X(usuraAl, "UsuraRicalcoloAl", Data, .abilitato = false, .tab = 13)                                               \
    X(etichettaTassi, "LblTassiRicalcolo", Etichetta, .testo = "Tassi non pattuiti per iscritto")                     \
    X(tassi, "TassiRicalcolo", Combo,                                                                                  \
        .aiuto = "i tassi delle condizioni, quelli inseriti, il tasso legale o i tassi BOT dell'art. 117 c. 7 TUB",    \
        .tab = 14)                                                                                                     \
    X(tassiDal, "TassiRicalcoloDal", Data, .abilitato = false, .tab = 15)                                             \
    X(tassiAl, "TassiRicalcoloAl", Data, .abilitato = false, .tab = 16)                                               \
    X(tassiInseriti, "TassiInseriti", Lista,                                                                           \
        .aiuto = "i tassi inseriti, ciascuno dal suo giorno; con i tassi BOT valgono dove mancano le aste")            \
    X(tassoDal, "TassoInseritoDal", Data, .abilitato = false, .tab = 17)                                              \
    X(tassoDebitore, "TassoInseritoDebitore", Testo, .aiuto = "tasso debitore in % l'anno", .abilitato = false,      \
        .tab = 18)                                                                                                     \
    X(tassoCreditore, "TassoInseritoCreditore", Testo, .aiuto = "tasso creditore in % l'anno", .abilitato = false,   \
        .tab = 19)                                                                                                     \
    X(aggiungiTasso, "AggiungiTasso", Pulsante, .testo = "Aggiungi", .abilitato = false, .tab = 20)                   \
    X(eliminaTasso, "EliminaTasso", Pulsante, .testo = "Elimina", .abilitato = false, .tab = 21)                      \
    X(speseOperazioni, "EliminaSpeseOperazioni", Casella, .testo = "Spese per operazione eliminate",                 \
        .aiuto = "le spese per operazione non pattuite per iscritto", .tab = 22)                                       \
    X(speseFisse, "EliminaSpeseFisse", Casella, .testo = "Spese fisse eliminate",                                     \
        .aiuto = "le spese fisse di ogni periodo non pattuite per iscritto", .tab = 23)                                \
    X(speseDal, "SpeseDal", Data, .abilitato = false, .tab = 24)                                                      \
    X(speseAl, "SpeseAl", Data, .abilitato = false, .tab = 25)                                                        \
    X(saldoBanca, "SaldoInizialeBanca", Opzione, .testo = "Saldo iniziale della banca", .gruppo = "saldo",           \
        .selezionato = true, .tab = 26)                                                                                \
    X(saldoZero, "SaldoInizialeZero", Opzione, .testo = "Saldo iniziale zero",                                        \
        .aiuto = "quando mancano i primi estratti conto", .gruppo = "saldo", .tab = 27)                                \
    X(prescrizione, "Prescrizione", Casella, .testo = "Prescrizione decennale delle rimesse solutorie",              \
        .aiuto = "esclude le rimesse solutorie di oltre dieci anni prima della prima richiesta", .tab = 28)            \
    X(primaRichiesta, "PrimaRichiesta", Data, .aiuto = "giorno della prima richiesta alla banca",                     \
        .abilitato = false, .tab = 29)                                                                                 \
    X(tabella, "TabellaRicalcolo", Lista,                                                                              \
        .aiuto = "un periodo per riga: addebiti della banca e del ricalcolo, saldi nei due modi, differenza; "        \
                 "evidenziati i periodi in cui la banca ha addebitato più del ricalcolo")                              \
    X(saldoBancaFinale, "SaldoBancaFinale", Etichetta, .aiuto = "saldo finale per valuta della banca")                \
    X(saldoRideterminato, "SaldoRideterminato", Etichetta,                                                             \
        .aiuto = "saldo finale ricalcolato, meno gli interessi tenuti a parte")                                        \
    X(differenza, "DifferenzaRicalcolo", Etichetta, .aiuto = "saldo rideterminato meno saldo della banca")            \
    X(prescritto, "Prescritto", Etichetta, .aiuto = "parte della differenza esclusa per prescrizione")                \
    X(minoreDebito, "MinoreDebito", Etichetta, .aiuto = "parte della differenza che riduce il debito verso la banca") \
    X(daRestituire, "DaRestituire", Etichetta, .aiuto = "somma che la banca deve restituire")                         \
    X(stato, "StatoRicalcolo", Etichetta)                                                                              \
    X(grafico, "GraficoSaldi", Cornice, .testo = "Saldo della banca e saldo ricalcolato")                              \
    X(relazionePdf, "RelazionePdf", Pulsante, .testo = "Relazione PDF...",                                             \
        .aiuto = "scrive la relazione tecnica del ricalcolo in un file PDF", .abilitato = false, .tab = 30)           \
    X(relazioneOdt, "RelazioneOdt", Pulsante, .testo = "Relazione ODT...",                                             \
        .aiuto = "scrive la relazione tecnica in un documento di testo modificabile (OpenDocument)",                   \
        .abilitato = false, .tab = 31)                                                                                 \
    X(esportaExcel, "EsportaExcelRicalcolo", Pulsante, .testo = "Esporta Excel...",                                    \
        .aiuto = "salva il ricalcolo, lo scalare e i movimenti in una cartella di Excel", .abilitato = false,          \
        .tab = 32)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliRicalcolo, VANTREL_CONTROLLI_RICALCOLO)

/// The panel "Ricalcolo" of a case: the choices of the legal recalculation, each with the days it
/// applies to, and the result beside them. Opening it checks every period on the bank's figures
/// once; every change of a choice recalculates at once and keeps choices and result in the case
/// (a date field when it is left). It writes the expert's report as PDF or ODT and the workbook.
class PannelloRicalcolo : public Finestra {
public:
    PannelloRicalcolo(Pratica& p, Contesto& ctx, std::string versioneProgramma);
    static const Schema& schemaRicalcolo();

    /// The choices as the controls give them; none, with the reason in the status line, while a
    /// date or a rate cannot be read.
    std::optional<ScelteRicalcolo> scelte();
    /// The last recalculation (none before the first, or after an error).
    const std::optional<Rideterminazione>& risultato() const { return risultato_; }
    /// The recalculation as a table, with its totals.
    const Foglio& tabella() const { return tabella_; }
    DatiGrafico grafico() const;

    void ricalcola();
    /// The case changed under the panel (its movements or conditions), or it is now the file `p`: the
    /// bank's periods are checked again and the choices the case keeps recalculated.
    void riapri(Pratica& p);
    /// Runs after each recalculation shown, kept in the case or not.
    std::function<void()> ricalcolato;

    void relazionePdf();
    void relazioneOdt();
    void esportaExcel();

protected:
    void cliccato(int id) override;
    void selezionato(int id) override;
    void uscito(int id) override;

private:
    void mostraScelte(const ScelteRicalcolo& s);
    void abilita();
    void mostraRisultato();
    void aggiungiTasso();
    void eliminaTasso();
    std::optional<Documento> documento();
    std::optional<std::string> fileDaSalvare(const std::string& estensione);
    void salvato(const std::string& errore, const std::string& path);

    Pratica* pratica_;
    Contesto& ctx_;
    std::string versione_;
    const ControlliRicalcolo& c_;
    std::unique_ptr<RicalcoloLegale> ricalcolo_;
    std::vector<TassoInserito> inseriti_;
    std::optional<Rideterminazione> risultato_;
    Foglio tabella_;
};

} // namespace vantrel

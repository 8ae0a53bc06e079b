#include "recalculation/relazione.h"

#include "account/controllo_scalare.h"
#include "account/fogli_scalare.h"
#include "casefile/scalare_pratica.h"
#include "rates/fonti_tassi.h"
#include "rates/norma_soglia.h"
#include "recalculation/fogli_ricalcolo.h"
#include "recalculation/grafico_saldi.h"

#include <algorithm>
#include <filesystem>

namespace vantrel {
namespace {

std::string euro(Centesimi c) {
    return testoCentesimi(c) + " euro";
}

std::string percento(TassoDecimale t) {
    return testoTasso(t) + " %";
}

std::string conIntervallo(const std::string& testo, const IntervalloScelta& i) {
    return i.testo().empty() ? testo : testo + " (" + i.testo() + ")";
}

void datiPratica(Documento& doc, const Pratica& p, const RicalcoloSalvato& r, const DatiRelazione& d) {
    doc.titoloPrincipale("Relazione tecnica: ricalcolo del conto corrente");
    const auto dato = [&](const char* chiave) {
        const std::string v = p.dato(chiave);
        return v.empty() ? std::string("non indicato") : v;
    };
    doc.sezione("1. Dati della pratica");
    doc.paragrafo("Pratica: " + std::filesystem::path(p.percorso()).filename().string());
    doc.paragrafo("Cliente: " + dato(dati_pratica::kCliente));
    doc.paragrafo("Banca: " + dato(dati_pratica::kBanca));
    doc.paragrafo("Conto: " + dato(dati_pratica::kConto));
    doc.paragrafo("Saldo iniziale indicato: " + euro(leggiCentesimi(p.dato(dati_pratica::kSaldoIniziale)).value_or(0)));
    if (!r.righe.empty())
        doc.paragrafo("Periodo esaminato: dal " + r.righe.front().dal.testo() + " al " + r.righe.back().al.testo() +
                      ", " + std::to_string(r.righe.size()) + " periodi di liquidazione, " +
                      std::to_string(p.numeroMovimenti()) + " movimenti");
    doc.paragrafo("Ricalcolo del " + r.esito.dataRicalcolo + "; relazione del " + d.oggi.testo());
}

void metodo(Documento& doc) {
    doc.sezione("2. Metodo");
    doc.paragrafo("Il conto è ricostruito dai movimenti dell'estratto conto: il saldo è seguito giorno per giorno "
                  "per data valuta, e per ogni periodo di liquidazione si calcolano i numeri entro e oltre il fido, "
                  "il massimo scoperto, gli interessi, la CMS, le commissioni e le spese che le condizioni danno, "
                  "ciascuno arrotondato al centesimo alla fine del periodo.");
    doc.paragrafo("Il TEG di ogni periodo e il suo confronto con il tasso soglia sono calcolati sulle cifre della "
                  "banca (L. 108/1996, formula della Banca d'Italia), secondo la norma in vigore nelle date del "
                  "periodo.");
    doc.paragrafo("Nel ricalcolo gli addebiti della banca (interessi, competenze, commissioni e spese riconosciuti "
                  "dalla descrizione) sono tolti e al loro posto si addebitano quelli dati dalle condizioni, "
                  "modificate dalle scelte che seguono; ogni scelta vale nei giorni indicati, e fuori da essi il "
                  "conto segue le condizioni del contratto. Le commissioni e le spese entrano nel saldo alla fine "
                  "del periodo; gli interessi secondo la scelta sulla capitalizzazione. La CMS e le spese fisse "
                  "seguono la scelta in vigore l'ultimo giorno del periodo.");
}

void scelte(Documento& doc, const ScelteRicalcolo& s, const std::string& versioneDati) {
    doc.sezione("3. Scelte del ricalcolo");
    std::string cap =
        conIntervallo(voce(vociCapitalizzazione(), s.capitalizzazione).descrizione, s.periodoCapitalizzazione);
    if (s.capitalizzazione == ModoCapitalizzazione::Norma)
        cap += s.adeguamento ? "; contratto adeguato alla delibera CICR il " + s.adeguamento->testo()
                             : "; contratto non adeguato alla delibera CICR";
    doc.paragrafo("Capitalizzazione degli interessi: " + cap + ".");
    doc.paragrafo("CMS: " + conIntervallo(voce(vociCms(), s.cms).descrizione, s.periodoCms) + ".");
    doc.paragrafo("Commissioni sul fido e di sconfinamento (dal 2010): " +
                  conIntervallo(s.commissioniEliminate ? "eliminate perché non pattuite per iscritto (art. 117-bis "
                                                         "TUB)"
                                                       : "mantenute",
                                s.commissioniEliminate ? s.periodoCommissioni : IntervalloScelta{}) +
                  ".");
    doc.paragrafo("Usura: " + conIntervallo(voce(vociUsura(), s.usura).descrizione, s.periodoUsura) + ".");
    std::string tassi = conIntervallo(voce(vociTassi(), s.tassi).descrizione, s.periodoTassi);
    if (s.tassi == ModoTassi::Legale || s.tassi == ModoTassi::Bot)
        tassi += "; fonte: " +
                 std::string(s.tassi == ModoTassi::Legale ? "tabella del tasso legale (G.U., decreti "
                                                            "del Ministero dell'economia)"
                                                          : "risultati delle aste dei BOT annuali "
                                                            "(Banca d'Italia); un rendimento negativo "
                                                            "vale zero") +
                 "; dati: " + versioneDati;
    for (const TassoInserito& t : s.tassiInseriti)
        tassi +=
            "; dal " + t.dal.testo() + " debitore " + percento(t.debitore) + ", creditore " + percento(t.creditore);
    doc.paragrafo("Tassi non pattuiti per iscritto: " + tassi + ".");
    std::string spese = s.speseOperazioniEliminate && s.speseFisseEliminate ? "spese per operazione e spese fisse"
                        : s.speseOperazioniEliminate                        ? "spese per operazione"
                        : s.speseFisseEliminate                             ? "spese fisse"
                                                                            : "";
    doc.paragrafo("Spese: " +
                  (spese.empty() ? std::string("mantenute")
                                 : conIntervallo(spese + " eliminate perché non pattuite per iscritto "
                                                         "(art. 117 c. 6 TUB)",
                                                 s.periodoSpese)) +
                  ".");
    doc.paragrafo(std::string("Saldo iniziale: ") +
                  (s.saldoInizialeZero ? "zero, in mancanza dei primi estratti conto" : "quello della banca") + ".");
    doc.paragrafo("Prescrizione: " +
                  (s.primaRichiesta ? "prima richiesta del " + s.primaRichiesta->testo() +
                                          "; sono escluse le rimesse solutorie di oltre dieci anni prima (art. 2946 "
                                          "c.c.; Cass. SS.UU. 24418/2010), individuate sul saldo ricalcolato (Cass. "
                                          "9141/2020)"
                                    : std::string("non applicata")) +
                  ".");
}

void condizioni(Documento& doc, const std::vector<RigaCondizioni>& righe) {
    doc.sezione("4. Condizioni del contratto");
    TabellaDocumento t;
    t.intestazione = {"Dal",          "Fido",       "Debitore %", "Extrafido %", "Creditore %",  "CMS %",
                      "Comm. fido %", "Sconfinam.", "Spese op.",  "Spese per.",  "Liquidazione", "Divisore"};
    t.numeriche = {false, true, true, true, true, true, true, true, true, true, false, true};
    for (const RigaCondizioni& c : righe)
        t.righe.push_back({c.dal.testo(), testoCentesimi(c.fido), testoTasso(c.tassoDebitore),
                           testoTasso(c.tassoExtrafido), testoTasso(c.tassoCreditore), testoTasso(c.cms),
                           testoTasso(c.commissioneFido), testoCentesimi(c.commissioneSconfinamento),
                           testoCentesimi(c.speseOperazione), testoCentesimi(c.spesePeriodo),
                           testoLiquidazione(c.liquidazione), std::to_string(c.divisore)});
    doc.tabella(std::move(t));
}

void usura(Documento& doc, const Pratica& p, const DatiRelazione& d) {
    doc.sezione("5. Verifica dell'usura per periodo, sulle cifre della banca");
    const auto condizioni = p.condizioni();
    TabellaDocumento t;
    t.intestazione = {"Dal", "Al", "Categoria", "TEG %", "Soglia %", "Supero", "Esito", "Norma", "Fonte dei tassi"};
    t.numeriche = {false, false, false, true, true, true, false, false, false};
    t.orizzontale = true;
    for (const RisultatoPeriodo& r : p.risultati()) {
        Centesimi fido = 0;
        for (const RigaCondizioni& c : condizioni)
            if (c.dal <= r.al) fido = c.fido;
        const bool controllato = !r.teg.empty();
        const Norma n = normaDelPeriodo(r.dal);
        t.righe.push_back({r.dal.testo(), r.al.testo(), categoriaDelConto(fido).nome, r.teg, r.soglia, r.supero,
                           !controllato       ? "nessun saldo a debito"
                           : r.supero.empty() ? "entro la soglia"
                                              : "OLTRE LA SOGLIA",
                           nomeNorma(n) + " (" + formulaNorma(n) + ")",
                           fonteTassi(d.cartellaDati, chiavePeriodo(r.dal.trimestre(), r.dal.anno))});
        t.evidenziate.push_back(!r.supero.empty());
    }
    doc.tabella(std::move(t));
}

void tabellaRicalcolo(Documento& doc, const RicalcoloSalvato& r) {
    doc.sezione("6. Ricalcolo per periodo");
    doc.paragrafo("Per ogni periodo: gli addebiti della banca per tipo, quelli del ricalcolo, i saldi per valuta "
                  "dopo la chiusura nei due modi, gli interessi tenuti fuori dal saldo e la differenza (saldo "
                  "ricalcolato meno interessi a parte meno saldo della banca). Importi in euro.");
    TabellaDocumento t = tabellaDaFoglio(foglioRicalcolo(r));
    t.intestazione.pop_back(); // the notes follow the table
    t.numeriche.pop_back();
    for (auto& riga : t.righe)
        riga.pop_back();
    t.orizzontale = true;
    doc.tabella(std::move(t));
    for (const RigaRicalcolo& x : r.righe)
        if (!x.nota.empty()) doc.paragrafo("Dal " + x.dal.testo() + " al " + x.al.testo() + ": " + x.nota + ".");
}

void grafico(Documento& doc, const RicalcoloSalvato& r, const DatiRelazione& d, const std::string& nome) {
    doc.sezione("7. Andamento dei saldi");
    const std::string png = d.grafico ? d.grafico->png(graficoSaldi(r.righe, nome), 1600, 900) : std::string();
    if (png.empty())
        doc.paragrafo("Il grafico non è disponibile in questa versione del programma.");
    else
        doc.immagine(png, "Saldo della banca e saldo ricalcolato alla fine di ogni periodo, in euro");
}

void risultato(Documento& doc, const RicalcoloSalvato& r) {
    const EsitoRicalcolo& e = r.esito;
    doc.sezione("8. Risultato");
    doc.paragrafo("Saldo finale della banca: " + euro(e.saldoBanca) + ".");
    doc.paragrafo("Saldo rideterminato: " + euro(e.saldoRideterminato()) + " (saldo per valuta " +
                  euro(e.saldoRicalcolato) + ", interessi tenuti a parte " + euro(e.interessiAParte) + ").");
    doc.paragrafo("Differenza a favore del cliente: " + euro(e.differenza()) + ".");
    if (e.prescrizione)
        doc.paragrafo("Di cui esclusa per prescrizione: " + euro(e.prescritto) +
                      "; differenza dopo la prescrizione: " + euro(e.differenzaDopoPrescrizione()) + ".");
    doc.paragrafo("Minor debito del cliente: " + euro(e.minoreDebito()) + ".");
    doc.paragrafo("Somma da restituire al cliente: " + euro(e.daRestituire()) + ".");
    if (e.differenza() < 0)
        doc.paragrafo("Il ricalcolo dà un saldo meno favorevole al cliente di quello della banca: nulla da "
                      "restituire.");
    for (std::size_t i = 0; i < e.avvisi.size();) {
        const std::size_t fine = std::min(e.avvisi.find('\n', i), e.avvisi.size());
        doc.paragrafo("Avviso: " + e.avvisi.substr(i, fine - i));
        i = fine + 1;
    }
    if (r.rimesse.empty()) return;
    doc.paragrafo("Rimesse solutorie di oltre dieci anni prima della prima richiesta:");
    TabellaDocumento t;
    t.intestazione = {"Valuta", "Rimessa", "Parte solutoria", "Parte prescritta"};
    t.numeriche = {false, true, true, true};
    for (const RimessaSolutoria& m : r.rimesse)
        t.righe.push_back(
            {m.giorno.testo(), testoCentesimi(m.importo), testoCentesimi(m.solutoria), testoCentesimi(m.prescritta)});
    doc.tabella(std::move(t));
}

void appendice(Documento& doc, const Pratica& p) {
    doc.sezione("Appendice: scalare della banca per periodo");
    const RisultatoScalare s = calcolaScalare(giorniPratica(p), p.condizioni(), opzioniPratica(p));
    TabellaDocumento t =
        tabellaDaFoglio(foglioScalare(s), {"Dal", "Al", "Giorni", "Saldo iniziale", "Saldo finale", "Numeri entro fido",
                                           "Numeri extrafido", "Numeri creditori", "Massimo scoperto",
                                           "Giorni oltre fido", "Interessi debitori", "Interessi extrafido", "CMS",
                                           "Commissione fido", "Spese operazioni", "Spese fisse"});
    t.orizzontale = true;
    doc.tabella(std::move(t));
}

} // namespace

std::optional<Documento> relazione(const Pratica& p, const DatiRelazione& d, std::string& errore) {
    const std::optional<RicalcoloSalvato> r = p.ricalcoloSalvato();
    if (!r) {
        errore = "la pratica non è stata ricalcolata: ricalcolarla prima di scrivere la relazione";
        return std::nullopt;
    }
    Documento doc;
    doc.titolo = "Relazione tecnica - " + (p.dato(dati_pratica::kCliente).empty()
                                               ? std::filesystem::path(p.percorso()).stem().string()
                                               : p.dato(dati_pratica::kCliente));
    doc.generatore = "Vantrel/" + d.versioneProgramma;
    doc.data = d.oggi;
    datiPratica(doc, p, *r, d);
    metodo(doc);
    scelte(doc, p.scelteRicalcolo(), r->esito.versioneDati);
    condizioni(doc, p.condizioni());
    usura(doc, p, d);
    tabellaRicalcolo(doc, *r);
    grafico(doc, *r, d, p.dato(dati_pratica::kCliente));
    risultato(doc, *r);
    appendice(doc, p);
    doc.paragrafo("");
    doc.paragrafo("Relazione prodotta con Vantrel " + d.versioneProgramma +
                  "; dati dei tassi: " + r->esito.versioneDati + ".");
    return doc;
}

} // namespace vantrel

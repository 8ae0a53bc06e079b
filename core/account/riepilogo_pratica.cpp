#include "account/riepilogo_pratica.h"

#include "account/fogli_pratica.h"
#include "account/stampa_pratica.h"
#include "common/file_sicuro.h"
#include "common/maschera_formato.h"
#include "common/testo.h"
#include "reports/controlli_report.h"
#include "reports/file_report.h"
#include "teg/finestra_calcolo.h"
#include "teg/lista_report.h"
#include "teg/teg_controlli.h"

#include <filesystem>

namespace vantrel {
namespace {

std::string testoRiga(const std::vector<Cella>& r) {
    std::string s;
    for (std::size_t c = 0; c < r.size(); ++c)
        s += (c ? "; " : "") + testoCella(r[c]);
    return s;
}

std::string elenco(const std::vector<std::string>& nomi) {
    std::string s;
    for (const auto& n : nomi)
        s += (s.empty() ? "\"" : ", \"") + n + "\"";
    return s;
}

} // namespace

RiepilogoPratica::RiepilogoPratica(Finestra& f, Contesto& ctx, ListaReport& lista)
    : f_(f), ctx_(ctx), lista_(lista), c_(controlli<ControlliPratica>(f.schema())),
      nomeReport_(controlli<ControlliReportTeg>(f.schema()).nomeReport),
      schede_(controlli<ControlliTeg>(f.schema()).schede) {}

RiepilogoPratica::~RiepilogoPratica() = default;

void RiepilogoPratica::carica() {
    ++importazioni_;
    periodi_.clear();
    prossimo_ = 0;
    esiti_.clear();
    tabella_ = foglioRiepilogo();
    file_.clear();
    ignorate_.clear();
    controllo_.reset();
    contesto_.reset();
    auto& schede = modifica(f_, schede_).voci;
    if (schede.size() == 3) schede.push_back(testiPratica::scheda);
}

std::string RiepilogoPratica::nome() const {
    const std::string_view n = trim(f_.testo(nomeReport_));
    if (!n.empty()) return std::string(n);
    return file_.empty() ? std::string() : std::filesystem::path(file_).stem().string();
}

void RiepilogoPratica::importaPeriodi() {
    if (inCorso() || !ctx_.servizi.file) return;
    const auto path = ctx_.servizi.file->apri("periodi.csv", ctx_.stato.cartellaReport);
    if (!path || path->empty()) return;
    PeriodiImportati periodi;
    try {
        periodi = leggiFilePeriodi(*path);
    } catch (const ErroreImportazione& e) {
        ctx_.messaggio({testiPratica::titolo,
                        "Impossibile importare " + std::filesystem::path(*path).filename().string() + ":\n" +
                            e.messaggio() + "\nNessun trimestre è stato importato.",
                        Icona::Critica});
        return;
    }
    if (periodi.periodi.empty()) {
        ctx_.messaggio({testiPratica::titolo, "Il file non contiene trimestri da controllare.", Icona::Avviso});
        return;
    }
    if (!periodi.colonneIgnorate.empty())
        ctx_.messaggio(
            {testiPratica::titolo,
             "Queste colonne non sono dati del periodo e vengono ignorate: " + elenco(periodi.colonneIgnorate) + ".",
             Icona::Informazione});
    avvia(std::move(periodi), *path);
}

void RiepilogoPratica::avvia(PeriodiImportati periodi, const std::string& file) {
    carica();
    ++importazioni_;
    periodi_ = std::move(periodi.periodi);
    ignorate_ = std::move(periodi.colonneIgnorate);
    file_ = file;
    modifica(f_, c_.tabella).voci.clear();
    modifica(f_, c_.tabella).selezione = -1;
    for (int id : {c_.trimestri, c_.superi, c_.superoMassimo})
        f_.imposta(id, "");
    if (trim(f_.testo(nomeReport_)).empty()) f_.imposta(nomeReport_, nome());
    // The checks run on a copy of the program's state: the currency of a quarter must not become
    // the window's, nor its messages the user's.
    contesto_ = std::make_unique<Contesto>();
    contesto_->stato = ctx_.stato;
    contesto_->servizi.orologio = ctx_.servizi.orologio;
    controllo_ = std::make_unique<ControlloPeriodi>(*contesto_);
    esiti_.reserve(periodi_.size());
    modifica(f_, schede_).selezione = 3;
    modifica(f_, c_.avanzamento).visibile = true;
    f_.imposta(c_.stato, "Controllo dei trimestri di " + std::filesystem::path(file).filename().string() + "...");
    abilita();
    if (continua) {
        continua();
    } else {
        while (passo()) {
        }
    }
}

bool RiepilogoPratica::passo(std::chrono::milliseconds tempo) {
    const auto fine = std::chrono::steady_clock::now() + tempo;
    auto& voci = modifica(f_, c_.tabella).voci;
    for (int n = 0; inCorso(); ++n) {
        if (n > 0 && n % 16 == 0 && std::chrono::steady_clock::now() >= fine) break;
        const PeriodoDaControllare& p = periodi_[prossimo_++];
        EsitoControllo e = controllo_->controlla(p);
        FinestraCalcolo& w = controllo_->finestra();
        EsitoTrimestre t = esitoTrimestre(w, contesto_->stato.tassi, p, std::move(e));
        if (t.oltreSoglia()) {
            w.clicca(controlli<ControlliTeg>(w.schema()).creaReportTabellare);
            if (FinestraTesto* stp1 = w.report().finestraTesto()) t.riepilogo = stp1->lista().righe();
        }
        if (!t.rigaReport.empty()) lista_.accoda(t.rigaReport);
        accodaRiepilogo(tabella_, t);
        voci.push_back(testoRiga(tabella_.righe.back()));
        esiti_.push_back(std::move(t));
    }
    f_.imposta(c_.avanzamento, std::to_string(prossimo_) + " di " + std::to_string(periodi_.size()));
    if (inCorso()) {
        if (continua) continua();
        return true;
    }
    concludi();
    return false;
}

void RiepilogoPratica::concludi() {
    controllo_.reset();
    contesto_.reset();
    totaliRiepilogo(tabella_, esiti_);
    const TotaliPratica t = totaliPratica(esiti_);
    f_.imposta(c_.trimestri, std::to_string(t.trimestri));
    f_.imposta(c_.superi, std::to_string(t.oltre));
    f_.imposta(c_.superoMassimo, t.massimo ? formatta(t.superoMassimo, maschere::tasso3Riga) + " (dal " +
                                                 t.massimo->dal + " al " + t.massimo->al + ")"
                                           : std::string("nessuno"));
    modifica(f_, c_.avanzamento).visibile = false;
    std::string stato = std::to_string(t.trimestri) + " trimestri controllati da " +
                        std::filesystem::path(file_).filename().string() + ", " + std::to_string(t.oltre) +
                        " oltre la soglia.";
    if (!ignorate_.empty()) stato += " Colonne ignorate: " + elenco(ignorate_) + ".";
    f_.imposta(c_.stato, stato);
    abilita();
}

void RiepilogoPratica::abilita() {
    modifica(f_, c_.importaPeriodi).abilitato = !inCorso();
    const bool pronta = !inCorso() && !esiti_.empty();
    for (int id : {c_.esportaExcel, c_.esportaCsv, c_.salvaGrafico, c_.stampaPratica, c_.esportaPdf})
        modifica(f_, id).abilitato = pronta;
}

DatiGrafico RiepilogoPratica::grafico() const {
    return datiGrafico(esiti_, nome());
}

std::optional<std::string> RiepilogoPratica::fileDaSalvare(const std::string& estensione) {
    if (inCorso() || esiti_.empty() || !ctx_.servizi.file) return std::nullopt;
    std::string base = nome();
    for (char& c : base)
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    const auto path =
        ctx_.servizi.file->salva((base.empty() ? "pratica" : base) + estensione, ctx_.stato.cartellaReport);
    if (!path || path->empty()) return std::nullopt;
    return path;
}

void RiepilogoPratica::esportato(const std::string& errore, const std::string& path) {
    if (errore.empty()) {
        f_.imposta(c_.stato, "Salvato: " + path);
        return;
    }
    ctx_.messaggio({kTitoloProgramma, "Impossibile salvare " + path + ": " + errore, Icona::Critica});
}

void RiepilogoPratica::esportaExcel() {
    const auto path = fileDaSalvare(".xlsx");
    if (!path) return;
    esportato(ctx_.servizi.xlsx ? ctx_.servizi.xlsx->scrivi(cartellaPratica(esiti_), *path)
                                : std::string("la scrittura dei file Excel non è disponibile"),
              *path);
}

void RiepilogoPratica::esportaCsv() {
    const auto path = fileDaSalvare(".csv");
    if (path) esportato(sostituisciFile(*path, csvFoglio(tabella_)), *path);
}

void RiepilogoPratica::salvaGrafico() {
    const auto path = fileDaSalvare("-grafico.png");
    if (!path) return;
    const std::string png = ctx_.servizi.grafico ? ctx_.servizi.grafico->png(grafico(), 1600, 900) : std::string();
    esportato(png.empty() ? std::string("il grafico non può essere disegnato") : sostituisciFile(*path, png), *path);
}

std::string RiepilogoPratica::stampa(Stampante& s) {
    DatiStampaPratica d;
    d.nome = nome();
    d.oggi = ctx_.oggi();
    d.esiti = &esiti_;
    d.tabella = &tabella_;
    if (ctx_.servizi.grafico) d.grafico = ctx_.servizi.grafico->png(grafico(), 2400, 1200);
    d.righePerPagina = ctx_.stato.opzStampa.righeOrizzontale();
    return vantrel::stampaPratica(s, d);
}

void RiepilogoPratica::stampaPratica() {
    if (inCorso() || esiti_.empty() || !ctx_.servizi.stampante) return;
    const std::string errore = stampa(*ctx_.servizi.stampante);
    if (!errore.empty()) ctx_.messaggio({kTitoloProgramma, "Errore di stampa: " + errore, Icona::Critica});
}

void RiepilogoPratica::esportaPdf() {
    if (!ctx_.servizi.pdf) return;
    const auto path = fileDaSalvare(".pdf");
    if (!path) return;
    const auto stampante = ctx_.servizi.pdf->apri(*path);
    esportato(stampante ? stampa(*stampante) : std::string("il file PDF non può essere creato"), *path);
}

bool RiepilogoPratica::cliccato(int id) {
    if (id == c_.importaPeriodi)
        importaPeriodi();
    else if (id == c_.esportaExcel)
        esportaExcel();
    else if (id == c_.esportaCsv)
        esportaCsv();
    else if (id == c_.salvaGrafico)
        salvaGrafico();
    else if (id == c_.stampaPratica)
        stampaPratica();
    else if (id == c_.esportaPdf)
        esportaPdf();
    else
        return false;
    return true;
}

} // namespace vantrel

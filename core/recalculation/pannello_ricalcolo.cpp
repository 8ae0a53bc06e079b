#include "recalculation/pannello_ricalcolo.h"

#include "common/stampa_documento.h"
#include "recalculation/fogli_ricalcolo.h"
#include "recalculation/grafico_saldi.h"
#include "recalculation/relazione.h"

#include <algorithm>
#include <filesystem>

namespace vantrel {
namespace {

Schema creaSchema() {
    Schema s("Ricalcolo", "Ricalcolo");
    aggiungi(s, ControlliRicalcolo::kRighe);
    s.ordineTab(ordineTab(ControlliRicalcolo::kRighe));
    return s;
}

template <class Modo>
std::vector<std::string> nomi(std::span<const VoceModo<Modo>> voci) {
    std::vector<std::string> out;
    for (const auto& v : voci)
        out.push_back(v.nome);
    return out;
}

template <class Modo>
int indice(std::span<const VoceModo<Modo>> voci, Modo m) {
    for (std::size_t i = 0; i < voci.size(); ++i)
        if (voci[i].modo == m) return static_cast<int>(i);
    return 0;
}

template <class Modo>
Modo modoScelto(std::span<const VoceModo<Modo>> voci, int selezione) {
    return selezione >= 0 && static_cast<std::size_t>(selezione) < voci.size()
               ? voci[static_cast<std::size_t>(selezione)].modo
               : voci.front().modo;
}

std::string testoData(const std::optional<Data>& d) {
    return d ? d->testo() : std::string();
}

std::string voceTasso(const TassoInserito& t) {
    return "dal " + t.dal.testo() + ": debitore " + testoTasso(t.debitore) + " %, creditore " +
           testoTasso(t.creditore) + " %";
}

std::string vocePeriodo(const RigaRicalcolo& r) {
    return r.dal.testo() + " - " + r.al.testo() + "   banca " + testoCentesimi(r.totaleBanca()) + "   ricalcolo " +
           testoCentesimi(r.totaleRicalcolo()) + "   saldo banca " + testoCentesimi(r.saldoBanca) +
           "   saldo ricalcolato " + testoCentesimi(r.saldoRicalcolato - r.interessiAParte) + "   differenza " +
           testoCentesimi(r.differenza());
}

} // namespace

const Schema& PannelloRicalcolo::schemaRicalcolo() {
    static const Schema s = creaSchema();
    return s;
}

PannelloRicalcolo::PannelloRicalcolo(Pratica& p, Contesto& ctx, std::string versioneProgramma)
    : Finestra(schemaRicalcolo()), pratica_(&p), ctx_(ctx), versione_(std::move(versioneProgramma)),
      c_(controlli<ControlliRicalcolo>(schema())) {
    modifica(c_.capitalizzazione).voci = nomi(vociCapitalizzazione());
    modifica(c_.cms).voci = nomi(vociCms());
    modifica(c_.usura).voci = nomi(vociUsura());
    modifica(c_.tassi).voci = nomi(vociTassi());
    riapri(p);
}

void PannelloRicalcolo::riapri(Pratica& p) {
    pratica_ = &p;
    ricalcolo_ = std::make_unique<RicalcoloLegale>(p, ctx_);
    mostraScelte(p.scelteRicalcolo());
    if (ricalcolo_->errore().empty()) return ricalcola();
    risultato_.reset();
    tabella_ = {};
    modifica(c_.tabella).voci.clear();
    for (int id :
         {c_.saldoBancaFinale, c_.saldoRideterminato, c_.differenza, c_.prescritto, c_.minoreDebito, c_.daRestituire})
        imposta(id, "");
    for (int id : {c_.relazionePdf, c_.relazioneOdt, c_.esportaExcel})
        modifica(id).abilitato = false;
    imposta(c_.stato, "Impossibile ricalcolare la pratica: " + ricalcolo_->errore());
    if (ricalcolato) ricalcolato();
}

void PannelloRicalcolo::mostraScelte(const ScelteRicalcolo& s) {
    const auto combo = [&](int id, int i) {
        modifica(id).selezione = i;
        imposta(id, modifica(id).voci[static_cast<std::size_t>(i)]);
    };
    combo(c_.capitalizzazione, indice(vociCapitalizzazione(), s.capitalizzazione));
    combo(c_.cms, indice(vociCms(), s.cms));
    combo(c_.usura, indice(vociUsura(), s.usura));
    combo(c_.tassi, indice(vociTassi(), s.tassi));
    const std::pair<int, std::optional<Data>> date[] = {{c_.capitalizzazioneDal, s.periodoCapitalizzazione.dal},
                                                        {c_.capitalizzazioneAl, s.periodoCapitalizzazione.al},
                                                        {c_.adeguamento, s.adeguamento},
                                                        {c_.cmsDal, s.periodoCms.dal},
                                                        {c_.cmsAl, s.periodoCms.al},
                                                        {c_.commissioniDal, s.periodoCommissioni.dal},
                                                        {c_.commissioniAl, s.periodoCommissioni.al},
                                                        {c_.usuraDal, s.periodoUsura.dal},
                                                        {c_.usuraAl, s.periodoUsura.al},
                                                        {c_.tassiDal, s.periodoTassi.dal},
                                                        {c_.tassiAl, s.periodoTassi.al},
                                                        {c_.speseDal, s.periodoSpese.dal},
                                                        {c_.speseAl, s.periodoSpese.al},
                                                        {c_.primaRichiesta, s.primaRichiesta}};
    for (const auto& [id, d] : date)
        imposta(id, testoData(d));
    modifica(c_.commissioni).selezionato = s.commissioniEliminate;
    modifica(c_.speseOperazioni).selezionato = s.speseOperazioniEliminate;
    modifica(c_.speseFisse).selezionato = s.speseFisseEliminate;
    modifica(c_.saldoBanca).selezionato = !s.saldoInizialeZero;
    modifica(c_.saldoZero).selezionato = s.saldoInizialeZero;
    modifica(c_.prescrizione).selezionato = s.primaRichiesta.has_value();
    inseriti_ = s.tassiInseriti;
    modifica(c_.tassiInseriti).voci.clear();
    for (const TassoInserito& t : inseriti_)
        modifica(c_.tassiInseriti).voci.push_back(voceTasso(t));
    abilita();
}

// The days of a choice can be given while it does something; the adaptation of the contract for
// the rule in force, the entered rates for the rates that need them, the first claim for prescription.
void PannelloRicalcolo::abilita() {
    const auto attiva = [&](int dal, int al, bool si) { modifica(dal).abilitato = modifica(al).abilitato = si; };
    const auto cap = modoScelto(vociCapitalizzazione(), (*this)[c_.capitalizzazione].selezione);
    const auto tassi = modoScelto(vociTassi(), (*this)[c_.tassi].selezione);
    attiva(c_.capitalizzazioneDal, c_.capitalizzazioneAl, cap != ModoCapitalizzazione::ComeBanca);
    modifica(c_.adeguamento).abilitato = cap == ModoCapitalizzazione::Norma;
    attiva(c_.cmsDal, c_.cmsAl, modoScelto(vociCms(), (*this)[c_.cms].selezione) != ModoCms::Mantenuta);
    attiva(c_.commissioniDal, c_.commissioniAl, (*this)[c_.commissioni].selezionato);
    attiva(c_.usuraDal, c_.usuraAl, modoScelto(vociUsura(), (*this)[c_.usura].selezione) != ModoUsura::Nessuna);
    attiva(c_.tassiDal, c_.tassiAl, tassi != ModoTassi::Contratto);
    const bool inseriti = tassi == ModoTassi::Inseriti || tassi == ModoTassi::Bot;
    for (int id : {c_.tassoDal, c_.tassoDebitore, c_.tassoCreditore, c_.aggiungiTasso, c_.eliminaTasso})
        modifica(id).abilitato = inseriti;
    attiva(c_.speseDal, c_.speseAl, (*this)[c_.speseOperazioni].selezionato || (*this)[c_.speseFisse].selezionato);
    modifica(c_.primaRichiesta).abilitato = (*this)[c_.prescrizione].selezionato;
}

std::optional<ScelteRicalcolo> PannelloRicalcolo::scelte() {
    bool lette = true;
    const auto data = [&](int id) -> std::optional<Data> {
        const std::string& t = (*this)[id].testo;
        if (t.empty() || !(*this)[id].abilitato) return std::nullopt;
        const auto d = leggiData(t);
        if (!d && lette) imposta(c_.stato, "Data non valida: " + t);
        lette = lette && d.has_value();
        return d;
    };
    ScelteRicalcolo s;
    s.capitalizzazione = modoScelto(vociCapitalizzazione(), (*this)[c_.capitalizzazione].selezione);
    s.periodoCapitalizzazione = {data(c_.capitalizzazioneDal), data(c_.capitalizzazioneAl)};
    s.adeguamento = data(c_.adeguamento);
    s.cms = modoScelto(vociCms(), (*this)[c_.cms].selezione);
    s.periodoCms = {data(c_.cmsDal), data(c_.cmsAl)};
    s.commissioniEliminate = (*this)[c_.commissioni].selezionato;
    s.periodoCommissioni = {data(c_.commissioniDal), data(c_.commissioniAl)};
    s.usura = modoScelto(vociUsura(), (*this)[c_.usura].selezione);
    s.periodoUsura = {data(c_.usuraDal), data(c_.usuraAl)};
    s.tassi = modoScelto(vociTassi(), (*this)[c_.tassi].selezione);
    s.periodoTassi = {data(c_.tassiDal), data(c_.tassiAl)};
    s.tassiInseriti = inseriti_;
    s.speseOperazioniEliminate = (*this)[c_.speseOperazioni].selezionato;
    s.speseFisseEliminate = (*this)[c_.speseFisse].selezionato;
    s.periodoSpese = {data(c_.speseDal), data(c_.speseAl)};
    s.saldoInizialeZero = (*this)[c_.saldoZero].selezionato;
    s.primaRichiesta = data(c_.primaRichiesta);
    if (lette && (*this)[c_.prescrizione].selezionato && !s.primaRichiesta) {
        imposta(c_.stato, "Indicare il giorno della prima richiesta");
        lette = false;
    }
    if (!lette) return std::nullopt;
    return s;
}

void PannelloRicalcolo::ricalcola() {
    if (!ricalcolo_->errore().empty()) return;
    const auto s = scelte();
    if (!s) return;
    risultato_ = ricalcolo_->applica(*s);
    mostraRisultato();
}

void PannelloRicalcolo::mostraRisultato() {
    const Rideterminazione& r = *risultato_;
    const bool ok = r.errore.empty() && !r.ricalcolo.righe.empty();
    tabella_ = ok ? foglioRicalcolo(r.ricalcolo) : Foglio{};
    modifica(c_.tabella).voci.clear();
    if (ok)
        for (const RigaRicalcolo& x : r.ricalcolo.righe)
            modifica(c_.tabella).voci.push_back(vocePeriodo(x));
    const EsitoRicalcolo& e = r.ricalcolo.esito;
    const std::pair<int, Centesimi> cifre[] = {
        {c_.saldoBancaFinale, e.saldoBanca}, {c_.saldoRideterminato, e.saldoRideterminato()},
        {c_.differenza, e.differenza()},     {c_.prescritto, e.prescritto},
        {c_.minoreDebito, e.minoreDebito()}, {c_.daRestituire, e.daRestituire()}};
    for (const auto& [id, c] : cifre)
        imposta(id, ok ? testoCentesimi(c) : std::string());
    std::string stato = !r.errore.empty()         ? "Ricalcolo non eseguito: " + r.errore
                        : pratica_->soloLettura() ? "Pratica in sola lettura: il ricalcolo non è salvato"
                                                  : "Ricalcolo salvato nella pratica";
    if (ok && !e.avvisi.empty()) stato += "\n" + e.avvisi;
    imposta(c_.stato, stato);
    const bool relazione = ok && pratica_->ricalcoloSalvato().has_value();
    for (int id : {c_.relazionePdf, c_.relazioneOdt})
        modifica(id).abilitato = relazione;
    modifica(c_.esportaExcel).abilitato = ok;
    if (ricalcolato) ricalcolato();
}

DatiGrafico PannelloRicalcolo::grafico() const {
    if (!risultato_ || !risultato_->errore.empty()) return {};
    return graficoSaldi(risultato_->ricalcolo.righe, pratica_->dato(dati_pratica::kCliente));
}

void PannelloRicalcolo::aggiungiTasso() {
    const auto dal = leggiData((*this)[c_.tassoDal].testo);
    const auto debitore = leggiTassoDecimale((*this)[c_.tassoDebitore].testo);
    const auto creditore = leggiTassoDecimale((*this)[c_.tassoCreditore].testo);
    if (!dal || !debitore || !creditore) {
        imposta(c_.stato, "Tasso inserito: indicare la data da cui vale, il tasso debitore e quello creditore");
        return;
    }
    std::erase_if(inseriti_, [&](const TassoInserito& t) { return t.dal == *dal; });
    inseriti_.push_back({*dal, *debitore, *creditore});
    std::sort(inseriti_.begin(), inseriti_.end(), [](const auto& a, const auto& b) { return a.dal < b.dal; });
    modifica(c_.tassiInseriti).voci.clear();
    for (const TassoInserito& t : inseriti_)
        modifica(c_.tassiInseriti).voci.push_back(voceTasso(t));
    for (int id : {c_.tassoDal, c_.tassoDebitore, c_.tassoCreditore})
        imposta(id, "");
    ricalcola();
}

void PannelloRicalcolo::eliminaTasso() {
    const int i = (*this)[c_.tassiInseriti].selezione;
    if (i < 0 || static_cast<std::size_t>(i) >= inseriti_.size()) return;
    inseriti_.erase(inseriti_.begin() + i);
    auto& lista = modifica(c_.tassiInseriti);
    lista.voci.erase(lista.voci.begin() + i);
    lista.selezione = -1;
    ricalcola();
}

void PannelloRicalcolo::cliccato(int id) {
    if (id == c_.aggiungiTasso) return aggiungiTasso();
    if (id == c_.eliminaTasso) return eliminaTasso();
    if (id == c_.relazionePdf) return relazionePdf();
    if (id == c_.relazioneOdt) return relazioneOdt();
    if (id == c_.esportaExcel) return esportaExcel();
    abilita();
    ricalcola();
}

void PannelloRicalcolo::selezionato(int id) {
    if (id == c_.tabella) return;
    if (id == c_.tassiInseriti) {
        const int i = (*this)[id].selezione;
        if (i < 0 || static_cast<std::size_t>(i) >= inseriti_.size()) return;
        const TassoInserito& t = inseriti_[static_cast<std::size_t>(i)];
        imposta(c_.tassoDal, t.dal.testo());
        imposta(c_.tassoDebitore, testoTasso(t.debitore));
        imposta(c_.tassoCreditore, testoTasso(t.creditore));
        return;
    }
    abilita();
    ricalcola();
}

void PannelloRicalcolo::uscito(int id) {
    if (schema().definizione(id).tipo == Tipo::Data && id != c_.tassoDal) ricalcola();
}

std::optional<std::string> PannelloRicalcolo::fileDaSalvare(const std::string& estensione) {
    if (!ctx_.servizi.file) return std::nullopt;
    std::string base = std::filesystem::path(pratica_->percorso()).stem().string();
    const auto path = ctx_.servizi.file->salva(base + estensione, ctx_.stato.cartellaReport);
    if (!path || path->empty()) return std::nullopt;
    return path;
}

void PannelloRicalcolo::salvato(const std::string& errore, const std::string& path) {
    if (errore.empty()) {
        imposta(c_.stato, "Salvato: " + path);
        return;
    }
    ctx_.messaggio({kTitoloProgramma, "Impossibile salvare " + path + ": " + errore, Icona::Critica});
}

std::optional<Documento> PannelloRicalcolo::documento() {
    std::string errore;
    auto d = relazione(*pratica_, {versione_, ctx_.oggi(), ctx_.servizi.grafico, ctx_.stato.cartellaDati}, errore);
    if (!d) ctx_.messaggio({kTitoloProgramma, "Impossibile scrivere la relazione: " + errore, Icona::Critica});
    return d;
}

void PannelloRicalcolo::relazionePdf() {
    const auto path = fileDaSalvare("-relazione.pdf");
    if (!path) return;
    const auto d = documento();
    if (!d) return;
    auto stampante = ctx_.servizi.pdf ? ctx_.servizi.pdf->apri(*path) : nullptr;
    salvato(stampante ? stampaDocumento(*stampante, *d) : "la stampa su PDF non è disponibile", *path);
}

void PannelloRicalcolo::relazioneOdt() {
    const auto path = fileDaSalvare("-relazione.odt");
    if (!path) return;
    const auto d = documento();
    if (!d) return;
    salvato(ctx_.servizi.odt ? ctx_.servizi.odt->scrivi(*d, *path) : "la scrittura dei documenti non è disponibile",
            *path);
}

void PannelloRicalcolo::esportaExcel() {
    const auto path = fileDaSalvare(".xlsx");
    if (!path || !risultato_ || !risultato_->errore.empty()) return;
    salvato(ctx_.servizi.xlsx ? ctx_.servizi.xlsx->scrivi(cartellaRicalcolo(*pratica_, risultato_->ricalcolo), *path)
                              : "la scrittura dei file Excel non è disponibile",
            *path);
}

} // namespace vantrel

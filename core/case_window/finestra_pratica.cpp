#include "case_window/finestra_pratica.h"

#include "case_window/controlli_addebiti_pratica.h"

#include <filesystem>
#include <system_error>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string conEstensione(std::string path) {
    if (fs::path(path).extension().empty()) path += ".vantrel";
    return path;
}

} // namespace

const Schema& FinestraPratica::schemaPratica() {
    static const Schema s = [] {
        Schema sc("Pratica", testiFinestraPratica::titolo);
        aggiungi(sc, ControlliFinestraPratica::kRighe);
        aggiungi(sc, ControlliAddebitiPratica::kRighe);
        sc.ordineTab(ordineTab(ControlliFinestraPratica::kRighe));
        return sc;
    }();
    return s;
}

FinestraPratica::FinestraPratica(Contesto& ctx, std::unique_ptr<Pratica> p, bool scratch, std::string nome)
    : FinestraComposta(schemaPratica()), ctx_(ctx), pratica_(std::move(p)),
      modifiche_(std::make_unique<ModificheMovimenti>(*pratica_)), c_(controlli<ControlliFinestraPratica>(schema())),
      scratch_(scratch), nome_(std::move(nome)), dati_(*this), movimenti_(*this), importazione_(*this),
      condizioni_(*this), scalare_(*this), ricalcolo_(*this, VANTREL_VERSIONE), parole_(*this), addebiti_(*this),
      note_(*this) {
    for (ParteFinestra* parte : std::initializer_list<ParteFinestra*>{&dati_, &movimenti_, &importazione_, &condizioni_,
                                                                      &scalare_, &parole_, &addebiti_, &note_})
        aggiungiParte(*parte);
    modifica(c_.schede).voci = {"Dati",    "Movimenti", "Importa movimenti", "Condizioni",
                                "Scalare", "Ricalcolo", "Addebiti banca",    "Note"};
    modifica(c_.schede).selezione = pratica_->numeroMovimenti() > 0 ? kSchedaMovimenti : kSchedaDati;
    if (nome_.empty()) nome_ = fs::path(pratica_->percorso()).stem().string();
}

FinestraPratica::~FinestraPratica() {
    if (!scratch_) return;
    // A new case closed without a name: its scratch file goes with it.
    const std::string file = pratica_->percorso();
    modifiche_.reset();
    pratica_.reset();
    std::error_code ec;
    fs::remove(file, ec);
    fs::remove(file + "-journal", ec);
}

std::string FinestraPratica::titolo() const {
    std::string t = testiFinestraPratica::titolo;
    t.append(": ").append(nome_);
    if (modificata()) t += " *";
    if (pratica_->soloLettura()) t += " (sola lettura)";
    return t;
}

void FinestraPratica::cambiata() {
    ++cambiamenti_;
    scalare_.invalida();
    ricalcolo_.invalida();
    if ((*this)[c_.schede].selezione == kSchedaRicalcolo) ricalcolo_.mostra(); // an undo while it is shown
}

bool FinestraPratica::salva() {
    return scratch_ ? salvaConNome() : true;
}

bool FinestraPratica::salvaConNome() {
    if (inCorso_ || !ctx_.servizi.file) return false;
    const auto scelto = ctx_.servizi.file->salva(nome_ + ".vantrel", fs::path(percorso()).parent_path().string());
    if (!scelto || scelto->empty()) return false;
    const std::string destinazione = conEstensione(*scelto);
    std::error_code ec;
    if (fs::equivalent(destinazione, percorso(), ec)) return true;
    return copiaIn(destinazione);
}

// The case is closed, copied beside its destination, renamed into place and opened there; on a
// failure the old file is opened again, as it was.
bool FinestraPratica::copiaIn(const std::string& destinazione) {
    const std::string vecchio = percorso();
    const bool soloLettura = pratica_->soloLettura();
    modifiche_.reset();
    pratica_.reset();
    std::error_code ec;
    const std::string provvisorio = destinazione + ".copia~";
    fs::copy_file(vecchio, provvisorio, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(provvisorio, destinazione, ec);
    std::string errore = ec ? ec.message() : std::string();
    std::unique_ptr<Pratica> nuova;
    if (errore.empty()) nuova = Pratica::apri(*ctx_.servizi.bancheDati, destinazione, errore);
    if (!nuova) {
        fs::remove(provvisorio, ec);
        std::string errore2;
        pratica_ = Pratica::apri(*ctx_.servizi.bancheDati, vecchio, errore2, soloLettura);
        modifiche_ = std::make_unique<ModificheMovimenti>(*pratica_);
        ctx_.messaggio({.titolo = "Salva con nome",
                        .testo = "Impossibile salvare la pratica in " + destinazione + ": " + errore,
                        .icona = Icona::Critica});
        movimenti_.carica();
        ricalcolo_.riapri();
        return false;
    }
    if (scratch_) {
        fs::remove(vecchio, ec);
        scratch_ = false;
    }
    pratica_ = std::move(nuova);
    modifiche_ = std::make_unique<ModificheMovimenti>(*pratica_); // the edits' history stays with the old file
    nome_ = fs::path(destinazione).stem().string();
    cambiamenti_ = 0;
    movimenti_.carica();
    ricalcolo_.riapri();
    if (salvata) salvata(destinazione);
    return true;
}

bool FinestraPratica::chiusuraConsentita() {
    if (inCorso_) return false;
    if (!modificata()) return true;
    std::string testo = "La pratica \"";
    testo.append(nome_).append("\"").append(testiFinestraPratica::nonSalvata);
    const Risposta r = ctx_.messaggio({.titolo = testiFinestraPratica::titolo,
                                       .testo = testo,
                                       .icona = Icona::Avviso,
                                       .pulsanti = Pulsanti::SiNoAnnulla,
                                       .predefinita = Risposta::Si});
    if (r == Risposta::No) return true;
    return r == Risposta::Si && salvaConNome();
}

void FinestraPratica::iniziaLavoro(std::string descrizione) {
    inCorso_ = true;
    annullato_ = false;
    fatti_ = totale_ = 0;
    inizio_ = std::chrono::steady_clock::now();
    modifica(c_.avanzamento).testo = std::move(descrizione);
}

bool FinestraPratica::avanza(std::size_t fatti, std::size_t totale) {
    fatti_ = fatti;
    totale_ = totale;
    if (!modifica(c_.avanzamento).visibile && std::chrono::steady_clock::now() - inizio_ >= primaDiMostrare) {
        modifica(c_.avanzamento).visibile = true;
        modifica(c_.annullaLavoro).visibile = true;
        modifica(c_.schede).abilitato = false;
    }
    if (modifica(c_.avanzamento).visibile && mostraAvanzamento) mostraAvanzamento();
    return !annullato_;
}

void FinestraPratica::fineLavoro() {
    inCorso_ = false;
    modifica(c_.avanzamento).visibile = false;
    modifica(c_.annullaLavoro).visibile = false;
    modifica(c_.schede).abilitato = true;
    if (annullato_)
        ctx_.messaggio({.titolo = testiFinestraPratica::titolo,
                        .testo = testiFinestraPratica::annullato,
                        .icona = Icona::Informazione});
}

void FinestraPratica::cliccato(int id) {
    if (id == c_.annullaLavoro) {
        annullato_ = inCorso_;
        return;
    }
    if (inCorso_) return; // one work at a time: the screen's other clicks wait for its end
    FinestraComposta::cliccato(id);
}

void FinestraPratica::selezionato(int id) {
    if (id == c_.schede && (*this)[id].selezione == kSchedaScalare && !scalare_.aggiornato() && !inCorso_)
        scalare_.calcola();
    if (id == c_.schede && (*this)[id].selezione == kSchedaRicalcolo && !ricalcolo_.aggiornato() && !inCorso_)
        ricalcolo_.mostra();
    FinestraComposta::selezionato(id);
}

} // namespace vantrel

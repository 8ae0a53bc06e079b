#include "case_window/gestione_pratiche.h"

#include "common/file_sicuro.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string assoluto(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? path : p.string();
}

} // namespace

GestionePratiche::GestionePratiche(Contesto& ctx, OspitePratiche& ospite, std::string cartellaProgramma)
    : ctx_(ctx), ospite_(ospite), cartella_(std::move(cartellaProgramma)) {
    std::ifstream in(fs::path(cartella_) / testiPratiche::fileRecenti);
    for (std::string riga; std::getline(in, riga) && recenti_.size() < kRecenti;)
        if (!riga.empty()) recenti_.push_back(riga);
}

std::unique_ptr<FinestraPratica> GestionePratiche::finestra(std::unique_ptr<Pratica> p, bool nuova, std::string nome) {
    auto f = std::make_unique<FinestraPratica>(ctx_, std::move(p), nuova, std::move(nome));
    f->salvata = [this](const std::string& path) { ricorda(path); };
    return f;
}

void GestionePratiche::nuova() {
    if (!ctx_.servizi.bancheDati) return;
    const fs::path cartella = fs::path(cartella_) / testiPratiche::cartellaNuove;
    std::error_code ec;
    fs::create_directories(cartella, ec);
    for (int n = 1; n < 1000; ++n) {
        const std::string nome = "Nuova pratica " + std::to_string(n);
        const fs::path file = cartella / (nome + ".vantrel");
        if (fs::exists(file, ec)) continue;
        std::string errore;
        auto p = Pratica::crea(*ctx_.servizi.bancheDati, file.string(), errore);
        if (!p) {
            ctx_.messaggio({.titolo = "Nuova pratica",
                            .testo = "Impossibile creare la pratica: " + errore,
                            .icona = Icona::Critica});
            return;
        }
        ospite_.mostra(finestra(std::move(p), true, nome));
        return;
    }
}

void GestionePratiche::apri() {
    if (!ctx_.servizi.file) return;
    const std::string cartella = recenti_.empty() ? std::string() : fs::path(recenti_.front()).parent_path().string();
    if (const auto file = ctx_.servizi.file->apri("*.vantrel", cartella)) apri(*file);
}

bool GestionePratiche::apri(const std::string& path) {
    const std::string file = assoluto(path);
    if (ospite_.primoPiano(file)) return true;
    if (!ctx_.servizi.bancheDati) return false;
    std::string errore;
    auto p = Pratica::apri(*ctx_.servizi.bancheDati, file, errore);
    if (!p) {
        ctx_.messaggio({.titolo = "Apri pratica",
                        .testo = "Impossibile aprire la pratica " + file + ": " + errore,
                        .icona = Icona::Critica});
        dimentica(file);
        return false;
    }
    if (const std::string avviso = p->avviso(); !avviso.empty())
        ctx_.messaggio({.titolo = "Apri pratica", .testo = avviso, .icona = Icona::Informazione});
    ricorda(file);
    ospite_.mostra(finestra(std::move(p), false, {}));
    return true;
}

void GestionePratiche::apriRecente(std::size_t indice) {
    if (indice < recenti_.size()) apri(std::string(recenti_[indice]));
}

void GestionePratiche::salva() {
    if (FinestraPratica* f = ospite_.attiva()) f->salva();
}

void GestionePratiche::salvaConNome() {
    if (FinestraPratica* f = ospite_.attiva()) f->salvaConNome();
}

void GestionePratiche::ricorda(const std::string& path) {
    const std::string file = assoluto(path);
    std::erase(recenti_, file);
    recenti_.insert(recenti_.begin(), file);
    if (recenti_.size() > kRecenti) recenti_.resize(kRecenti);
    scriviRecenti();
}

void GestionePratiche::dimentica(const std::string& path) {
    if (std::erase(recenti_, path) > 0) scriviRecenti();
}

// The list is a convenience: a folder that cannot be written only loses it.
void GestionePratiche::scriviRecenti() {
    std::string testo;
    for (const auto& r : recenti_)
        testo += r + "\n";
    sostituisciFile((fs::path(cartella_) / testiPratiche::fileRecenti).string(), testo, ctx_.servizi.disco);
}

} // namespace vantrel

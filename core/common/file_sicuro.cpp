#include "common/file_sicuro.h"

#include "common/file_esiste.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <random>
#include <vector>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::atomic<Disco*> discoPredefinito{nullptr};

Disco* scelto(Disco* disco) {
    return disco != nullptr ? disco : discoPredefinito.load();
}

void togliFile(const std::string& path) {
    std::error_code ec;
    fs::remove(fs::u8path(path), ec);
}

// The destination a new file was made for, from its name "<destination>.<16 hex digits>.nuovo".
std::optional<std::string_view> destinazioneDi(std::string_view nome) {
    const std::size_t coda = 1 + kCifreFileNuovo + kSuffissoFileNuovo.size();
    if (nome.size() <= coda || !nome.ends_with(kSuffissoFileNuovo)) return std::nullopt;
    const std::string_view cifre = nome.substr(nome.size() - coda + 1, kCifreFileNuovo);
    if (nome[nome.size() - coda] != '.' || cifre.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return std::nullopt;
    return nome.substr(0, nome.size() - coda);
}

// Removes the new files of the folder whose destination `scegli` names, unless a writer still holds
// them: a lock taken at once means that the process that made the file is gone.
void togliAbbandonati(const fs::path& cartella, Disco* disco, const std::function<bool(std::string_view)>& scegli) {
    if (disco == nullptr) return;
    std::error_code ec;
    std::vector<fs::path> trovati;
    for (const auto& e : fs::directory_iterator(cartella.empty() ? fs::path(".") : cartella, ec)) {
        const std::string nome = e.path().filename().string();
        if (const auto d = destinazioneDi(nome); d && scegli(*d)) trovati.push_back(e.path());
    }
    for (const auto& p : trovati) {
        bool occupato = false;
        if (const auto blocco = disco->provaBlocco(p.string(), occupato)) fs::remove(p, ec);
    }
}

} // namespace

void impostaDiscoPredefinito(Disco* disco) {
    discoPredefinito = disco;
}

// Drawn afresh each time, so that two processes, even forked from one, never draw alike.
std::string nomeFileNuovo(const std::string& destinazione) {
    std::random_device rd;
    std::uint64_t v = (static_cast<std::uint64_t>(rd()) << 32) ^ rd();
    std::string s(kCifreFileNuovo, '0');
    for (std::size_t i = kCifreFileNuovo; i-- > 0; v >>= 4)
        s[i] = "0123456789abcdef"[v & 0xF];
    return destinazione + "." + s + std::string(kSuffissoFileNuovo);
}

FileNuovo::FileNuovo(std::string destinazione, Disco* disco, Permessi permessi)
    : destinazione_(std::move(destinazione)), disco_(scelto(disco)) {
    togliFileNuoviAbbandonati(destinazione_, disco_);
    std::error_code ec;
    if (const auto s = fs::status(fs::u8path(destinazione_), ec); !ec && fs::is_regular_file(s))
        permessi_ = s.permissions();
    if (permessi == Permessi::Privati) permessi_ = fs::perms::owner_read | fs::perms::owner_write;
    for (int tentativo = 0; tentativo < 8; ++tentativo) {
        const std::string path = nomeFileNuovo(destinazione_);
        // "x": a file of that name, however unlikely, is never overwritten.
        std::FILE* f = std::fopen(path.c_str(), "wbx");
        if (f == nullptr) {
            if (fileEsiste(path)) continue;
            errore_ = "non è possibile creare il file temporaneo " + path;
            return;
        }
        // Private before its first byte; held before any cleaner can take it for an abandoned one.
        if (permessi == Permessi::Privati) fs::permissions(fs::u8path(path), *permessi_, ec);
        bool occupato = false;
        if (disco_ != nullptr) blocco_ = disco_->provaBlocco(path, occupato);
        if (!blocco_ && occupato) { // taken by a cleaner in the instant between: another name
            std::fclose(f);
            togliFile(path);
            continue;
        }
        // A cleaner may have locked, removed and let go of it between our open and our lock: the
        // lock then holds a file no name leads to.
        if (blocco_ && !fileEsiste(path)) {
            blocco_.reset();
            std::fclose(f);
            continue;
        }
        file_ = f;
        percorso_ = path;
        return;
    }
    errore_ = "non è possibile creare un file temporaneo accanto a " + destinazione_;
}

FileNuovo::~FileNuovo() {
    togli();
}

void FileNuovo::togli() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    if (!percorso_.empty()) togliFile(percorso_);
    percorso_.clear();
    blocco_.reset(); // only once it is gone
}

bool FileNuovo::scrivi(std::string_view byte) {
    if (file_ == nullptr || !scritto_) return false;
    scritto_ = std::fwrite(byte.data(), 1, byte.size(), file_) == byte.size();
    return scritto_;
}

bool FileNuovo::chiudi() {
    bool ok = scritto_;
    if (file_ != nullptr) ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok && (disco_ == nullptr || disco_->sincronizza(percorso_));
}

std::string FileNuovo::sostituisci() {
    if (percorso_.empty()) return errore_;
    if (!chiudi()) {
        const std::string errore = "errore di scrittura su " + percorso_;
        togli();
        return errore;
    }
    std::error_code ec;
    if (permessi_) fs::permissions(fs::u8path(percorso_), *permessi_, ec);
    fs::rename(fs::u8path(percorso_), fs::u8path(destinazione_), ec);
    if (ec) {
        togli();
        return "non è possibile sostituire " + destinazione_;
    }
    percorso_.clear();
    blocco_.reset();
    return {};
}

std::optional<std::string> FileNuovo::lascia() {
    if (percorso_.empty()) return std::nullopt;
    if (!chiudi()) {
        togli();
        return std::nullopt;
    }
    std::string path = std::move(percorso_);
    percorso_.clear();
    blocco_.reset();
    return path;
}

std::optional<std::string> scriviTemporaneo(const std::string& destinazione, std::string_view contenuto, Disco* disco) {
    FileNuovo n(destinazione, disco);
    n.scrivi(contenuto);
    return n.lascia();
}

std::string sostituisciFile(const std::string& path, std::string_view contenuto, Disco* disco, Permessi permessi) {
    FileNuovo n(path, disco, permessi);
    n.scrivi(contenuto);
    return n.sostituisci();
}

std::string sostituisciFile(const std::string& path, const std::function<std::string(const std::string&)>& scrivi) {
    FileNuovo n(path);
    if (n.percorso().empty()) return n.errore();
    if (std::string errore = scrivi(n.percorso()); !errore.empty()) return errore;
    return n.sostituisci();
}

void togliFileNuoviAbbandonati(const std::string& destinazione, Disco* disco) {
    const fs::path d = fs::u8path(destinazione);
    const std::string nome = d.filename().string();
    togliAbbandonati(d.parent_path(), scelto(disco), [&](std::string_view di) { return di == nome; });
}

void togliFileNuoviAbbandonatiInCartella(const std::string& cartella, std::span<const char* const> propri,
                                         Disco* disco) {
    togliAbbandonati(fs::u8path(cartella), scelto(disco), [&](std::string_view di) {
        return std::none_of(propri.begin(), propri.end(), [&](const char* p) { return di == p; });
    });
}

bool rendiPrivato(const std::string& path) {
    std::error_code ec;
    fs::permissions(fs::u8path(path), fs::perms::owner_read | fs::perms::owner_write, ec);
    return !ec;
}

} // namespace vantrel

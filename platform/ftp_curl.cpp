#include "platform/ftp_curl.h"

#include <cstdio>
#include <curl/curl.h>
#include <mutex>

namespace vantrel {
namespace {

CURL* handle(void* p) {
    return static_cast<CURL*>(p);
}

void inizializzaCurl() {
    static std::once_flag fatto;
    std::call_once(fatto, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Destinazione {
    std::FILE* file = nullptr;
    curl_off_t scritti = 0;
};

std::size_t scrivi(char* dati, std::size_t dimensione, std::size_t quanti, void* utente) {
    auto* d = static_cast<Destinazione*>(utente);
    const std::size_t n = dimensione * quanti;
    if (d->file == nullptr) return n; // the login check transfers nothing
    const std::size_t fatti = std::fwrite(dati, 1, n, d->file);
    d->scritti += static_cast<curl_off_t>(fatti);
    return fatti;
}

std::string descrizione(CURLcode codice) {
    switch (codice) {
    case CURLE_LOGIN_DENIED:
        return "accesso al server rifiutato: nome utente o password non validi";
    case CURLE_COULDNT_RESOLVE_HOST:
        return "server dei tassi non trovato";
    case CURLE_COULDNT_CONNECT:
        return "impossibile collegarsi al server dei tassi";
    case CURLE_OPERATION_TIMEDOUT:
        return "il server dei tassi non risponde";
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return "file non presente sul server dei tassi";
    case CURLE_PARTIAL_FILE:
        return "trasferimento interrotto: il file è arrivato incompleto";
    case CURLE_WRITE_ERROR:
        return "impossibile scrivere il file scaricato";
    default:
        return "errore nel collegamento con il server dei tassi";
    }
}

} // namespace

FtpCurl::FtpCurl() {
    inizializzaCurl();
    curl_ = curl_easy_init();
}

FtpCurl::~FtpCurl() {
    if (curl_ != nullptr) curl_easy_cleanup(handle(curl_));
}

void FtpCurl::azzera() {
    if (curl_ != nullptr) curl_easy_cleanup(handle(curl_));
    curl_ = curl_easy_init();
    errore_.clear();
}

void FtpCurl::host(const std::string& nome, int porta) {
    host_ = nome;
    porta_ = porta;
}

void FtpCurl::utente(const std::string& nome) {
    utente_ = nome;
}
void FtpCurl::password(const std::string& parola) {
    password_ = parola;
}

std::string FtpCurl::url(const std::string& file) const {
    std::string out = "ftp://" + host_ + ":" + std::to_string(porta_) + "/";
    if (file.empty()) return out;
    char* escaped = curl_easy_escape(handle(curl_), file.c_str(), static_cast<int>(file.size()));
    if (escaped != nullptr) {
        out += escaped;
        curl_free(escaped);
    }
    return out;
}

bool FtpCurl::esegui(const std::string& indirizzo, void* file, long long attesiPrima) {
    errore_.clear();
    CURL* c = handle(curl_);
    if (c == nullptr) {
        errore_ = "impossibile avviare il client FTP";
        return false;
    }
    char buffer[CURL_ERROR_SIZE] = {};
    Destinazione dest{static_cast<std::FILE*>(file), 0};
    curl_easy_setopt(c, CURLOPT_URL, indirizzo.c_str());
    curl_easy_setopt(c, CURLOPT_USERNAME, utente_.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, password_.c_str());
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(c, CURLOPT_NOBODY, file == nullptr ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &scrivi);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &dest);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, buffer);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, attesa_);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, attesa_);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    const CURLcode codice = curl_easy_perform(c);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, nullptr);
    if (codice != CURLE_OK) {
        errore_ = descrizione(codice) + " (" + (buffer[0] != '\0' ? buffer : curl_easy_strerror(codice)) + ")";
        return false;
    }
    if (file != nullptr) {
        curl_off_t attesi = -1;
        if (curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &attesi) != CURLE_OK || attesi < 0)
            attesi = static_cast<curl_off_t>(attesiPrima);
        if (attesi >= 0 && attesi != dest.scritti) {
            errore_ = descrizione(CURLE_PARTIAL_FILE) + " (" + std::to_string(dest.scritti) + " byte su " +
                      std::to_string(attesi) + ")";
            return false;
        }
    }
    return true;
}

bool FtpCurl::connetti() {
    return esegui(url(""), nullptr);
}

bool FtpCurl::scarica(const std::string& remoto, const std::string& locale) {
    std::FILE* f = std::fopen(locale.c_str(), "wb");
    if (f == nullptr) {
        errore_ = "impossibile creare il file " + locale;
        return false;
    }
    // The size the server gives beforehand tells a whole file from one cut short, even when the
    // server closes the transfer as if it had ended well.
    curl_off_t attesi = -1;
    bool ok = esegui(url(remoto), nullptr);
    if (ok && curl_easy_getinfo(handle(curl_), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &attesi) != CURLE_OK) attesi = -1;
    ok = ok && esegui(url(remoto), f, attesi);
    if (std::fclose(f) != 0 && ok) {
        errore_ = "impossibile scrivere il file " + locale;
        ok = false;
    }
    return ok;
}

} // namespace vantrel

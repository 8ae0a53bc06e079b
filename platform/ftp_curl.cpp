#include "platform/ftp_curl.h"

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

struct Ricezione {
    std::vector<std::uint8_t>* dati;
    std::size_t massimo;
    const std::atomic<bool>* annullato;
    bool troppoGrande = false;
};

std::size_t ricevi(char* dati, std::size_t dimensione, std::size_t quanti, void* utente) {
    auto* r = static_cast<Ricezione*>(utente);
    const std::size_t n = dimensione * quanti;
    if (r->massimo > 0 && r->dati->size() + n > r->massimo) {
        r->troppoGrande = true;
        return 0; // ends the transfer
    }
    r->dati->insert(r->dati->end(), dati, dati + n);
    return n;
}

// Called about once a second even while nothing arrives: the way a cancel reaches the transfer.
int avanzamento(void* utente, curl_off_t totale, curl_off_t, curl_off_t, curl_off_t) {
    auto* r = static_cast<Ricezione*>(utente);
    if (*r->annullato) return 1;
    if (r->massimo > 0 && totale > static_cast<curl_off_t>(r->massimo)) {
        r->troppoGrande = true;
        return 1;
    }
    return 0;
}

std::string descrizione(CURLcode codice, long http, long secondi) {
    switch (codice) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "Server dei tassi non trovato: controllare l'indirizzo nelle Impostazioni e il collegamento a "
               "internet.";
    case CURLE_COULDNT_CONNECT:
        return "Il server dei tassi ha rifiutato il collegamento o non è raggiungibile.";
    case CURLE_OPERATION_TIMEDOUT:
        return "Il server dei tassi non ha completato lo scaricamento entro il tempo massimo di " +
               (secondi == 1 ? std::string("1 secondo") : std::to_string(secondi) + " secondi") + ".";
    case CURLE_LOGIN_DENIED:
        return "Accesso al server dei tassi rifiutato: nome utente o password non validi.";
    case CURLE_PEER_FAILED_VERIFICATION:
        return "Il certificato del server dei tassi non è attendibile: il collegamento è stato interrotto.";
    case CURLE_SSL_CACERT_BADFILE:
        return "Il file dei certificati indicato nelle Impostazioni non è leggibile.";
    case CURLE_SSL_CONNECT_ERROR:
        return "Il collegamento cifrato con il server dei tassi non è riuscito.";
    case CURLE_USE_SSL_FAILED:
        return "Il server dei tassi non offre un collegamento cifrato (TLS). L'FTP senza cifratura va consentito "
               "esplicitamente nelle Impostazioni.";
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return "File non presente sul server dei tassi.";
    case CURLE_REMOTE_ACCESS_DENIED:
        return "Il server dei tassi non consente di leggere il file.";
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
        return "Trasferimento interrotto: il file è arrivato incompleto.";
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return "L'indirizzo del server dei tassi non è valido: controllarlo nelle Impostazioni.";
    case CURLE_HTTP_RETURNED_ERROR:
        if (http == 404 || http == 410) return "File non presente sul server dei tassi.";
        if (http == 401 || http == 403) return "Accesso al file sul server dei tassi rifiutato.";
        return "Il server dei tassi ha risposto con un errore (HTTP " + std::to_string(http) + ").";
    default:
        return "Errore nel collegamento con il server dei tassi.";
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
    annullato_ = false;
}

EsitoTrasferimento FtpCurl::scarica(const Trasferimento& t) {
    EsitoTrasferimento e;
    CURL* c = handle(curl_);
    if (c == nullptr) {
        e.errore = "Impossibile avviare il collegamento di rete.";
        return e;
    }
    curl_easy_reset(c); // options only: the open connection stays for the next file
    char buffer[CURL_ERROR_SIZE] = {};
    Ricezione r{&e.dati, t.byteMassimi, &annullato_};
    curl_easy_setopt(c, CURLOPT_URL, t.url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp,ftps,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    if (!t.utente.empty() || !t.password.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, t.utente.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, t.password.c_str());
    }
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(t.tlsObbligatorio ? CURLUSESSL_ALL : CURLUSESSL_TRY));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!t.certificati.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, t.certificati.c_str());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &ricevi);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &r);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &avanzamento);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &r);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, buffer);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, t.millisecondiMassimi);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    const CURLcode codice = annullato_ ? CURLE_ABORTED_BY_CALLBACK : curl_easy_perform(c);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, nullptr);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, nullptr);
    if (codice == CURLE_OK) {
        e.stato = EsitoTrasferimento::Stato::Ok;
        return e;
    }
    e.dati.clear();
    long http = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &http);
    e.dettagli = std::string(curl_easy_strerror(codice)) + " (libcurl " + std::to_string(static_cast<int>(codice)) +
                 ")" + (buffer[0] != '\0' ? std::string(": ") + buffer : std::string()) + "\nIndirizzo: " + t.url;
    if (annullato_) {
        e.stato = EsitoTrasferimento::Stato::Annullato;
        e.errore = "Scaricamento annullato.";
    } else if (r.troppoGrande) {
        e.errore = "Il file sul server dei tassi è più grande del previsto (oltre " + std::to_string(t.byteMassimi) +
                   " byte): non è un set di tassi.";
    } else {
        e.errore = descrizione(codice, http, (t.millisecondiMassimi + 999) / 1000);
    }
    return e;
}

} // namespace vantrel

#include "rates/scarica_set.h"

#include "common/testo.h"
#include "rates/verifica_set.h"

#include <algorithm>
#include <chrono>

namespace vantrel {
namespace {

// The host (and port) of a URL, as the status line names it.
std::string hostDi(const std::string& url) {
    const auto da = url.find("://");
    const std::size_t inizio = da == std::string::npos ? 0 : da + 3;
    return url.substr(inizio, url.find('/', inizio) - inizio);
}

// An address over plain HTTP: rates and password would travel unencrypted and unchecked.
bool inChiaro(std::string_view indirizzo) {
    std::string schema(trim(indirizzo).substr(0, 7));
    for (char& c : schema)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return schema == "http://";
}

// One transfer from the rate server, within what is left of the whole download's time.
Trasferimento trasferimento(const ServerTassi& server, std::chrono::steady_clock::time_point scadenza,
                            const std::string& url, std::size_t massimo) {
    Trasferimento t;
    t.url = url;
    t.utente = server.utente;
    t.password = server.password;
    t.tlsObbligatorio = !server.ftpSenzaTls;
    t.certificati = server.certificati;
    const auto resto =
        std::chrono::duration_cast<std::chrono::milliseconds>(scadenza - std::chrono::steady_clock::now());
    t.millisecondiMassimi = std::max<long>(1, static_cast<long>(resto.count()));
    t.byteMassimi = massimo;
    return t;
}

// The public rate files in `cartella` of the server, each kept when it reads whole; a file the server
// does not hold is no error. False when the user cancelled, with `e` saying so.
bool datiPubbliciDalServer(const std::function<EsitoTrasferimento(const std::string&, std::size_t)>& fai,
                           const std::string& cartella, const VerificaDatiPubblici& verifica,
                           const std::function<void(const std::string&)>& stato, EsitoScaricamento& e) {
    for (const char* nome : kFileDatiPubblici) {
        if (stato) stato(std::string("Scaricamento di ") + nome + " da " + hostDi(cartella) + "...");
        EsitoTrasferimento f = fai(cartella + nome, kByteMassimiDatiPubblici);
        if (f.stato == EsitoTrasferimento::Stato::Annullato) {
            e.stato = EsitoScaricamento::Stato::Annullato;
            e.errore = std::move(f.errore);
            e.dettagli = std::move(f.dettagli);
            return false;
        }
        if (f.stato != EsitoTrasferimento::Stato::Ok) continue; // the server does not hold it
        std::string testo(f.dati.begin(), f.dati.end());
        if (const std::string perche = verifica.verifica(nome, testo); !perche.empty())
            e.avvisi.push_back(std::string(nome) + " del server non è valido (" + perche + "): resta quello presente.");
        else
            e.datiPubblici.emplace_back(nome, std::move(testo));
    }
    return true;
}

} // namespace

EsitoScaricamento scaricaSetTassi(ClientRete& rete, const ServerTassi& server, const ConvertitoreSerie& converti,
                                  const std::function<void(const std::string&)>& stato,
                                  const VerificaDatiPubblici* datiPubblici) {
    const auto scadenza = std::chrono::steady_clock::now() + std::chrono::seconds(server.secondiMassimi);
    const auto fai = [&](const std::string& url, std::size_t massimo) {
        return rete.scarica(trasferimento(server, scadenza, url, massimo));
    };
    EsitoScaricamento e;
    if (inChiaro(server.indirizzo)) {
        e.errore = "Il server dei tassi deve usare una connessione cifrata (https): l'indirizzo " +
                   std::string(trim(server.indirizzo)) + " non la usa.";
        return e;
    }
    const auto esitoDi = [&](EsitoTrasferimento& r) {
        e.stato = r.stato == EsitoTrasferimento::Stato::Annullato ? EsitoScaricamento::Stato::Annullato
                                                                  : EsitoScaricamento::Stato::Errore;
        e.errore = std::move(r.errore);
        e.dettagli = std::move(r.dettagli);
        return e;
    };
    std::string errore;
    std::string cartella; // where the public rate files would stand on the server
    if (server.tipo == TipoServer::Ftp) {
        const std::string base = urlServerFtp(server.indirizzo);
        cartella = base;
        const std::string dove = " da " + hostDi(base) + (server.ftpSenzaTls ? " (FTP senza cifratura)..." : "...");
        if (stato) stato(std::string("Scaricamento di ") + kFileTassi + dove);
        EsitoTrasferimento dati = fai(base + kFileTassi, kByteMassimiDati);
        if (dati.stato != EsitoTrasferimento::Stato::Ok) return esitoDi(dati);
        if (stato) stato(std::string("Scaricamento di ") + kFileNumeroTassi + dove);
        EsitoTrasferimento numero = fai(base + kFileNumeroTassi, kByteMassimiNumero);
        if (numero.stato != EsitoTrasferimento::Stato::Ok) return esitoDi(numero);
        auto t = leggiSetTassi(dati.dati, numero.dati, errore);
        if (!t) {
            e.errore = "Il set di tassi scaricato non è valido: " + errore + ".";
            return e;
        }
        e.tabella = std::move(*t);
    } else {
        const std::string url = urlServerHttps(server.indirizzo);
        cartella = url.substr(0, url.rfind('/') + 1);
        if (stato) stato("Scaricamento della serie ufficiale dei tassi da " + hostDi(url) + "...");
        EsitoTrasferimento zip = fai(url, kByteMassimiSerie);
        if (zip.stato != EsitoTrasferimento::Stato::Ok) return esitoDi(zip);
        if (!converti) {
            e.errore = "Questa versione del programma non sa leggere la serie ufficiale dei tassi.";
            return e;
        }
        if (!converti(zip.dati, e.tabella, errore)) {
            e.errore = "Il file scaricato non è una serie dei tassi leggibile: " + errore + ".";
            return e;
        }
    }
    if (datiPubblici != nullptr && !datiPubbliciDalServer(fai, cartella, *datiPubblici, stato, e)) return e;
    e.stato = EsitoScaricamento::Stato::Ok;
    return e;
}

} // namespace vantrel

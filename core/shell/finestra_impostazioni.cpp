#include "shell/finestra_impostazioni.h"

#include "common/cp1252.h"
#include "common/numeri.h"
#include "common/testo.h"
#include "rates/server_tassi.h"
#include "shell/impostazioni.h"

#include <algorithm>
#include <array>

namespace vantrel {
namespace {

std::string senzaSpazi(std::string s) {
    std::erase(s, ' ');
    return s;
}

// The items of TipoServer, in the order of TipoServer.
constexpr const char* kTipiServer[] = {"HTTPS - serie ufficiale (file zip)", "FTP - set di tassi (due file)"};

// The first character of a text that Windows-1252 cannot hold, empty when there is none.
std::string nonRappresentabile(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 0xF0)
            n = 4;
        else if (b >= 0xE0)
            n = 3;
        else if (b >= 0xC0)
            n = 2;
        const std::string c = utf8.substr(i, n);
        if (daCp1252AUtf8(daUtf8ACp1252(c)) != c) return c;
        i += n;
    }
    return {};
}

} // namespace

const Schema& FinestraImpostazioni::schemaForm23() {
    static const Schema s = [] {
        Schema sc("Form23", "Impostazioni");
        aggiungi(sc, ControlliImpostazioni::kRighe);
        sc.ordineTab(ordineTab(ControlliImpostazioni::kRighe));
        return sc;
    }();
    return s;
}

FinestraImpostazioni::FinestraImpostazioni(Contesto& ctx)
    : Finestra(schemaForm23()), ctx_(ctx), c_(controlli<ControlliImpostazioni>(schema())) {
    leggiImpostazioni(ctx_.stato); // reading errors leave the records as they were
    modifica(c_.tipoServer).voci.assign(std::begin(kTipiServer), std::end(kTipiServer));
    mostraRecord();
    daiFuoco(c_.decimali);
}

void FinestraImpostazioni::mostraRecord() {
    const ImpostaRecord& imp = ctx_.stato.imposta;
    const OpzStampaRecord& opz = ctx_.stato.opzStampa;
    imposta(c_.decimali, std::to_string(imp.decimali()));
    imposta(c_.nomeUtente, testoCampo(imp.utente()));
    imposta(c_.password, testoCampo(imp.password()));
    imposta(c_.righeVerticale, std::to_string(opz.righeVerticale()));
    imposta(c_.righeOrizzontale, std::to_string(opz.righeOrizzontale()));
    const bool vert = opz.orientamento() == "1";
    modifica(c_.verticale).selezionato = vert;
    modifica(c_.orizzontale).selezionato = !vert;
    modifica(c_.accessoConPassword).selezionato = imp.accesso() == -1;
    modifica(c_.divisoreSempre365).selezionato = imp.divisoreSempre365();
    modifica(c_.divisoreBisestile).selezionato = !imp.divisoreSempre365();
    modifica(c_.cmsSeparata).selezionato = !imp.cmsNelTeg();
    modifica(c_.cmsNelTeg).selezionato = imp.cmsNelTeg();

    server_ = leggiServerTassi(ctx_.stato.cartellaDati);
    selezionaVoce(c_.tipoServer, server_.tipo == TipoServer::Ftp ? 1 : 0);
    imposta(c_.indirizzoServer, server_.indirizzo);
    imposta(c_.utenteServer, server_.utente);
    imposta(c_.passwordServer, server_.password);
    modifica(c_.ftpSenzaTls).selezionato = server_.ftpSenzaTls;
    imposta(c_.certificati, server_.certificati);
}

std::optional<std::string> FinestraImpostazioni::tasto(int id, const Battuta& b) {
    const std::string_view t = b.tasto;
    if (id == c_.decimali) {
        if (t == "\r") {
            daiFuoco(c_.nomeUtente);
            return std::nullopt;
        }
        if (t == "\b" || (t.size() == 1 && t[0] >= '0' && t[0] <= '3')) return std::string(t);
        return std::nullopt;
    }
    if (id == c_.nomeUtente && t == "\r") {
        daiFuoco(c_.password);
        return std::nullopt;
    }
    return Finestra::tasto(id, b); // Enter in PassW and elsewhere is swallowed
}

void FinestraImpostazioni::cliccato(int id) {
    if (id == c_.salva)
        salvaImpostazioni();
    else if (id == c_.esci)
        chiudi();
}

std::optional<std::array<std::int16_t, 3>> FinestraImpostazioni::numeriLetti() {
    struct Campo {
        int id;
        const char* nome;
        std::int16_t letto;
    };
    const ImpostaRecord& letto = ctx_.stato.imposta;
    const OpzStampaRecord& lettoOpz = ctx_.stato.opzStampa;
    const Campo campi[] = {{c_.decimali, "nr. decimali", letto.decimali()},
                           {c_.righeOrizzontale, "righe per pagina (orizzontale)", lettoOpz.righeOrizzontale()},
                           {c_.righeVerticale, "righe per pagina (verticale)", lettoOpz.righeVerticale()}};
    std::array<std::int16_t, 3> valori{};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto v = leggiIntero16(senzaSpazi(testo(campi[k].id)));
        if (!v) {
            ctx_.messaggio({.titolo = "ATTENZIONE",
                            .testo = std::string("Il campo \"") + campi[k].nome +
                                     "\" richiede un numero intero compreso tra -32768 e 32767: viene ripristinato "
                                     "il valore precedente.",
                            .icona = Icona::Avviso});
            imposta(campi[k].id, std::to_string(campi[k].letto));
            daiFuoco(campi[k].id);
            return std::nullopt;
        }
        valori[k] = *v;
    }
    return valori;
}

bool FinestraImpostazioni::accessoConservabile() {
    // The login name and password live in a Windows-1252 record: a character it cannot hold would
    // come back as "?" and lock the user out at the next start.
    for (const auto& [campo, nome] :
         {std::pair{c_.nomeUtente, "Il nome utente"}, std::pair{c_.password, "La password"}}) {
        const std::string c = nonRappresentabile(testo(campo));
        if (c.empty()) continue;
        ctx_.messaggio({.titolo = "ATTENZIONE",
                        .testo = std::string(nome) + " contiene il carattere \"" + c +
                                 "\", che il file delle impostazioni non può conservare: usare lettere, cifre e "
                                 "segni comuni. Le impostazioni non sono state salvate.",
                        .icona = Icona::Avviso});
        daiFuoco(campo);
        return false;
    }
    return true;
}

std::optional<ServerTassi> FinestraImpostazioni::serverScelto() {
    ServerTassi server = server_;
    server.tipo = (*this)[c_.tipoServer].selezione == 1 ? TipoServer::Ftp : TipoServer::Https;
    server.indirizzo = std::string(trim(testo(c_.indirizzoServer)));
    server.utente = testo(c_.utenteServer);
    server.password = testo(c_.passwordServer);
    server.ftpSenzaTls = modifica(c_.ftpSenzaTls).selezionato;
    server.certificati = std::string(trim(testo(c_.certificati)));
    if (server.ftpSenzaTls && !server_.ftpSenzaTls &&
        ctx_.messaggio({.titolo = "ATTENZIONE",
                        .testo = "Con l'FTP senza cifratura nome utente, password e tassi viaggiano in chiaro e "
                                 "possono essere letti o alterati lungo la rete. Consentirlo solo per un server "
                                 "della propria rete. Confermi?",
                        .icona = Icona::Avviso,
                        .pulsanti = Pulsanti::OkAnnulla,
                        .predefinita = Risposta::Annulla}) != Risposta::Ok) {
        daiFuoco(c_.ftpSenzaTls);
        return std::nullopt;
    }
    return server;
}

bool FinestraImpostazioni::salvaImpostazioni() {
    const auto valori = numeriLetti();
    if (!valori || !accessoConservabile()) return false;
    const auto server = serverScelto();
    if (!server) return false;

    ImpostaRecord& imp = ctx_.stato.imposta;
    OpzStampaRecord& opz = ctx_.stato.opzStampa;
    imp.primoCampo("0");
    imp.decimali((*valori)[0]);
    imp.utente(testo(c_.nomeUtente));
    imp.password(testo(c_.password));
    imp.accesso(modifica(c_.accessoConPassword).selezionato ? -1 : 0);
    imp.divisoreSempre365((*this)[c_.divisoreSempre365].selezionato);
    imp.cmsNelTeg(modifica(c_.cmsNelTeg).selezionato);
    opz.righeOrizzontale((*valori)[1]);
    opz.righeVerticale((*valori)[2]);
    opz.orientamento(modifica(c_.verticale).selezionato ? "1" : "2");
    const bool scritti = scriviImpostazioni(ctx_.stato) && scriviServerTassi(ctx_.stato.cartellaDati, *server);
    scegliMaschera(ctx_.stato, (*valori)[0]);
    if (!scritti)
        ctx_.messaggio({.titolo = "ATTENZIONE",
                        .testo = "Impossibile scrivere le impostazioni nella cartella " + ctx_.stato.cartellaDati,
                        .icona = Icona::Critica});
    chiudi();
    return scritti;
}

} // namespace vantrel

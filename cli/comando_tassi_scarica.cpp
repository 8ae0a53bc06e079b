#include "comando_tassi_scarica.h"

#include "common/testo.h"
#include "comune.h"
#include "platform/connessione.h"
#include "platform/ftp_curl.h"
#include "rate_windows/usurari.h"

#include <ostream>

namespace vantrel::cli {
namespace {

// The kind of server an address names by its scheme: FTP for ftp:// and ftps://, HTTPS otherwise
// (a plain http:// address is refused by the download itself, saying why).
ServerTassi conIndirizzo(ServerTassi s, const std::string& indirizzo) {
    s.indirizzo = indirizzo;
    const std::string_view u = trim(indirizzo);
    s.tipo = u.starts_with("ftp://") || u.starts_with("ftps://") ? TipoServer::Ftp : TipoServer::Https;
    return s;
}

// The boxes of the download, kept; the question before the update is answered yes, since nothing is
// ever removed.
class Risposte : public ServizioMessaggi {
public:
    Risposta mostra(const Messaggio& m) override {
        mostrati.push_back(m);
        return Risposta::Ok;
    }
    std::vector<Messaggio> mostrati;
};

} // namespace

int comandoTassiScarica(const std::string& cartella, const std::optional<std::string>& indirizzo, std::ostream& out,
                        std::ostream& err) {
    OpzioniComuni opzioni;
    opzioni.cartella = cartella;
    Sessione s(opzioni);
    FtpCurl rete;
    ConnessioneDiSistema connessione;
    s.ctx.servizi.rete = &rete;
    s.ctx.servizi.connessione = &connessione;
    Risposte risposte;
    s.ctx.servizi.messaggi = &risposte;
    ServerTassi server = leggiServerTassi(s.ctx.stato.cartellaDati);
    if (indirizzo) server = conIndirizzo(server, *indirizzo);
    Usurari u(s.ctx, server);
    u.clicca(controlli<ControlliTassi>(u.schema()).scarica);
    bool rifiutato = false;
    for (const Messaggio& m : risposte.mostrati) {
        if (m.pulsanti == Pulsanti::OkAnnulla) {
            out << m.testo << "\n(risposta: OK)\n";
            continue;
        }
        rifiutato = true;
        err << "vantrel-cli tassi: " << m.testo << (m.dettagli.empty() ? "" : " (" + m.dettagli + ")") << "\n";
    }
    out << u.testo(controlli<ControlliTassi>(u.schema()).stato) << "\n";
    return rifiutato ? kInputErrato : kOk;
}

} // namespace vantrel::cli

#include "rates/server_tassi.h"

#include "common/file_esiste.h"
#include "common/file_sicuro.h"
#include "common/testo.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vantrel {
namespace {

// A value on one line: line breaks of a pasted text are dropped.
std::string suUnaRiga(std::string s) {
    std::erase(s, '\r');
    std::erase(s, '\n');
    return s;
}

bool conSchema(const std::string& s) {
    return s.find("://") != std::string::npos;
}

} // namespace

ServerTassi leggiServerTassi(const std::string& cartella) {
    ServerTassi s;
    const std::string file = percorso(cartella, kFileServerTassi);
    std::ifstream in(std::filesystem::u8path(file), std::ios::binary);
    if (in) rendiPrivato(file); // one an older version wrote readable by all is made private
    std::string riga;
    while (std::getline(in, riga)) {
        if (riga.ends_with('\r')) riga.pop_back();
        const auto uguale = riga.find('=');
        if (uguale == std::string::npos) continue;
        const std::string nome(trim(std::string_view(riga).substr(0, uguale)));
        const std::string valore = riga.substr(uguale + 1);
        if (nome == "tipo")
            s.tipo = valore == "ftp" ? TipoServer::Ftp : TipoServer::Https;
        else if (nome == "indirizzo")
            s.indirizzo = std::string(trim(valore));
        else if (nome == "utente")
            s.utente = valore;
        else if (nome == "password")
            s.password = valore;
        else if (nome == "ftp_senza_tls")
            s.ftpSenzaTls = valore == "1";
        else if (nome == "certificati")
            s.certificati = std::string(trim(valore));
        else if (nome == "secondi_massimi" && !valore.empty() &&
                 valore.find_first_not_of("0123456789") == std::string::npos && valore.size() <= 5)
            s.secondiMassimi = std::max(1, std::stoi(valore));
    }
    return s;
}

bool scriviServerTassi(const std::string& cartella, const ServerTassi& s) {
    std::ostringstream o;
    o << "tipo=" << (s.tipo == TipoServer::Ftp ? "ftp" : "https") << '\n'
      << "indirizzo=" << suUnaRiga(s.indirizzo) << '\n'
      << "utente=" << suUnaRiga(s.utente) << '\n'
      << "password=" << suUnaRiga(s.password) << '\n'
      << "ftp_senza_tls=" << (s.ftpSenzaTls ? 1 : 0) << '\n'
      << "certificati=" << suUnaRiga(s.certificati) << '\n'
      << "secondi_massimi=" << s.secondiMassimi << '\n';
    // It holds the server's password, in plain text: for its owner's eyes only.
    return sostituisciFile(percorso(cartella, kFileServerTassi), o.str(), nullptr, Permessi::Privati).empty();
}

std::string urlServerFtp(const std::string& indirizzo) {
    std::string u(trim(indirizzo));
    if (!conSchema(u)) u = "ftp://" + u;
    if (!u.ends_with('/')) u += '/';
    return u;
}

std::string urlServerHttps(const std::string& indirizzo) {
    const std::string u(trim(indirizzo));
    return conSchema(u) ? u : "https://" + u;
}

} // namespace vantrel

#include "comando_script.h"

#include "common/testo.h"
#include "comune.h"
#include "finestre.h"
#include "platform/connessione.h"
#include "platform/ftp_curl.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace vantrel::cli {
namespace {

using nlohmann::json;

struct ErroreScript {
    std::string messaggio;
};

// The online check of a script that asks for the machine to be offline.
class Offline : public StatoConnessione {
public:
    bool connessioneAttiva() override { return false; }
};

// An FTP server given by host and port, or any server by "tipo" ("ftp" or "https") and "indirizzo".
ServerTassi leggiServer(const json& j) {
    if (!j.is_object()) throw ErroreScript{"\"server\" deve essere un oggetto"};
    ServerTassi s;
    const std::string host = j.value("host", std::string());
    s.tipo =
        j.value("tipo", std::string(host.empty() ? "https" : "ftp")) == "ftp" ? TipoServer::Ftp : TipoServer::Https;
    s.indirizzo =
        host.empty() ? j.value("indirizzo", std::string()) : host + ":" + std::to_string(j.value("porta", 21));
    s.utente = j.value("utente", std::string());
    s.password = j.value("password", std::string());
    s.ftpSenzaTls = j.value("senza_tls", false);
    s.certificati = j.value("certificati", std::string());
    if (s.indirizzo.empty()) throw ErroreScript{"\"server\" senza \"host\" né \"indirizzo\""};
    return s;
}

// Splits a text into the keys typed one by one: UTF-8 characters, "\r" or "\n" for Enter, "\b" for Backspace.
std::vector<std::string> tasti(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t len = 1;
        const auto b = static_cast<unsigned char>(s[i]);
        if (b >= 0xF0)
            len = 4;
        else if (b >= 0xE0)
            len = 3;
        else if (b >= 0xC0)
            len = 2;
        std::string k = s.substr(i, len);
        if (k == "\n") k = "\r";
        out.push_back(k);
        i += len;
    }
    return out;
}

std::optional<Tasto> tastoDi(const std::string& nome) {
    static const std::pair<const char*, Tasto> nomi[] = {
        {"Home", Tasto::Home},           {"End", Tasto::Fine},    {"Left", Tasto::Sinistra}, {"Right", Tasto::Destra},
        {"Backspace", Tasto::Backspace}, {"Delete", Tasto::Canc}, {"Enter", Tasto::Invio},   {"Tab", Tasto::Tab}};
    for (const auto& [n, t] : nomi)
        if (nome == n) return t;
    return std::nullopt;
}

void esegui(Finestra& w, const json& passo, std::size_t n) {
    const auto errore = [n](const std::string& testo) {
        return ErroreScript{"passo " + std::to_string(n) + ": " + testo};
    };
    if (!passo.is_object() || passo.size() != 1) throw errore("ogni passo è un oggetto con una sola azione");
    const auto it = passo.begin();
    const std::string azione = it.key();
    const json& arg = it.value();
    const auto nomeControllo = [&](const json& v) {
        if (!v.is_string()) throw errore("il nome del controllo deve essere un testo");
        const std::string c = v.get<std::string>();
        if (w.schema().trova(c) < 0)
            throw errore("la finestra " + w.schema().finestra() + " non ha il controllo " + citazione(c));
        return c;
    };
    const auto coppia = [&]() {
        if (!arg.is_array() || arg.size() != 2) throw errore(citazione(azione) + " vuole [CONTROLLO, VALORE]");
        return nomeControllo(arg[0]);
    };
    if (azione == "digita") {
        const std::string c = coppia();
        if (!arg[1].is_string()) throw errore("il testo deve essere una stringa");
        for (const auto& k : tasti(arg[1].get<std::string>()))
            w.digita(c, k);
    } else if (azione == "imposta") {
        const std::string c = coppia();
        if (!arg[1].is_string()) throw errore("il testo deve essere una stringa");
        w.incolla(c, arg[1].get<std::string>());
    } else if (azione == "esci") {
        w.esci(nomeControllo(arg));
    } else if (azione == "clicca") {
        w.clicca(nomeControllo(arg));
    } else if (azione == "sopra") {
        w.sopra(nomeControllo(arg));
    } else if (azione == "selezione") {
        if (!arg.is_array() || arg.size() != 3 || !arg[1].is_number_integer() || !arg[2].is_number_integer() ||
            arg[1].get<int>() < 0 || arg[2].get<int>() < 0)
            throw errore("\"selezione\" vuole [CONTROLLO, INIZIO, LUNGHEZZA] con interi non negativi");
        const int inizio = arg[1].get<int>();
        w.selezionaTesto(nomeControllo(arg[0]), inizio + arg[2].get<int>(), inizio);
    } else if (azione == "tasto") {
        const std::string c = coppia();
        const auto t = arg[1].is_string() ? tastoDi(arg[1].get<std::string>()) : std::nullopt;
        if (!t) throw errore("tasto sconosciuto (Home, End, Left, Right, Backspace, Delete, Enter, Tab)");
        w.premi(c, *t);
    } else if (azione == "seleziona" || azione == "doppioclic") {
        const std::string c = coppia();
        if (!arg[1].is_number_integer()) throw errore("l'indice deve essere un intero");
        const int i = arg[1].get<int>();
        if (azione == "seleziona")
            w.seleziona(c, i);
        else
            w.doppioClic(c, i);
    } else {
        throw errore("azione sconosciuta " + citazione(azione));
    }
}

// The answers to the question boxes and file dialogs, in order.
void leggiRisposte(const json& elenco, RisposteProgrammate& risposte) {
    if (!elenco.is_array()) throw ErroreScript{"\"risposte\" deve essere un elenco"};
    for (const auto& r : elenco) {
        if (r.is_object() && r.contains("file") && r["file"].is_string())
            risposte.aggiungi(r["file"].get<std::string>());
        else if (r == "OK")
            risposte.aggiungi(Risposta::Ok);
        else if (r == "Cancel" || r == "Annulla")
            risposte.aggiungi(Risposta::Annulla);
        else
            throw ErroreScript{"risposta non valida: " + r.dump()};
    }
}

json stato(Finestra& w, const RisposteProgrammate& r) {
    json campi = json::object(), liste = json::object(), messaggi = json::array();
    const Schema& s = w.schema();
    for (std::size_t i = 0; i < s.dimensione(); ++i) {
        const auto& d = s.definizione(static_cast<int>(i));
        const Controllo& c = w[static_cast<int>(i)];
        campi[d.nome] = {{"testo", c.testo},
                         {"visibile", c.visibile},
                         {"abilitato", c.abilitato},
                         {"cursore", c.cursore},
                         {"selezione", {c.inizioSelezione, c.lunghezzaSelezione}}};
        if (d.tipo == Tipo::Lista || d.tipo == Tipo::Combo) liste[d.nome] = c.voci;
    }
    for (const auto& m : r.mostrati())
        messaggi.push_back({{"titolo", m.titolo}, {"testo", m.testo}});
    const int help = s.trova("HELP");
    return {{"campi", campi}, {"liste", liste}, {"messaggi", messaggi}, {"HELP", help >= 0 ? w[help].testo : ""}};
}

} // namespace

int comandoScript(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (prendiFlag(args, "--help")) {
        out << "Uso: vantrel-cli script FILE.json [--cartella DIR] [--oggi gg/mm/aaaa]\n"
               "Esegue una sessione programmata su una finestra e stampa lo stato finale in JSON.\n";
        return kOk;
    }
    OpzioniComuni opz;
    if (!leggiOpzioniComuni(args, opz, err)) return kUso;
    if (args.size() != 1 || args[0].starts_with("--")) {
        err << "vantrel-cli script: indicare un solo file JSON\n";
        return kUso;
    }
    const std::string file = args[0];
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        err << "vantrel-cli script: impossibile leggere il file " << file << "\n";
        return kUso;
    }
    json script;
    try {
        script = json::parse(in);
    } catch (const json::parse_error& e) {
        err << "vantrel-cli script: " << file << ": JSON non valido (" << e.what() << ")\n";
        return kInputErrato;
    }
    try {
        if (!script.is_object() || !script.contains("finestra") || !script["finestra"].is_string())
            throw ErroreScript{"manca \"finestra\""};
        Sessione s(opz);
        if (script.contains("risposte")) leggiRisposte(script["risposte"], s.risposte);
        FtpCurl rete;
        ConnessioneDiSistema connessione;
        Offline offline;
        s.ctx.servizi.rete = &rete;
        s.ctx.servizi.connessione = script.value("online", true) ? static_cast<StatoConnessione*>(&connessione)
                                                                 : static_cast<StatoConnessione*>(&offline);
        std::optional<ServerTassi> server;
        if (script.contains("server")) server = leggiServer(script["server"]);
        const std::string nome = script["finestra"].get<std::string>();
        auto w = creaFinestra(nome, s.ctx, server);
        if (!w) throw ErroreScript{"finestra sconosciuta " + citazione(nome)};
        if (script.contains("passi")) {
            if (!script["passi"].is_array()) throw ErroreScript{"\"passi\" deve essere un elenco"};
            std::size_t n = 0;
            for (const auto& p : script["passi"])
                esegui(*w, p, ++n);
        }
        out << stato(*w, s.risposte).dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    } catch (const ErroreScript& e) {
        err << "vantrel-cli script: " << file << ": " << e.messaggio << "\n";
        return kInputErrato;
    } catch (const json::exception& e) {
        err << "vantrel-cli script: " << file << ": " << e.what() << "\n";
        return kInputErrato;
    }
    return kOk;
}

} // namespace vantrel::cli

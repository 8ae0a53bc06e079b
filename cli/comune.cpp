#include "comune.h"

#include "rates/set_tassi.h"
#include "shell/cartella_programma.h"
#include "shell/impostazioni.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace vantrel::cli {

bool prendiValore(std::vector<std::string>& args, const std::string& nome, std::optional<std::string>& valore) {
    const auto it = std::find(args.begin(), args.end(), nome);
    if (it == args.end()) return true;
    if (it + 1 == args.end()) return false;
    valore = *(it + 1);
    args.erase(it, it + 2);
    return true;
}

bool prendiFlag(std::vector<std::string>& args, const std::string& nome) {
    const auto it = std::find(args.begin(), args.end(), nome);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

std::string cartellaPredefinita() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return cartellaProgramma(exe.parent_path()).cartella.string();
}

bool leggiOpzioniComuni(std::vector<std::string>& args, OpzioniComuni& o, std::ostream& err) {
    std::optional<std::string> cartella, oggi;
    if (!prendiValore(args, "--cartella", cartella) || !prendiValore(args, "--oggi", oggi)) {
        err << "vantrel-cli: manca il valore dell'opzione --cartella o --oggi\n";
        return false;
    }
    o.cartella = cartella ? *cartella : cartellaPredefinita();
    if (oggi) {
        o.oggi = leggiData(*oggi);
        if (!o.oggi) {
            err << "vantrel-cli: data non valida per --oggi: " << *oggi << " (usare gg/mm/aaaa)\n";
            return false;
        }
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(o.cartella, ec)) {
        err << "vantrel-cli: la cartella del programma non esiste: " << o.cartella << "\n";
        return false;
    }
    return true;
}

Sessione::Sessione(const OpzioniComuni& o) : orologio(o.oggi ? *o.oggi : OrologioDiSistema().oggi()) {
    std::string cartella = o.cartella;
    if (!cartella.empty() && cartella.back() != '/') cartella += '/';
    ctx.stato.cartellaDati = cartella;
    ctx.stato.cartellaReport = cartella;
    ctx.servizi.messaggi = &risposte;
    ctx.servizi.file = &risposte;
    ctx.servizi.orologio = &orologio;
    ctx.servizi.disco = &disco;
    ctx.servizi.zip = &zip;
    ctx.servizi.datiPubblici = &datiPubblici;
    togliFileNuoviDelProgramma(cartella, &disco);
    leggiImpostazioni(ctx.stato);
    scegliMaschera(ctx.stato, ctx.stato.imposta.decimali());
}

} // namespace vantrel::cli

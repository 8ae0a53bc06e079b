// vantrel-cli pratica: the case file from the command line. The subcommands "crea" and
// "condizioni" are here, the others in comando_pratica_*.cpp.
#include "account/importa_condizioni.h"
#include "comune.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "platform/xlsx/lettore_xlsx_file.h"
#include "pratica_cli.h"
#include "scelte_cli.h"

#include <filesystem>
#include <ostream>

namespace vantrel::cli {
namespace {

constexpr const char* kAiuto =
    "Uso: vantrel-cli pratica crea FILE.vantrel [--cliente NOME] [--banca NOME] [--conto NUMERO]\n"
    "                     [--saldo-iniziale IMPORTO] [--inizio gg/mm/aaaa]\n"
    "       vantrel-cli pratica importa-movimenti FILE.vantrel MOVIMENTI.csv|.xlsx [--anteprima]\n"
    "                     [--anche-doppi]\n"
    "       vantrel-cli pratica condizioni FILE.vantrel [CONDIZIONI.csv]\n"
    "       vantrel-cli pratica parole FILE.vantrel [PAROLE.csv]\n"
    "       vantrel-cli pratica addebiti FILE.vantrel [ADDEBITI.csv]\n"
    "       vantrel-cli pratica nota FILE.vantrel [TESTO] [--data gg/mm/aaaa]\n"
    "       vantrel-cli pratica ricalcola FILE.vantrel [--formato testo|csv|json|scalare|ricalcolo]\n"
    "                     [scelte del ricalcolo, sotto]\n"
    "       vantrel-cli pratica relazione FILE.vantrel [--pdf OUT.pdf] [--odt OUT.odt]\n"
    "       vantrel-cli pratica esporta FILE.vantrel [--movimenti OUT.csv] [--scalare OUT.csv]\n"
    "                     [--xlsx OUT.xlsx]\n"
    "       [--cartella DIR] [--oggi gg/mm/aaaa]\n"
    "La pratica è un file unico (SQLite) con i dati del cliente e del conto, i movimenti, le\n"
    "condizioni nel tempo, i tassi usati, i risultati e le note.\n"
    "  crea               crea una pratica nuova; il saldo iniziale è quello prima del primo giorno\n"
    "  importa-movimenti  legge i movimenti di un estratto conto, CSV o Excel come lo esporta l'home\n"
    "                     banking (colonne \"Data operazione\", \"Data valuta\", \"Descrizione\",\n"
    "                     \"Dare\"/\"Avere\" o \"Importo\"): tutti o nessuno. --anteprima mostra come è\n"
    "                     letta ogni colonna e non importa nulla; i movimenti già nella pratica (stesse\n"
    "                     date, importo e descrizione) fermano l'importazione, salvo --anche-doppi\n"
    "  condizioni         sostituisce le condizioni con quelle del file (\"Dal\", \"Fido\", \"Tasso\n"
    "                     debitore\", \"Tasso extrafido\", \"Tasso creditore\", \"CMS\", \"Commissione fido\",\n"
    "                     \"Commissione sconfinamento\", \"Spese operazione\", \"Spese periodo\",\n"
    "                     \"Liquidazione\", \"Divisore\", \"Ritenuta\"; una cella vuota ripete la riga\n"
    "                     prima) e le mostra; senza file le mostra\n"
    "  parole             le parole che riconoscono gli addebiti della banca nella descrizione dei\n"
    "                     movimenti (\"Parola\", \"Tipo\": interessi, competenze, commissioni o spese);\n"
    "                     con un file le sostituisce (la sola intestazione riporta quelle usuali)\n"
    "  addebiti           gli addebiti della banca inseriti a mano, un periodo per riga (\"Data\": un\n"
    "                     giorno del periodo, \"Interessi\", \"Competenze\", \"Commissioni\", \"Spese\"),\n"
    "                     al posto di quelli trovati nei movimenti; con un file li sostituisce\n"
    "  nota               aggiunge una nota alla pratica (con la data di oggi o di --data) e le mostra\n"
    "  ricalcola          ricostruisce lo scalare per data valuta e controlla ogni periodo con saldo a\n"
    "                     debito come \"vantrel-cli teg\" (sulle cifre della banca); poi ricalcola il\n"
    "                     conto secondo le scelte della pratica, cambiate dalle opzioni date, e mostra\n"
    "                     il saldo rideterminato e la somma da restituire; salva scelte, risultati e\n"
    "                     tassi usati nella pratica. --formato scalare mostra lo scalare dei periodi,\n"
    "                     --formato ricalcolo il ricalcolo periodo per periodo e il risultato\n"
    "  relazione          scrive la relazione tecnica dell'ultimo ricalcolo, in PDF e/o in un documento\n"
    "                     di testo OpenDocument (ODT) da modificare con un programma di scrittura\n"
    "  esporta            scrive i movimenti o lo scalare in CSV, o movimenti, scalare, risultati e\n"
    "                     ricalcolo in una cartella di Excel\n";

int uso(const std::string& messaggio, std::ostream& err) {
    err << "vantrel-cli pratica: " << messaggio << "\n";
    return kUso;
}

} // namespace

std::string prefisso(const std::string& comando) {
    return "vantrel-cli pratica " + comando + ": ";
}

int comandoPratica(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kAiuto;
        return kUso;
    }
    const std::string comando = args[0];
    args.erase(args.begin());
    if (comando == "--help" || prendiFlag(args, "--help")) {
        out << kAiuto << kAiutoScelte;
        return kOk;
    }
    if (comando == "crea") return praticaCrea(std::move(args), out, err);
    if (comando == "importa-movimenti") return praticaImportaMovimenti(std::move(args), out, err);
    if (comando == "condizioni") return praticaCondizioni(std::move(args), out, err);
    if (comando == "parole") return praticaParole(std::move(args), out, err);
    if (comando == "addebiti") return praticaAddebiti(std::move(args), out, err);
    if (comando == "nota") return praticaNota(std::move(args), out, err);
    if (comando == "ricalcola") return praticaRicalcola(std::move(args), out, err);
    if (comando == "relazione") return praticaRelazione(std::move(args), out, err);
    if (comando == "esporta") return praticaEsporta(std::move(args), out, err);
    return uso("comando sconosciuto \"" + comando +
                   "\" (crea, importa-movimenti, condizioni, parole, addebiti, nota, ricalcola, relazione, "
                   "esporta)",
               err);
}

std::unique_ptr<Pratica> apriPratica(const std::string& comando, std::vector<std::string>& args, bool scrittura,
                                     ServizioBancheDati& sqlite, std::ostream& err, int& esito) {
    esito = kUso;
    if (args.empty() || args[0].starts_with("--")) {
        err << prefisso(comando) << "indicare il file della pratica\n";
        return nullptr;
    }
    const std::string path = args[0];
    args.erase(args.begin());
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        err << prefisso(comando) << "la pratica non esiste: " << path << "\n";
        return nullptr;
    }
    esito = kInputErrato;
    std::string errore;
    auto p = Pratica::apri(sqlite, path, errore);
    if (!p) {
        err << prefisso(comando) << errore << "\n";
        return nullptr;
    }
    if (!p->avviso().empty()) {
        err << prefisso(comando) << p->avviso() << "\n";
        if (scrittura) return nullptr;
    }
    esito = kOk;
    return p;
}

std::unique_ptr<RigheFile> apriRighe(const std::string& path, std::string& errore) {
    const LettoreXlsxFile xlsx;
    return RigheFile::apri(path, &xlsx, errore);
}

int praticaCrea(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> cliente, banca, conto, saldo, inizio;
    OpzioniComuni comuni;
    if (!prendiValore(args, "--cliente", cliente) || !prendiValore(args, "--banca", banca) ||
        !prendiValore(args, "--conto", conto) || !prendiValore(args, "--saldo-iniziale", saldo) ||
        !prendiValore(args, "--inizio", inizio))
        return uso("crea: manca il valore di un'opzione", err);
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    if (args.size() != 1 || args[0].starts_with("--")) return uso("crea: indicare un solo file di pratica", err);
    if (saldo && !leggiCentesimi(*saldo)) return uso("crea: saldo iniziale non valido: " + *saldo, err);
    if (inizio && !leggiData(*inizio)) return uso("crea: data non valida per --inizio: " + *inizio, err);
    BancheDatiSqlite sqlite;
    std::string errore;
    auto p = Pratica::crea(sqlite, args[0], errore);
    const std::pair<const char*, std::optional<std::string>> dati[] = {
        {dati_pratica::kCliente, cliente},
        {dati_pratica::kBanca, banca},
        {dati_pratica::kConto, conto},
        {dati_pratica::kSaldoIniziale, saldo ? std::optional(testoCentesimi(*leggiCentesimi(*saldo))) : saldo},
        {dati_pratica::kInizio, inizio ? std::optional(leggiData(*inizio)->testo()) : inizio}};
    for (const auto& [chiave, valore] : dati)
        if (p && valore && errore.empty()) errore = p->impostaDato(chiave, *valore);
    if (!errore.empty()) {
        err << prefisso("crea") << errore << "\n";
        return kInputErrato;
    }
    out << "Pratica creata: " << args[0] << "\n";
    return kOk;
}

int praticaCondizioni(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    OpzioniComuni comuni;
    if (!leggiOpzioniComuni(args, comuni, err)) return kUso;
    BancheDatiSqlite sqlite;
    int esito = kOk;
    const bool importa = args.size() == 2;
    auto p = apriPratica("condizioni", args, importa, sqlite, err, esito);
    if (!p) return esito;
    if (args.size() > 1 || (!args.empty() && args[0].starts_with("--")))
        return uso("condizioni: indicare la pratica e al più un file di condizioni", err);
    if (!args.empty()) {
        std::string errore;
        const auto righe = apriRighe(args[0], errore);
        CondizioniLette c;
        if (righe) c = leggiCondizioni(*righe);
        if (errore.empty()) errore = c.errore;
        if (errore.empty()) errore = p->impostaCondizioni(c.righe);
        if (!errore.empty()) {
            err << prefisso("condizioni") << args[0] << ": " << errore << "\n";
            return kInputErrato;
        }
        for (const auto& i : c.ignorate)
            err << prefisso("condizioni") << args[0] << ": colonna ignorata \"" << i << "\"\n";
    }
    out << csvCondizioni(p->condizioni());
    return kOk;
}

} // namespace vantrel::cli

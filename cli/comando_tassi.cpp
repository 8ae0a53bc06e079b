#include "comando_tassi.h"

#include "comando_tassi_elenco.h"
#include "comando_tassi_serie.h"
#include "common/numbers.h"
#include "common/text.h"
#include "comune.h"
#include "csv.h"
#include "rates/tabella_tassi.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace vantrel::cli {
namespace {

const std::vector<std::string> kColonne = {"periodo", "TM1", "TM2", "TM7", "TM8", "TM3", "TM4", "TM6",
                                           "TM5",     "TU1", "TU2", "TU3", "TU4", "TU5", "TU6"};

int esporta(const std::string& file, const TabellaTassi& t, std::ostream& err) {
    std::ostringstream s;
    for (std::size_t i = 0; i < kColonne.size(); ++i)
        s << (i ? ";" : "") << kColonne[i];
    s << "\r\n";
    for (int i = 1; i <= t.validi(); ++i) {
        const RecordTassi& r = t.slot(i);
        s << trim(r.Periodo);
        for (std::size_t c = 1; c < kColonne.size(); ++c) {
            const float v = campoTasso(r, kColonne[c]);
            s << ';' << (v == 0 ? std::string() : testoNumero(v));
        }
        s << "\r\n";
    }
    const std::string tmp = file + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out << s.str();
        out.flush();
        if (!out) {
            std::filesystem::remove(tmp);
            err << "vantrel-cli tassi: impossibile scrivere il file " << file << "\n";
            return kInputErrato;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, file, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        err << "vantrel-cli tassi: impossibile scrivere il file " << file << "\n";
        return kInputErrato;
    }
    return kOk;
}

struct PeriodoImportato {
    std::string chiave;
    RecordTassi valori;
};

std::vector<PeriodoImportato> leggiImport(const std::string& file) {
    const TabellaCsv t = leggiCsv(file, kColonne);
    if (t.campo(0, "periodo") == std::nullopt && !t.righe.empty())
        throw ErroreCsv{erroreInput(file, 1, 0, "manca la colonna \"periodo\"")};
    std::vector<PeriodoImportato> out;
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        PeriodoImportato p;
        for (std::size_t c = 0; c < t.colonne.size(); ++c) {
            const std::string& v = t.righe[r][c];
            if (t.colonne[c] == "periodo") {
                p.chiave = std::string(trim(v));
                const bool chiaveValida =
                    (p.chiave.size() == 5 && p.chiave[0] >= '1' && p.chiave[0] <= '4') || p.chiave.size() == 4;
                if (!chiaveValida || p.chiave.find_first_not_of("0123456789") != std::string::npos)
                    throw ErroreCsv{erroreInput(file, t.numeriRiga[r], static_cast<int>(c) + 1,
                                                "periodo non valido \"" + v + "\" (trimestre e anno, es. 32004)")};
                continue;
            }
            if (trim(v).empty()) continue; // an empty rate is stored as 0
            const auto x = leggiNumero(v);
            if (!x)
                throw ErroreCsv{
                    erroreInput(file, t.numeriRiga[r], static_cast<int>(c) + 1, "tasso non numerico \"" + v + "\"")};
            campoTasso(p.valori, t.colonne[c]) = static_cast<float>(*x);
        }
        out.push_back(std::move(p));
    }
    return out;
}

int importa(const std::string& file, bool sovrascrivi, const std::string& cartella, TabellaTassi& t, std::ostream& out,
            std::ostream& err) {
    std::vector<PeriodoImportato> periodi;
    try {
        periodi = leggiImport(file);
    } catch (const ErroreCsv& e) {
        err << "vantrel-cli tassi: " << e.messaggio << "\n";
        return kInputErrato;
    }
    int esito = kOk;
    for (const auto& p : periodi) {
        const int k = t.CercaPeriodo(p.chiave);
        if (k > 0 && !sovrascrivi) {
            out << "periodo " << p.chiave << " già presente: lasciato com'era (usare --sovrascrivi)\n";
            continue;
        }
        const int n = k > 0 ? k : t.validi() + 1;
        if (n > TabellaTassi::kMassimo) {
            err << "vantrel-cli tassi: la tabella dei tassi è piena (" << TabellaTassi::kMassimo
                << " periodi): il periodo " << p.chiave << " non è stato salvato\n";
            esito = kInputErrato;
            break;
        }
        RecordTassi& r = t.slot(n);
        const auto riserva = k > 0 ? r.riserva : std::array<std::uint8_t, 4>{};
        r = p.valori;
        r.NumRec = static_cast<std::int16_t>(n);
        r.Periodo = p.chiave;
        r.riserva = riserva;
        bool ok = false;
        if (k > 0) {
            ok = t.Sovrascrivi(cartella, k);
        } else {
            t.NumPeriodi = static_cast<std::int16_t>(n);
            ok = t.Accoda(cartella, n);
        }
        if (!ok) {
            err << "vantrel-cli tassi: impossibile scrivere i file dei tassi nella cartella " << cartella << "\n";
            return kInputErrato;
        }
    }
    return esito;
}

} // namespace

int comandoTassi(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty() || prendiFlag(args, "--help")) {
        out << "Uso: vantrel-cli tassi elenco | importa FILE.csv [--sovrascrivi] | esporta FILE.csv\n"
               "      | importa-serie FILE.csv|FILE.zip   [--cartella DIR]\n"
               "La tabella dei tassi della cartella del programma. importa-serie legge la serie ufficiale\n"
               "della Banca d'Italia (TEGM_serie_storica.zip o il suo CSV) e ne riporta i periodi nella tabella.\n";
        return args.empty() ? kUso : kOk;
    }
    OpzioniComuni opz;
    const bool sovrascrivi = prendiFlag(args, "--sovrascrivi");
    if (!leggiOpzioniComuni(args, opz, err)) return kUso;
    const std::string azione = args[0];
    std::string cartella = opz.cartella;
    if (cartella.back() != '/') cartella += '/';
    TabellaTassi t;
    if (azione == "elenco" && args.size() == 1) return comandoTassiElenco(cartella, out, err);
    if (azione == "importa-serie" && args.size() == 2) return comandoTassiSerie(args[1], cartella, out, err);
    if ((azione == "importa" || azione == "esporta") && args.size() == 2) {
        t.CaricaTassi(cartella);
        if (azione == "esporta") return esporta(args[1], t, err);
        std::error_code ec;
        if (!std::filesystem::exists(args[1], ec)) {
            err << "vantrel-cli tassi: il file non esiste: " << args[1] << "\n";
            return kUso;
        }
        return importa(args[1], sovrascrivi, cartella, t, out, err);
    }
    err << "vantrel-cli tassi: comando non valido; usare elenco, importa FILE.csv, esporta FILE.csv o importa-serie "
           "FILE\n";
    return kUso;
}

} // namespace vantrel::cli

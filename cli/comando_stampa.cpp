#include "comando_stampa.h"

#include "common/file_esiste.h"
#include "common/stampante_registrata.h"
#include "program/record_impostazioni.h"
#include "reports/file_report.h"
#include "reports/stampa_report.h"

#include <fstream>
#include <optional>

namespace vantrel {
namespace {

constexpr const char* kUso =
    "Uso: vantrel-cli stampa FILE.RKT (--pdf OUT.pdf | --comandi) [--riepilogo] [--cartella DIR]";

int erroreUso(std::ostream& err, const std::string& testo) {
    err << testo << '\n';
    return 2;
}

/// The print options as the program reads them; a missing file leaves them empty.
OpzStampaRecord leggiOpzioniStampa(const std::string& cartella) {
    OpzStampaRecord r;
    std::ifstream f(percorso(cartella, "OpzStampa.DAT"), std::ios::binary);
    if (f) f.read(reinterpret_cast<char*>(r.byte.data()), static_cast<std::streamsize>(r.byte.size()));
    return r;
}

constexpr const char* kAiuto =
    "Stampa un report con la stampa dell'elenco dei risultati o, con --riepilogo, con la stampa della "
    "finestra di testo.\n"
    "  --pdf OUT.pdf   stampa su un file PDF\n"
    "  --comandi       scrive le operazioni di stampa, una per riga\n"
    "  --riepilogo     stampa come la finestra di testo (verticale, tutto in grassetto)\n"
    "  --cartella DIR  cartella del programma con OpzStampa.DAT\n";

} // namespace

int comandoStampa(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const FabbricaStampantePdf& fabbricaPdf, const std::string& cartellaPredefinita) {
    std::optional<std::string> file, pdf, cartella;
    bool comandi = false, riepilogo = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto valore = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            out << kUso << '\n' << kAiuto;
            return 0;
        }
        if (a == "--comandi")
            comandi = true;
        else if (a == "--riepilogo")
            riepilogo = true;
        else if (a == "--pdf" || a == "--cartella") {
            auto v = valore();
            if (!v) return erroreUso(err, "manca il valore di " + a + "; " + kUso);
            (a == "--pdf" ? pdf : cartella) = std::move(*v);
        } else if (!a.empty() && a[0] == '-')
            return erroreUso(err, "opzione sconosciuta: " + a + "; " + kUso);
        else if (file)
            return erroreUso(err, "un solo file da stampare; " + std::string(kUso));
        else
            file = a;
    }
    if (!file) return erroreUso(err, std::string("manca il file da stampare; ") + kUso);
    if (comandi == pdf.has_value()) return erroreUso(err, std::string("indicare --pdf oppure --comandi; ") + kUso);
    if (!fileEsiste(*file)) return erroreUso(err, "file non trovato: " + *file);
    const auto contenuto = leggiFile(*file);
    if (!contenuto) return erroreUso(err, "impossibile leggere il file: " + *file);
    if (const std::string e = erroreReport(*contenuto); !e.empty()) {
        err << "vantrel-cli stampa: " << *file << ": " << e << '\n';
        return 1; // bad data, not a bad use: nothing is printed
    }
    const auto righe = righeReport(*contenuto);
    const OpzStampaRecord opz = leggiOpzioniStampa(cartella.value_or(cartellaPredefinita));

    std::unique_ptr<Stampante> stampante;
    if (comandi) {
        stampante = std::make_unique<StampanteRegistrata>(out);
    } else {
        if (!fabbricaPdf) return erroreUso(err, "la stampa su PDF non è disponibile in questa versione");
        stampante = fabbricaPdf(*pdf);
        if (!stampante) return erroreUso(err, "impossibile creare il file PDF: " + *pdf);
    }
    const std::string errore = riepilogo ? stampaTestoFinestra(*stampante, righe, opz.righeVerticale())
                                         : stampaListaRisultati(*stampante, righe, opz.righeOrizzontale());
    if (!errore.empty()) {
        err << "errore di stampa: " << errore << '\n';
        return 1;
    }
    return 0;
}

int comandoStampa(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return comandoStampa(args, out, err, nullptr);
}

} // namespace vantrel

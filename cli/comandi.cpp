#include "comandi.h"

#include "comando_mutuo.h"
#include "comando_script.h"
#include "comando_soglie.h"
#include "comando_stampa.h"
#include "comando_tassi.h"
#include "comando_teg.h"
#include "comune.h"
#include "pratica_cli.h"
#include "stampante_pdf.h"

#include <filesystem>
#include <new>
#include <ostream>

namespace vantrel::cli {

namespace {

int eseguiComando(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const std::string uso =
        "Uso: vantrel-cli teg | pratica | mutuo | tassi | soglie | stampa | script ... (--help per ogni comando)\n";
    if (args.empty()) {
        err << uso;
        return kUso;
    }
    const std::string comando = args[0];
    args.erase(args.begin());
    if (comando == "--help" || comando == "-h") {
        out << uso;
        return kOk;
    }
    if (comando == "teg") return comandoTeg(std::move(args), out, err);
    if (comando == "pratica") return comandoPratica(std::move(args), out, err);
    if (comando == "script") return comandoScript(std::move(args), out, err);
    if (comando == "tassi") return comandoTassi(std::move(args), out, err);
    if (comando == "mutuo") return comandoMutuo(std::move(args), out, err);
    if (comando == "soglie") return comandoSoglie(std::move(args), out, err);
    if (comando == "stampa") return comandoStampa(args, out, err, fabbricaStampantePdf(), cartellaPredefinita());
    err << "vantrel-cli: comando sconosciuto \"" << comando << "\"\n" << uso;
    return kUso;
}

} // namespace

int esegui(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    // Whatever escapes a command ends it with a message and the status of bad data, never an abort.
    try {
        return eseguiComando(std::move(args), out, err);
    } catch (const std::bad_alloc&) {
        err << "vantrel-cli: memoria insufficiente per completare il comando\n";
    } catch (const std::filesystem::filesystem_error& e) {
        err << "vantrel-cli: errore del file system: " << e.path1().string() << ": " << e.code().message() << "\n";
    } catch (const std::exception& e) {
        err << "vantrel-cli: errore imprevisto: " << e.what() << "\n";
    } catch (...) {
        err << "vantrel-cli: errore imprevisto\n";
    }
    return kInputErrato;
}

} // namespace vantrel::cli

#pragma once

#include "case_window/righe_file.h"
#include "casefile/pratica.h"
#include "common/servizi.h"

#include <iosfwd>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::cli {

/// vantrel-cli pratica crea|importa-movimenti|condizioni|parole|addebiti|nota|ricalcola|relazione|esporta ...
int comandoPratica(std::vector<std::string> args, std::ostream& out, std::ostream& err);

// The subcommands, each given the arguments after its name.
int praticaCrea(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaImportaMovimenti(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaCondizioni(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaRicalcola(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaRelazione(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaEsporta(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaParole(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaAddebiti(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int praticaNota(std::vector<std::string> args, std::ostream& out, std::ostream& err);

/// "vantrel-cli pratica <comando>: ", the start of every message.
std::string prefisso(const std::string& comando);

/// Opens the case named by the first argument (taken out of `args`); null after a message, with
/// `esito` the exit status. `scrittura`: the command changes the case, so a case held by another
/// program is refused.
std::unique_ptr<Pratica> apriPratica(const std::string& comando, std::vector<std::string>& args, bool scrittura,
                                     ServizioBancheDati& sqlite, std::ostream& err, int& esito);

/// The rows of a CSV file or of an .xlsx workbook's first sheet, as the desktop reads them; null with
/// the reason in `errore`.
std::unique_ptr<RigheFile> apriRighe(const std::string& path, std::string& errore);

} // namespace vantrel::cli

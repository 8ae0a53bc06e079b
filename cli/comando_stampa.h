#pragma once

#include "common/servizi.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

/// Makes the printer that writes a PDF file at the given path; null when it cannot be made.
using FabbricaStampantePdf = std::function<std::unique_ptr<Stampante>(const std::string& pdf)>;

/// `vantrel-cli stampa FILE.RKT (--pdf OUT.pdf | --comandi) [--riepilogo] [--cartella DIR]`.
/// `args` are the arguments after the command name. Without a PDF printer `--pdf` is a usage error.
/// `--cartella` defaults to `cartellaPredefinita` (the program folder, where "OpzStampa.DAT" is read).
/// Returns the exit status: 0 done, 1 the printer failed, 2 usage error or missing file.
int comandoStampa(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const FabbricaStampantePdf& pdf, const std::string& cartellaPredefinita = ".");
int comandoStampa(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vantrel

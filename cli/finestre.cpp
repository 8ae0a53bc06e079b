#include "finestre.h"

#include "teg/taeg.h"

namespace vantrel::cli {

std::unique_ptr<Finestra> creaFinestra(const std::string& nome, Contesto& ctx) {
    if (nome == "Taeg") return std::make_unique<Taeg>(ctx);
    return nullptr;
}

} // namespace vantrel::cli

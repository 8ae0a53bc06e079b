#include "grafico_cli.h"

namespace vantrel::cli {

std::unique_ptr<DisegnoGrafico> disegnoGrafico() {
    return nullptr;
}

} // namespace vantrel::cli

#include "stampante_pdf.h"

namespace vantrel::cli {

FabbricaStampantePdf fabbricaStampantePdf() {
    return {};
}

} // namespace vantrel::cli

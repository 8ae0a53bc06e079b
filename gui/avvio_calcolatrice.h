#pragma once

#include "common/servizi.h"

#include <QStringList>

namespace vantrel::gui {

/// Starts the desktop's calculator without waiting for it: the first of the known calculator
/// programs found on the search path.
class AvvioCalcolatrice : public AvvioProcessi {
public:
    bool avviaCalcolatrice() override;
    static QStringList candidati();
};

} // namespace vantrel::gui

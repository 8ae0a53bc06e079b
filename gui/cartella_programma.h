#pragma once

#include <QString>

namespace vantrel::gui {

/// The program's folder: the executable's own folder when it is writable (portable use), otherwise
/// a folder of the user's data, given the default rate set on first use.
QString cartellaProgramma();

/// The same choice for an executable folder and a data folder given by the caller.
QString scegliCartella(const QString& cartellaEseguibile, const QString& cartellaUtente,
                       const QString& tassiPredefiniti);

} // namespace vantrel::gui

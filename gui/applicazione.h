#pragma once

class QApplication;

namespace vantrel::gui {

/// Italian conventions whatever the machine's locale: QLocale default and Qt's own Italian
/// translations for the standard buttons and dialogs.
void preparaApplicazione(QApplication& app);

} // namespace vantrel::gui

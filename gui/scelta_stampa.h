#pragma once

#include <QString>
#include <functional>

class QPrinter;

namespace vantrel::gui {

/// Where a document goes: the user's choice in the print dialog. The desktop shows Qt's dialog
/// (SceltaStampaQt); tests answer through their own.
class SceltaStampa {
public:
    virtual ~SceltaStampa() = default;
    /// Lets the user set up `stampante`: a printer, or a PDF file (`pdfProposto` is offered), and
    /// look at the preview that `anteprima` draws. False when the print is cancelled.
    virtual bool scegli(QPrinter& stampante, const QString& pdfProposto,
                        const std::function<void(QPrinter*)>& anteprima) = 0;
};

} // namespace vantrel::gui

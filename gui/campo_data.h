#pragma once

#include <QDateEdit>

namespace vantrel::gui {

/// The date field of the windows: a date typed in full ("20/05/2011", key by key), a date pasted
/// whole, the arrows and the calendar all give the date the user wrote. Digits typed into a part of
/// the date (day, month, year) replace it from its start, wherever the caret stood in it; and Qt's
/// date edit moves to the next part by itself once the digits complete one, so the "/" typed next,
/// which would move past the month, is dropped.
class CampoData : public QDateEdit {
    Q_OBJECT
public:
    explicit CampoData(QWidget* genitore = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool avanzato_ = false; // the last digit completed its part of the date and the caret moved on
    bool inParte_ = false;  // the last digit went into the current part, which takes the next one too
};

} // namespace vantrel::gui

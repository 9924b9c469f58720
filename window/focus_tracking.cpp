#include <QFocusEvent>
#include <QLineEdit>

#include "window/converter_window.h"

namespace velmar {

void Tfrm_Converter::Txt_Enter(QObject* sender)
{
    focusedTextBox_ = qobject_cast<QLineEdit*>(sender);
}

void Tfrm_Converter::Txt_Exit(QObject*)
{
    focusedTextBox_ = nullptr;
}

// A box keeps the focus while a menu is open or another window is active:
// only a move to another control of this window counts as leaving it.
void Tfrm_Converter::trackFocus(QObject* textBox, const QEvent& event)
{
    if (event.type() == QEvent::FocusIn) {
        Txt_Enter(textBox);
        return;
    }
    switch (static_cast<const QFocusEvent&>(event).reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::ActiveWindowFocusReason:
        return;
    default:
        Txt_Exit(textBox);
    }
}

} // namespace velmar

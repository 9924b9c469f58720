// The input box's key filter, and which text box has the keyboard focus.

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "window/converter_window.h"
#include "window/input_key_filter.h"
#include "window/tab_set.h"
#include "window/upper_case_line_edit.h"

namespace velmar {

void Tfrm_Converter::Key_Press(QObject*, QChar& key)
{
    if (!IsAcceptedInputKey(TabSet1->selectedCaption(), key))
        key = QChar(u'\0');
}

// Keys that type no printable text (Backspace, Delete, arrows, Enter) are
// editing keys and always reach the box; a printable key passes only when
// Key_Press accepts every character it types.
bool Tfrm_Converter::refusesTypedKey(const QKeyEvent& event)
{
    const QString typed = event.text();
    if (typed.isEmpty() || !typed.front().isPrint())
        return false;
    for (QChar key : typed) {
        Key_Press(txt_In, key);
        if (key.isNull())
            return true;
    }
    return false;
}

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

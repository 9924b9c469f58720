// The input box's key filter, and which text box has the keyboard focus.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

#include "window/converter_window.h"
#include "window/input_key_filter.h"
#include "window/tab_set.h"
#include "window/upper_case_line_edit.h"

namespace velmar {

void Tfrm_Converter::Key_Press(QObject*, QChar& key)
{
    key = TypedInputCharacter(key, QString::fromStdString(marks_.DecimalMark));
    if (!IsAcceptedInputKey(TabSet1->selectedCaption(), key))
        key = QChar(u'\0');
}

// Keys that type no printable text (Backspace, Delete, arrows, Enter) are
// editing keys and always reach the box. A printable key types nothing while
// Alt is held (an Alt chord is a command, never text) or when Key_Press
// refuses any character of it; when Key_Press changes a character, the box
// gets the changed text instead. True when the key is used up here.
bool Tfrm_Converter::filterTypedKey(const QKeyEvent& event)
{
    const QString typed = event.text();
    if (typed.isEmpty() || !typed.front().isPrint())
        return false;
    if (event.modifiers().testFlag(Qt::AltModifier))
        return true;
    QString accepted;
    for (QChar key : typed) {
        Key_Press(txt_In, key);
        if (key.isNull())
            return true;
        accepted.append(key);
    }
    if (accepted == typed)
        return false;
    txt_In->insert(accepted);
    return true;
}

void Tfrm_Converter::Txt_Enter(QObject* sender)
{
    focusedTextBox_ = qobject_cast<QLineEdit*>(sender);
}

void Tfrm_Converter::Txt_Exit(QObject*)
{
    focusedTextBox_ = nullptr;
}

// A box keeps the focus while a menu is open, the menu bar is being walked
// with the keyboard, or another window is active: the focus arriving at
// another control of this window is what leaves it. Following the focus
// itself, not the boxes' own focus events, also sees the move from the menu
// bar to a unit list, which the box never hears of.
void Tfrm_Converter::followFocus(QWidget* now)
{
    if (now == nullptr || now->window() != this || now == mnu_MainMenu1)
        return;
    if (now == txt_In || now == txt_Out)
        Txt_Enter(now);
    else if (focusedTextBox_ != nullptr)
        Txt_Exit(focusedTextBox_);
}

// Ctrl+Tab and Ctrl+Page Down step to the next category, Ctrl+Shift+Tab and
// Ctrl+Page Up to the previous one, from whichever control has the focus.
void Tfrm_Converter::addCategoryKeys()
{
    const auto addKeys = [this](const QList<QKeySequence>& keys, int step) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, step] { TabSet1->selectNeighbour(step); });
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, +1);
    addKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);
}

// Escape in an open menu closes it and leaves the menu bar holding the focus
// for walking it by keyboard; it goes back to the control that had it.
void Tfrm_Converter::returnFocusFromMenuBar()
{
    if (!mnu_MainMenu1->hasFocus())
        return;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(mnu_MainMenu1, &escape);
}

} // namespace velmar

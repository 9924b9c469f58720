#include <QKeyEvent>

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

} // namespace velmar

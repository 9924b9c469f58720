#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "window/converter_window.h"
#include "window/fault_report.h"

namespace velmar {
namespace {

bool clipboardHoldsText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace

// Enables Cut, Copy and Paste for the focused text box. An unselected result
// box is selected whole first, so Copy takes the complete result.
void Tfrm_Converter::mnu_Edit1Click(QObject*)
{
    QLineEdit* box = focusedTextBox_;
    if (box == nullptr) {
        for (QAction* item : {mnu_Cut1, mnu_Copy1, mnu_Paste1})
            item->setEnabled(false);
        return;
    }
    if (box->isReadOnly() && !box->hasSelectedText())
        box->selectAll();
    mnu_Cut1->setEnabled(box->hasSelectedText() && !box->isReadOnly());
    mnu_Copy1->setEnabled(box->hasSelectedText());
    mnu_Paste1->setEnabled(clipboardHoldsText() && !box->isReadOnly());
}

// Outside the open menu the clipboard items stay enabled, so that their keys
// always reach the item and the item decides by the enabling step itself.
void Tfrm_Converter::enableClipboardShortcuts()
{
    for (QAction* item : {mnu_Cut1, mnu_Copy1, mnu_Paste1})
        item->setEnabled(true);
}

// An item of the Edit menu. Chosen from the menu or by its key, it runs the
// enabling step first and its command only when that leaves it enabled; its
// key is used up either way.
QAction* Tfrm_Converter::addEditCommand(const char* name, const QString& caption, const QKeySequence& shortcut,
                                        void (Tfrm_Converter::*handler)(QObject*))
{
    QAction* item = addCommand(mnu_Edit1, name, caption, shortcut, nullptr);
    connect(item, &QAction::triggered, this, [this, item, handler] {
        runReportingFaults(this, [&] {
            mnu_Edit1Click(mnu_Edit1);
            const bool enabled = item->isEnabled();
            enableClipboardShortcuts();
            if (enabled)
                (this->*handler)(item);
        });
    });
    return item;
}

} // namespace velmar

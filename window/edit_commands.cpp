// The Edit menu: its state for the focused box, its clipboard shortcuts, and
// its commands.

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "engine/inverted_input.h"
#include "widgets/alert.h"
#include "window/converter_window.h"
#include "window/fault_report.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

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
                                        EventHandler handler)
{
    QAction* item = addCommand(mnu_Edit1, name, caption, shortcut, nullptr);
    connectGuarded(item, &QAction::triggered, [this, item, handler] {
        mnu_Edit1Click(mnu_Edit1);
        const bool enabled = item->isEnabled();
        enableClipboardShortcuts();
        if (enabled)
            (this->*handler)(item);
    });
    return item;
}

namespace {

void RefuseCommand(QWidget* owner, const QString& sentence)
{
    ShowAlert(owner, QMessageBox::Critical, QStringLiteral("Error"), sentence);
}

} // namespace

void Tfrm_Converter::mnu_Exit1Click(QObject*)
{
    // Ends the message loop; taking the window down then runs FormDestroy,
    // exactly as after closing the window.
    QCoreApplication::exit(0);
}

// The clipboard commands act on the focused text box; the Edit menu enables
// them only where they make sense. A change of txt_In's text converts.
void Tfrm_Converter::mnu_Cut1Click(QObject*)
{
    if (!hasFocusedTextBox() || !focusedTextBox_->hasSelectedText())
        return;
    QGuiApplication::clipboard()->setText(focusedTextBox_->selectedText());
    focusedTextBox_->insert(QString());
}

void Tfrm_Converter::mnu_Copy1Click(QObject*)
{
    if (hasFocusedTextBox() && focusedTextBox_->hasSelectedText())
        QGuiApplication::clipboard()->setText(focusedTextBox_->selectedText());
}

void Tfrm_Converter::mnu_Paste1Click(QObject*)
{
    const QString text = QGuiApplication::clipboard()->text();
    if (hasFocusedTextBox() && !text.isEmpty())
        focusedTextBox_->insert(text);
}

// Swaps the two units and feeds the result back as the input.
void Tfrm_Converter::mnu_ReverseSelectedUnits1Click(QObject*)
{
    const int category = Category_Index(TabSet1->selectedCaption().toStdString());
    if (category == NumbersIndex || category == FractionsIndex) {
        RefuseCommand(this, QStringLiteral("You cannot invert this type of conversion."));
        return;
    }
    const int source = lst_In->selectedPosition();
    const int target = lst_Out->selectedPosition();
    if (source == -1 || target == -1) {
        RefuseCommand(this, QStringLiteral("Both units must be selected before you can invert the conversion."));
        return;
    }
    // Read before anything changes: a result beyond the extended range is
    // reported and leaves the conversion as it was.
    const QString input = QString::fromStdString(InvertedInputText(txt_Out->text().toStdString(), marks_));
    lst_In->setSelectedPosition(target);
    lst_Out->setSelectedPosition(source);
    if (input == txt_In->text())
        MainChange(txt_In); // the same text raises no change, yet the swapped units must be recorded
    else
        txt_In->setTextAsGiven(input);
}

void Tfrm_Converter::mnu_ClearInputTextBox1Click(QObject*)
{
    txt_In->setTextAsGiven(QString());
}

// Forgets every category's input and units and starts again at the first tab.
void Tfrm_Converter::mnu_Reset1Click(QObject*)
{
    ClearAllCategoryMemory(state_);
    TabSet1->setTabIndex(0);
    lst_In->setSelectedPosition(-1);
    lst_Out->setSelectedPosition(-1);
    txt_In->setTextAsGiven(QString());
    txt_In->setFocus();
}

} // namespace velmar

#pragma once

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

#include "catalogue/unit_catalogue.h"
#include "engine/converter_state.h"
#include "engine/number_format.h"
#include "widgets/font_choice.h"
#include "window/fault_report.h"

class QAction;
class QFrame;
class QKeyEvent;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QStackedWidget;

namespace velmar {

class ArrowGlyph;
class SettingsFile;
class TabSet;
class UnitListBox;
class UpperCaseLineEdit;

// The converter window: the category tabs along the bottom, the input box and
// source unit list, the arrow, the result box and target unit list, and the
// menu bar. The implementation is split by concern, one file each:
//   converter_window.cpp           controls, menus, connections
//   conversion_and_categories.cpp  MainChange, TabSet1Change, unit-name lists
//   layout_and_fonts.cpp           On_Resize, RelayoutConverter, the fonts
//   keyboard_and_focus.cpp         Key_Press, Txt_Enter, Txt_Exit
//   edit_commands.cpp              the Edit menu and its commands
//   options_and_help_commands.cpp  the Options, Reference and Help commands
//   startup_and_shutdown.cpp       FormCreate, LoadSettings, SaveSettings, FormDestroy
// The names with underscores and the trailing 1 (`txt_In`, `mnu_Exit1Click`)
// are the design's own; ARCHITECTURE.md explains them.
class Tfrm_Converter : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window from its design and ends with FormCreate.
    explicit Tfrm_Converter(RegionalMarks marks, QWidget* parent = nullptr);
    // Starts with FormDestroy.
    ~Tfrm_Converter() override;

    // Start-up and shutdown. An error ends the sequence and is reported.
    void FormCreate();
    void FormDestroy();
    void LoadSettings();
    void SaveSettings();

    // The dispatcher: records the current category's input and unit positions
    // and writes the result box. Runs on every change of the input text and
    // every selection the user makes in a unit list.
    void MainChange(QObject* sender);
    // The category switch, raised by the tab strip before it selects newTab.
    void TabSet1Change(QObject* sender, int newTab, bool& allowChange);

    // The 22 per-category unit-name lists, in the tables' current order.
    void RebuildUnitNameLists();
    void ReleaseUnitNameLists();
    bool unitNameListsExist() const { return unitNameLists_.has_value(); }
    // Empty while the lists do not exist.
    QStringList unitNameList(int category) const;

    // Layout of the panel's controls, and the tab strip's height.
    void On_Resize(QObject* sender);
    void RelayoutConverter();
    void FitTabStripHeight();

    // The text font of the boxes, lists and labels, and the tab strip's font,
    // each with its colour. Applying them does not relayout; callers follow
    // with RelayoutConverter and FitTabStripHeight.
    ConverterFonts converterFonts() const;
    void setConverterFonts(const ConverterFonts& fonts);

    // The input box's key filter: turns the regional decimal mark into "."
    // and replaces a refused character with 0.
    void Key_Press(QObject* sender, QChar& key);

    // Which text box has the keyboard focus.
    void Txt_Enter(QObject* sender);
    void Txt_Exit(QObject* sender);
    bool hasFocusedTextBox() const { return focusedTextBox_ != nullptr; }
    QLineEdit* focusedTextBox() const { return focusedTextBox_; }

    // Menu commands. Each runs from its menu item or shortcut.
    void mnu_Exit1Click(QObject* sender);
    void mnu_Edit1Click(QObject* sender);                     // enables Cut, Copy and Paste for the focused box
    void mnu_Cut1Click(QObject* sender);                      // focused box's selection to the clipboard, removed
    void mnu_Copy1Click(QObject* sender);                     // focused box's selection to the clipboard
    void mnu_Paste1Click(QObject* sender);                    // clipboard text over the focused box's selection
    void mnu_ReverseSelectedUnits1Click(QObject* sender);     // swaps the units, the result becomes the input
    void mnu_ClearInputTextBox1Click(QObject* sender);        // empties txt_In
    void mnu_Reset1Click(QObject* sender);                    // forgets every category's input, shows the first tab
    void mnu_Result1Click(QObject* sender);                   // Number Format dialog; OK re-runs MainChange
    void mnu_Fonts1Click(QObject* sender);                    // Fonts dialog; OK applies both fonts and relayouts
    void mnu_ChooseUnitCategory1Click(QObject* sender);       // Choose Category dialog; OK selects that tab
    void mnu_SortUnitLists1Click(QObject* sender);            // flips alphabetical unit lists, forgets all input
    void mnu_ArrangeOrderofCategories1Click(QObject* sender); // Arrange dialog; OK replaces the tabs, shows the first
    void Calculator1Click(QObject* sender);                   // starts the desktop calculator
    void mnu_MetricPrefixes1Click(QObject* sender);           // help topic "MetricPrefixes"
    void mnu_Contents1Click(QObject* sender);                 // help contents; F1 anywhere in the window
    void mnu_SearchforHelpOn1Click(QObject* sender);          // help keyword index
    void mnu_HowtoUseHelp1Click(QObject* sender);             // how to use the help window
    void mnu_About1Click(QObject* sender);                    // About window

    // The state the window holds for the whole run.
    UnitCatalogue& catalogue() { return catalogue_; }
    ConverterState& converterState() { return state_; }
    NumberFormatSetting& numberFormat() { return numberFormat_; }
    const QStringList& categoryDisplayNames() const { return categoryDisplayNames_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using EventHandler = void (Tfrm_Converter::*)(QObject*);

    // Every event handler is connected through this: an error the handler
    // does not catch is reported and the program goes on, because Qt's event
    // machinery is not exception-safe.
    template <typename Control, typename Signal, typename Handler>
    void connectGuarded(Control* control, Signal signal, Handler handler)
    {
        connect(control, signal, this, [this, handler] { runReportingFaults(this, handler); });
    }

    // Writes the result box, shown from its start and announced to screen readers.
    void showResult(const QString& result);
    void createControls();
    void createMenus();
    QAction* addCommand(QWidget* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                        EventHandler handler);
    QAction* addEditCommand(const char* name, const QString& caption, const QKeySequence& shortcut,
                            EventHandler handler);
    void enableClipboardShortcuts();
    void connectEvents();
    bool isMenuShortcut(const QKeyEvent& event) const;
    bool filterTypedKey(const QKeyEvent& event);
    void addCategoryKeys();
    void followFocus(QWidget* now);
    void returnFocusFromMenuBar();

    UnitCatalogue catalogue_;
    ConverterState state_;
    NumberFormatSetting numberFormat_;
    RegionalMarks marks_;
    QStringList categoryDisplayNames_;
    std::optional<std::array<QStringList, CategoryCount>> unitNameLists_;
    // The file LoadSettings read; SaveSettings writes the window's keys into
    // it as it is at that moment.
    std::unique_ptr<SettingsFile> settingsFile_;
    QLineEdit* focusedTextBox_ = nullptr; // none while neither text box has the focus

    // Controls.
    TabSet* TabSet1 = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QFrame* pan = nullptr;
    ArrowGlyph* lab = nullptr;
    QLabel* lab2 = nullptr;
    UpperCaseLineEdit* txt_In = nullptr;
    UnitListBox* lst_In = nullptr;
    QLineEdit* txt_Out = nullptr;
    UnitListBox* lst_Out = nullptr;

    // Menu bar.
    QMenuBar* mnu_MainMenu1 = nullptr;
    QAction* mnu_Exit1 = nullptr;
    QMenu* mnu_Edit1 = nullptr;
    QAction* mnu_Cut1 = nullptr;
    QAction* mnu_Copy1 = nullptr;
    QAction* mnu_Paste1 = nullptr;
    QAction* mnu_ReverseSelectedUnits1 = nullptr;
    QAction* mnu_ClearInputTextBox1 = nullptr;
    QAction* mnu_Reset1 = nullptr;
    QMenu* mnu_Options1 = nullptr;
    QAction* mnu_Result1 = nullptr;
    QAction* mnu_Fonts1 = nullptr;
    QAction* mnu_ChooseUnitCategory1 = nullptr;
    QAction* mnu_SortUnitLists1 = nullptr; // checked while the unit lists are alphabetical
    QAction* mnu_ArrangeOrderofCategories1 = nullptr;
    QMenu* mnu_Reference1 = nullptr;
    QAction* Calculator1 = nullptr;
    QAction* mnu_MetricPrefixes1 = nullptr;
    QMenu* mnu_Help1 = nullptr;
    QAction* mnu_Contents1 = nullptr;
    QAction* mnu_SearchforHelpOn1 = nullptr;
    QAction* mnu_HowtoUseHelp1 = nullptr;
    QAction* mnu_About1 = nullptr;
};

} // namespace velmar

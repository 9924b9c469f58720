// Construction: the controls, the menus and their shortcuts, and the
// connections from each control's signals to the window's handlers.

#include "window/converter_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "settings/profile/settings_file.h"
#include "window/arrow_glyph.h"
#include "window/fault_report.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

namespace velmar {

namespace {

constexpr int DesignWidth = 610;
constexpr int DesignHeight = 450;

// Places a control at its design position; the layout rule takes over once
// the panel has a size.
template <typename Control>
Control* placed(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// What a screen reader announces for a control: its name, then its purpose.
void describeForScreenReaders(QWidget& control, const QString& name, const QString& description)
{
    control.setAccessibleName(name);
    control.setAccessibleDescription(description);
}

} // namespace

Tfrm_Converter::Tfrm_Converter(RegionalMarks marks, QWidget* parent)
    : QMainWindow(parent)
    , marks_(std::move(marks))
{
    setObjectName(QStringLiteral("frm_Converter"));
    setFont(DefaultTextFont().Font); // the boxes, the lists and the Fractions label use it
    resize(DesignWidth, DesignHeight);
    createControls();
    createMenus();
    addCategoryKeys();
    connectEvents();
    runReportingFaults(this, [this] { FormCreate(); });
}

Tfrm_Converter::~Tfrm_Converter()
{
    runReportingFaults(this, [this] { FormDestroy(); });
    // The controls are destroyed after this class is, and the focus leaving
    // them must not reach a window that is no longer one.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void Tfrm_Converter::createControls()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Notebook1 = new QStackedWidget(central);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    auto* unitsPage = new QWidget(Notebook1);
    unitsPage->setObjectName(QStringLiteral("Units"));
    auto* pageLayout = new QVBoxLayout(unitsPage);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    Notebook1->addWidget(unitsPage);

    pan = new QFrame(unitsPage);
    pan->setObjectName(QStringLiteral("pan"));
    pan->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pageLayout->addWidget(pan);

    TabSet1 = new TabSet(central);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setFont(DefaultTabFont().Font);
    FitTabStripHeight();
    column->addWidget(Notebook1, 1);
    column->addWidget(TabSet1);
    setCentralWidget(central);

    txt_In = placed(new UpperCaseLineEdit(pan), "txt_In", 24, 24, 145, 24);
    // Typed characters go through the key filter one by one.
    txt_In->setAttribute(Qt::WA_InputMethodEnabled, false);
    lst_In = placed(new UnitListBox(pan), "lst_In", 64, 56, 105, 185);
    txt_Out = placed(new QLineEdit(pan), "txt_Out", 224, 24, 145, 24);
    txt_Out->setReadOnly(true);
    txt_Out->setFocusPolicy(Qt::ClickFocus); // skipped by the Tab key, still selectable for copying
    QPalette resultPalette = txt_Out->palette();
    resultPalette.setColor(QPalette::Base, resultPalette.color(QPalette::Button));
    txt_Out->setPalette(resultPalette);
    lst_Out = placed(new UnitListBox(pan), "lst_Out", 264, 56, 105, 185);
    lab = placed(new ArrowGlyph(pan), "lab", 184, 24, 26, 26);
    lab2 = placed(new QLabel(QStringLiteral("Decimal to Convert to a Fraction"), pan), "lab2", 24, 56, 141, 185);
    lab2->setWordWrap(true);
    lab2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lab2->hide();

    // The text boxes size their height to their font.
    for (QLineEdit* box : {static_cast<QLineEdit*>(txt_In), txt_Out})
        box->resize(box->width(), box->sizeHint().height());

    setTabOrder(txt_In, lst_In);
    setTabOrder(lst_In, txt_Out);
    setTabOrder(txt_Out, lst_Out);
    setTabOrder(lst_Out, TabSet1);

    describeForScreenReaders(*txt_In, tr("Value to convert"),
                             tr("The number to convert; the result follows every keystroke."));
    describeForScreenReaders(*lst_In, tr("Convert from"), tr("The unit of the value to convert."));
    describeForScreenReaders(*txt_Out, tr("Result"),
                             tr("The converted value, read-only; click into it to select or copy it."));
    describeForScreenReaders(*lst_Out, tr("Convert to"), tr("The unit of the result."));
    // Its tab bar is announced by the caption of the selected tab.
    describeForScreenReaders(*TabSet1, tr("Unit categories"),
                             tr("The category of units to convert; the arrow keys choose another."));
    txt_In->setFocus();
}

void Tfrm_Converter::connectEvents()
{
    TabSet1->setChangeHandler([this](int newTab, bool& allowChange) { TabSet1Change(TabSet1, newTab, allowChange); });
    connectGuarded(txt_In, &QLineEdit::textChanged, [this] { MainChange(txt_In); });
    for (UnitListBox* list : {lst_In, lst_Out})
        connectGuarded(list, &UnitListBox::selectionChangedByUser, [this, list] { MainChange(list); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followFocus(now); });
    pan->installEventFilter(this);
    txt_In->installEventFilter(this);
    txt_Out->installEventFilter(this);
}

bool Tfrm_Converter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pan) {
        if (event->type() == QEvent::Resize)
            runReportingFaults(this, [this] { On_Resize(pan); });
        return false;
    }
    if (qobject_cast<QMenu*>(watched) != nullptr) {
        const bool escape
            = event->type() == QEvent::KeyPress && static_cast<const QKeyEvent&>(*event).key() == Qt::Key_Escape;
        if (escape) // after the menu has closed
            QMetaObject::invokeMethod(
                this, [this] { returnFocusFromMenuBar(); }, Qt::QueuedConnection);
        return false;
    }
    if (watched != txt_In && watched != txt_Out)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The menu's shortcuts win over the text boxes' own editing keys.
        return isMenuShortcut(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (isMenuShortcut(key))
            return true; // the command is disabled: the key does nothing
        return watched == txt_In && filterTypedKey(key);
    }
    case QEvent::FontChange: {
        auto* box = static_cast<QLineEdit*>(watched);
        box->resize(box->width(), box->sizeHint().height());
        return false;
    }
    default:
        return false;
    }
}

namespace {

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

void Tfrm_Converter::createMenus()
{
    mnu_MainMenu1 = menuBar();
    mnu_MainMenu1->setObjectName(QStringLiteral("mnu_MainMenu1"));
    // The menus keep the desktop's menu font, not the window's bold text font.
    QFont menuFont = QApplication::font(mnu_MainMenu1);
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    mnu_MainMenu1->setFont(menuFont);

    const auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = mnu_MainMenu1->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->installEventFilter(this);
        return menu;
    };

    mnu_Exit1 = addCommand(mnu_MainMenu1, "mnu_Exit1", QStringLiteral("E&xit!"), {}, &Tfrm_Converter::mnu_Exit1Click);

    mnu_Edit1 = addMenu("mnu_Edit1", QStringLiteral("&Edit"));
    connectGuarded(mnu_Edit1, &QMenu::aboutToShow, [this] { mnu_Edit1Click(mnu_Edit1); });
    connect(mnu_Edit1, &QMenu::aboutToHide, this, [this] { enableClipboardShortcuts(); });
    mnu_Cut1 = addEditCommand("mnu_Cut1", QStringLiteral("Cu&t"), ctrl(Qt::Key_X), &Tfrm_Converter::mnu_Cut1Click);
    mnu_Copy1 = addEditCommand("mnu_Copy1", QStringLiteral("&Copy"), ctrl(Qt::Key_C), &Tfrm_Converter::mnu_Copy1Click);
    mnu_Paste1
        = addEditCommand("mnu_Paste1", QStringLiteral("&Paste"), ctrl(Qt::Key_V), &Tfrm_Converter::mnu_Paste1Click);
    addSeparator(mnu_Edit1, "mnu_N1");
    mnu_ReverseSelectedUnits1
        = addEditCommand("mnu_ReverseSelectedUnits1", QStringLiteral("&Invert Current Conversion"), ctrl(Qt::Key_I),
                         &Tfrm_Converter::mnu_ReverseSelectedUnits1Click);
    mnu_ClearInputTextBox1 = addEditCommand("mnu_ClearInputTextBox1", QStringLiteral("Clear Input &Text Box"),
                                            ctrl(Qt::Key_T), &Tfrm_Converter::mnu_ClearInputTextBox1Click);
    mnu_Reset1 = addEditCommand("mnu_Reset1", QStringLiteral("C&lear All Text and List Boxes"), {},
                                &Tfrm_Converter::mnu_Reset1Click);

    mnu_Options1 = addMenu("mnu_Options1", QStringLiteral("&Options"));
    mnu_Result1 = addCommand(mnu_Options1, "mnu_Result1", QStringLiteral("&Result Number Format..."), ctrl(Qt::Key_R),
                             &Tfrm_Converter::mnu_Result1Click);
    mnu_Fonts1 = addCommand(mnu_Options1, "mnu_Fonts1", QStringLiteral("&Fonts..."), ctrl(Qt::Key_F),
                            &Tfrm_Converter::mnu_Fonts1Click);
    addSeparator(mnu_Options1, "mnu_N5");
    mnu_ChooseUnitCategory1
        = addCommand(mnu_Options1, "mnu_ChooseUnitCategory1", QStringLiteral("Choose &Unit Category..."),
                     ctrl(Qt::Key_U), &Tfrm_Converter::mnu_ChooseUnitCategory1Click);
    mnu_SortUnitLists1 = addCommand(mnu_Options1, "mnu_SortUnitLists1", QStringLiteral("&Sort Units Alphabetically"),
                                    ctrl(Qt::Key_S), nullptr);
    mnu_SortUnitLists1->setCheckable(true);
    // Qt flips a check item before `triggered`; the command flips the mark
    // itself, because the settings loader also calls it directly.
    connectGuarded(mnu_SortUnitLists1, &QAction::triggered, [this] {
        mnu_SortUnitLists1->setChecked(!mnu_SortUnitLists1->isChecked());
        mnu_SortUnitLists1Click(mnu_SortUnitLists1);
    });
    mnu_ArrangeOrderofCategories1
        = addCommand(mnu_Options1, "mnu_ArrangeOrderofCategories1", QStringLiteral("&Arrange Category Order..."),
                     ctrl(Qt::Key_A), &Tfrm_Converter::mnu_ArrangeOrderofCategories1Click);

    mnu_Reference1 = addMenu("mnu_Reference1", QStringLiteral("&Reference"));
    Calculator1 = addCommand(mnu_Reference1, "Calculator1", QStringLiteral("&Calculator"), {},
                             &Tfrm_Converter::Calculator1Click);
    mnu_MetricPrefixes1 = addCommand(mnu_Reference1, "mnu_MetricPrefixes1", QStringLiteral("&Metric Prefixes"), {},
                                     &Tfrm_Converter::mnu_MetricPrefixes1Click);

    mnu_Help1 = addMenu("mnu_Help1", QStringLiteral("&Help"));
    mnu_Contents1 = addCommand(mnu_Help1, "mnu_Contents1", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1),
                               &Tfrm_Converter::mnu_Contents1Click);
    mnu_SearchforHelpOn1 = addCommand(mnu_Help1, "mnu_SearchforHelpOn1", QStringLiteral("&Search for Help On..."), {},
                                      &Tfrm_Converter::mnu_SearchforHelpOn1Click);
    mnu_HowtoUseHelp1 = addCommand(mnu_Help1, "mnu_HowtoUseHelp1", QStringLiteral("&How to Use Help"), {},
                                   &Tfrm_Converter::mnu_HowtoUseHelp1Click);
    addSeparator(mnu_Help1, "mnu_N2");
    mnu_About1 = addCommand(mnu_Help1, "mnu_About1", QStringLiteral("&About..."), {}, &Tfrm_Converter::mnu_About1Click);
}

// Adds a menu item that runs `handler` (when given) with the item as sender.
QAction* Tfrm_Converter::addCommand(QWidget* menu, const char* name, const QString& caption,
                                    const QKeySequence& shortcut, EventHandler handler)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    if (handler)
        connectGuarded(action, &QAction::triggered, [this, action, handler] { (this->*handler)(action); });
    return action;
}

bool Tfrm_Converter::isMenuShortcut(const QKeyEvent& event) const
{
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction*> actions = mnu_MainMenu1->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&](const QAction* action) {
        return !action->shortcut().isEmpty() && action->shortcut().matches(pressed) == QKeySequence::ExactMatch;
    });
}

} // namespace velmar

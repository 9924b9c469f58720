#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#include "window/converter_window.h"
#include "window/fault_report.h"

namespace velmar {
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
        return menu;
    };

    mnu_Exit1 = addCommand(mnu_MainMenu1, "mnu_Exit1", QStringLiteral("E&xit!"), {}, &Tfrm_Converter::mnu_Exit1Click);

    mnu_Edit1 = addMenu("mnu_Edit1", QStringLiteral("&Edit"));
    connect(mnu_Edit1, &QMenu::aboutToShow, this,
            [this] { runReportingFaults(this, [this] { mnu_Edit1Click(mnu_Edit1); }); });
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
    connect(mnu_SortUnitLists1, &QAction::triggered, this, [this](bool checked) {
        mnu_SortUnitLists1->setChecked(!checked);
        runReportingFaults(this, [this] { mnu_SortUnitLists1Click(mnu_SortUnitLists1); });
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
                                    const QKeySequence& shortcut, void (Tfrm_Converter::*handler)(QObject*))
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    if (handler) {
        connect(action, &QAction::triggered, this,
                [this, action, handler] { runReportingFaults(this, [&] { (this->*handler)(action); }); });
    }
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

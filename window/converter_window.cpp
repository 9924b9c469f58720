#include "window/converter_window.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

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
constexpr int DesignTabStripHeight = 18;

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
    connectEvents();
    runReportingFaults(this, [this] { FormCreate(); });
}

Tfrm_Converter::~Tfrm_Converter()
{
    runReportingFaults(this, [this] { FormDestroy(); });
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
    TabSet1->setFixedHeight(DesignTabStripHeight);
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
    connect(txt_In, &QLineEdit::textChanged, this,
            [this] { runReportingFaults(this, [this] { MainChange(txt_In); }); });
    for (UnitListBox* list : {lst_In, lst_Out}) {
        connect(list, &UnitListBox::selectionChangedByUser, this,
                [this, list] { runReportingFaults(this, [this, list] { MainChange(list); }); });
    }
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
        return watched == txt_In && refusesTypedKey(key);
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        trackFocus(watched, *event);
        return false;
    case QEvent::FontChange: {
        auto* box = static_cast<QLineEdit*>(watched);
        box->resize(box->width(), box->sizeHint().height());
        return false;
    }
    default:
        return false;
    }
}

} // namespace velmar

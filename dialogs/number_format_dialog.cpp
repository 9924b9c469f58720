#include "dialogs/number_format_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <vector>

#include "dialogs/dialog_look.h"
#include "dialogs/reference/help_topics.h"
#include "engine/extended.h"
#include "engine/result_formatting.h"
#include "widgets/window_modal.h"

namespace velmar {
namespace {

// The value every sample shows: the extended value nearest to it.
constexpr Extended SampleValue = ExtendedLiteral(1234567.890123456L);

// A digit box that only its arrows (buttons, arrow keys, wheel) change.
class ArrowOnlySpinBox : public QSpinBox {
public:
    explicit ArrowOnlySpinBox(QWidget* parent)
        : QSpinBox(parent)
    {
        lineEdit()->setReadOnly(true);
    }
};

struct FormChoice {
    ResultForm Form;
    const char* Caption;
    const char* Description; // for screen readers
    QRect Geometry;
};

constexpr FormChoice FormChoices[] = {
    {ResultForm::AutoFormat,
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "AutoFormat"),
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "Up to ten significant digits, with an exponent when needed."),
     {24, 32, 113, 17}},
    {ResultForm::Scientific,
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "Scientific"),
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "Always with an exponent, to the chosen number of digits."),
     {24, 56, 113, 17}},
    {ResultForm::Fixed,
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "Fixed"),
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "The chosen number of decimal places."),
     {24, 80, 113, 17}},
    {ResultForm::Commas,
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "Fixed with Commas"),
     QT_TRANSLATE_NOOP("velmar::Tfrm_NumberFormat", "The chosen number of decimal places, with thousands marks."),
     {24, 104, 129, 17}},
};

QGroupBox* MakeFrame(QWidget* parent, const QString& objectName, const QString& caption, QRect geometry)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(objectName);
    frame->setFont(DialogControlFont());
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

Tfrm_NumberFormat::Tfrm_NumberFormat(QWidget* owner, const NumberFormatSetting& current, const RegionalMarks& marks)
    : QDialog(owner)
    , marks_(marks)
{
    MakeFixedDialog(*this, tr("Result Number Format"), QSize(305, 268));
    BuildControls();

    QAbstractButton* choice = choices_->button(ViewTypeOf(current.ViewType));
    (choice != nullptr ? choice : choices_->button(ViewTypeOf(ResultForm::AutoFormat)))->setChecked(true);
    SpinEdit1->setValue(current.Precision);
}

void Tfrm_NumberFormat::BuildControls()
{
    MakeFrame(this, QStringLiteral("RadioGroup1"), tr("Choose Result Number Format"), QRect(8, 8, 169, 129));
    QGroupBox* GroupBox2
        = MakeFrame(this, QStringLiteral("GroupBox2"), tr("Decimal Precision"), QRect(192, 8, 105, 129));
    QGroupBox* GroupBox1 = MakeFrame(this, QStringLiteral("GroupBox1"), tr("Sample"), QRect(8, 144, 289, 81));

    choices_ = new QButtonGroup(this);
    for (const FormChoice& form : FormChoices) {
        auto* button = new QRadioButton(tr(form.Caption), this);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(ViewTypeOf(form.Form)));
        button->setFont(DialogControlFont());
        button->setGeometry(form.Geometry);
        button->setAccessibleDescription(tr(form.Description));
        choices_->addButton(button, ViewTypeOf(form.Form));
    }
    connect(choices_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RadioButton1Click();
    });

    auto* Label2 = new QLabel(tr("0-9 decimal places may be displayed."), GroupBox2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(DialogControlFont());
    Label2->setGeometry(16, 32, 77, 49);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);

    SpinEdit1 = new ArrowOnlySpinBox(GroupBox2);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setFont(DialogControlFont());
    SpinEdit1->setGeometry(32, 88, 41, 22);
    SpinEdit1->setRange(0, 9);
    SpinEdit1->setValue(4);
    SpinEdit1->setAccessibleName(tr("Decimal precision"));
    SpinEdit1->setAccessibleDescription(tr("0-9 decimal places may be displayed."));
    QPalette digitBoxColours = SpinEdit1->palette();
    digitBoxColours.setColor(QPalette::Disabled, QPalette::Base,
                             digitBoxColours.color(QPalette::Active, QPalette::Button));
    SpinEdit1->setPalette(digitBoxColours);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &Tfrm_NumberFormat::SpinEdit1Change);

    Label1 = new QLabel(GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont sampleFont = FontByPixels(QStringLiteral("Arial"), 19, QFont::SansSerif);
    sampleFont.setBold(true);
    Label1->setFont(sampleFont);
    Label1->setGeometry(16, 32, 257, 33);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* btn_Help = MakeHelpButton(this, QRect(8, 233, 25, 27));
    connect(btn_Help, &QPushButton::clicked, this, [] { ShowHelpTopic(QStringLiteral("NumberFormatScreen")); });
    QPushButton* btn_Cancel = MakeCancelButton(*this, QRect(144, 233, 73, 27));
    QPushButton* btn_OK = MakeOkButton(*this, QRect(224, 233, 73, 27));

    std::vector<QWidget*> tabOrder;
    for (const FormChoice& form : FormChoices)
        tabOrder.push_back(choices_->button(ViewTypeOf(form.Form)));
    tabOrder.insert(tabOrder.end(), {btn_Cancel, btn_OK, SpinEdit1, btn_Help});
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

NumberFormatSetting Tfrm_NumberFormat::ChosenSetting() const
{
    return MakeNumberFormatSetting(ResultFormOf(choices_->checkedId()), SpinEdit1->value());
}

void Tfrm_NumberFormat::RadioButton1Click()
{
    SpinEdit1->setEnabled(choices_->checkedId() != ViewTypeOf(ResultForm::AutoFormat));
    RefreshSample();
}

void Tfrm_NumberFormat::SpinEdit1Change()
{
    RefreshSample();
}

void Tfrm_NumberFormat::RefreshSample()
{
    Label1->setText(QString::fromStdString(FormatResult(SampleValue, ChosenSetting(), marks_)));
}

std::optional<NumberFormatSetting> RunNumberFormatDialog(QWidget* owner, const NumberFormatSetting& current,
                                                         const RegionalMarks& marks)
{
    Tfrm_NumberFormat dialog(owner, current, marks);
    if (RunWindowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenSetting();
}

} // namespace velmar

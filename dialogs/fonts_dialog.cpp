#include "dialogs/fonts_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_look.h"
#include "dialogs/reference/help_topics.h"
#include "widgets/alert.h"
#include "widgets/window_modal.h"

namespace velmar {
namespace {

QLabel* MakeSample(QGroupBox* frame, const QString& objectName)
{
    auto* sample = new QLabel(QObject::tr("Sample Text - 12345"), frame);
    sample->setObjectName(objectName);
    sample->setGeometry(14, 24, 137, 49);
    sample->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sample->setWordWrap(true);
    return sample;
}

void WarnOfRemovedAttributes(QWidget* parent)
{
    ShowAlert(parent, QMessageBox::Warning, QStringLiteral("Warning"),
              QStringLiteral("Strikeout and underline attributes are not allowed."));
}

} // namespace

Tfrm_Fonts::Tfrm_Fonts(QWidget* owner, const ConverterFonts& current, FontPicker picker)
    : QDialog(owner)
    , picker_(std::move(picker))
{
    MakeFixedDialog(*this, tr("Fonts"), QSize(297, 237));
    BuildControls();
    ShowInFont(*Label1, current.Text);
    ShowInFont(*Label2, current.Tab);
}

void Tfrm_Fonts::BuildControls()
{
    const auto makeFontGroup
        = [this](const QString& frameName, const QString& caption, int top, const QString& buttonName) {
              auto* frame = new QGroupBox(caption, this);
              frame->setObjectName(frameName);
              frame->setFont(DialogControlFont());
              frame->setGeometry(8, top, 281, 89);
              auto* change = new QPushButton(tr("Change..."), frame);
              change->setObjectName(buttonName);
              change->setGeometry(168, 35, 89, 27);
              change->setAutoDefault(false);
              return std::pair{frame, change};
          };
    const auto [GroupBox1, btn_Font1]
        = makeFontGroup(QStringLiteral("GroupBox1"), tr("Text and List Boxes"), 8, QStringLiteral("btn_Font1"));
    const auto [GroupBox2, btn_Font2]
        = makeFontGroup(QStringLiteral("GroupBox2"), tr("Index Tab Font"), 104, QStringLiteral("btn_Font2"));
    Label1 = MakeSample(GroupBox1, QStringLiteral("Label1"));
    Label2 = MakeSample(GroupBox2, QStringLiteral("Label2"));
    // Both buttons read "Change...": screen readers need to tell them apart.
    btn_Font1->setAccessibleName(tr("Change the text and list box font"));
    btn_Font1->setAccessibleDescription(tr("Chooses the font of the input and result boxes and the unit lists."));
    btn_Font2->setAccessibleName(tr("Change the index tab font"));
    btn_Font2->setAccessibleDescription(tr("Chooses the font of the category tabs."));
    connect(btn_Font1, &QPushButton::clicked, this, &Tfrm_Fonts::btn_Font1Click);
    connect(btn_Font2, &QPushButton::clicked, this, &Tfrm_Fonts::btn_Font2Click);

    QPushButton* btn_Help = MakeHelpButton(this, QRect(8, 201, 25, 27));
    connect(btn_Help, &QPushButton::clicked, this, [] { ShowHelpTopic(QStringLiteral("FontsScreen")); });
    QPushButton* btn_Cancel = MakeCancelButton(*this, QRect(56, 201, 73, 27));
    QPushButton* btn_Reset = MakeResetButton(*this, QRect(136, 201, 73, 27), tr("Shows the original fonts again."));
    connect(btn_Reset, &QPushButton::clicked, this, &Tfrm_Fonts::btn_ResetClick);
    QPushButton* btn_OK = MakeOkButton(*this, QRect(216, 201, 73, 27));

    setTabOrder(btn_Font1, btn_Font2);
    setTabOrder(btn_Font2, btn_Cancel);
    setTabOrder(btn_Cancel, btn_Reset);
    setTabOrder(btn_Reset, btn_OK);
    setTabOrder(btn_OK, btn_Help);
}

ConverterFonts Tfrm_Fonts::ChosenFonts() const
{
    return {FontShownBy(*Label1), FontShownBy(*Label2)};
}

void Tfrm_Fonts::PickFontFor(QLabel& sample)
{
    const std::optional<FontChoice> picked = picker_(FontShownBy(sample), this);
    if (!picked)
        return;
    if (picked->Font.underline() || picked->Font.strikeOut())
        WarnOfRemovedAttributes(this);
    ShowInFont(sample, {KeptFont(picked->Font), picked->Colour});
}

void Tfrm_Fonts::btn_Font1Click()
{
    PickFontFor(*Label1);
}

void Tfrm_Fonts::btn_Font2Click()
{
    PickFontFor(*Label2);
}

void Tfrm_Fonts::btn_ResetClick()
{
    ShowInFont(*Label1, DefaultTextFont());
    ShowInFont(*Label2, DefaultTabFont());
}

std::optional<ConverterFonts> RunFontsDialog(QWidget* owner, const ConverterFonts& current, FontPicker picker)
{
    Tfrm_Fonts dialog(owner, current, std::move(picker));
    if (RunWindowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenFonts();
}

} // namespace velmar

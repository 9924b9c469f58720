#pragma once

#include <QDialog>

#include <optional>

#include "engine/number_format.h"

class QButtonGroup;
class QLabel;
class QSpinBox;

namespace velmar {

// "Result Number Format": the four result forms, their digit count and a live
// sample of both.
class Tfrm_NumberFormat : public QDialog {
    Q_OBJECT

public:
    // Opens on the setting's form and digits; the digit box holds 0 to 9, so
    // a stored Precision outside that range shows clamped.
    Tfrm_NumberFormat(QWidget* owner, const NumberFormatSetting& current, const RegionalMarks& marks);

    // The selected form with the digit box's value as Precision, also for
    // AutoFormat, which ignores it.
    NumberFormatSetting ChosenSetting() const;

private:
    void BuildControls();
    void RadioButton1Click();
    void SpinEdit1Change();
    void RefreshSample();

    RegionalMarks marks_;
    QButtonGroup* choices_ = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label1 = nullptr;
};

// Shows the dialog modally over `owner`; the new setting on OK, nothing otherwise.
std::optional<NumberFormatSetting> RunNumberFormatDialog(QWidget* owner, const NumberFormatSetting& current,
                                                         const RegionalMarks& marks);

} // namespace velmar

#include "engine/result_formatting.h"

#include <algorithm>
#include <cstdlib>

#include "engine/decimal_digits.h"

namespace velmar {
namespace {

constexpr int AutoFormatDigits = 10;

// A Precision beyond the digits a result holds gives the form's default.
int ScientificDigits(int precision)
{
    if (precision < 0 || precision > SignificantDigitLimit)
        return 15;
    return std::max(precision, 2);
}

int FixedDecimals(int precision)
{
    return precision < 0 || precision > SignificantDigitLimit ? 2 : precision;
}

class ResultWriter {
public:
    explicit ResultWriter(const RegionalMarks& marks)
        : marks_(marks)
    { }

    std::string Take() { return std::move(text_); }

    void Sign(const DecimalDigits& digits)
    {
        if (digits.Negative)
            text_ += '-';
    }

    // AutoFormat: an exponent outside -3 < E <= significantLimit writes the
    // exponent form, 1.5E-5; otherwise plain decimals, 0.0001 or 1234.5.
    void General(const DecimalDigits& digits, int significantLimit)
    {
        const std::string_view all = digits.Digits();
        const int exponent = digits.Exponent;
        if (exponent > significantLimit || exponent < -3) {
            text_ += all.front();
            Fraction(all.substr(1));
            text_ += 'E';
            text_ += std::to_string(exponent - 1);
        } else if (exponent <= 0) {
            text_ += '0';
            if (!all.empty()) {
                text_ += marks_.DecimalMark;
                text_.append(-exponent, '0');
                text_ += all;
            }
        } else {
            IntegerPart(all, exponent, false);
            Fraction(all.substr(std::min<std::size_t>(exponent, all.size())));
        }
    }

    // d.ddd with significantLimit digits, then E, a sign and three or more digits.
    void Scientific(const DecimalDigits& digits, int significantLimit)
    {
        const std::string_view all = digits.Digits();
        text_ += all.empty() ? '0' : all.front();
        text_ += marks_.DecimalMark;
        const std::string_view rest = all.empty() ? all : all.substr(1);
        text_ += rest;
        text_.append(significantLimit - 1 - rest.size(), '0');
        // zero is written with the exponent 0, not 10^-1
        const int exponent = all.empty() ? 0 : digits.Exponent - 1;
        text_ += 'E';
        text_ += exponent < 0 ? '-' : '+';
        const std::string magnitude = std::to_string(std::abs(exponent));
        text_.append(magnitude.size() < 3 ? 3 - magnitude.size() : 0, '0');
        text_ += magnitude;
    }

    // Integer digits, optionally grouped, then exactly `decimals` decimals.
    void Fixed(const DecimalDigits& digits, int decimals, bool grouped)
    {
        const std::string_view all = digits.Digits();
        const int exponent = digits.Exponent;
        if (exponent <= 0)
            text_ += '0';
        else
            IntegerPart(all, exponent, grouped);
        if (decimals == 0)
            return;
        text_ += marks_.DecimalMark;
        const int leadingZeros = exponent < 0 ? std::min(-exponent, decimals) : 0;
        const std::string_view fraction = all.substr(std::min<std::size_t>(std::max(exponent, 0), all.size()));
        text_.append(leadingZeros, '0');
        text_ += fraction;
        text_.append(decimals - leadingZeros - fraction.size(), '0');
    }

private:
    // The first `length` digits, padded with zeros.
    void IntegerPart(std::string_view all, int length, bool grouped)
    {
        for (int i = 0; i < length; ++i) {
            if (grouped && i > 0 && (length - i) % 3 == 0)
                text_ += marks_.ThousandsMark;
            text_ += i < static_cast<int>(all.size()) ? all[i] : '0';
        }
    }

    void Fraction(std::string_view digits)
    {
        if (digits.empty())
            return;
        text_ += marks_.DecimalMark;
        text_ += digits;
    }

    const RegionalMarks& marks_;
    std::string text_;
};

} // namespace

std::string FormatResult(Extended value, const NumberFormatSetting& setting, const RegionalMarks& marks)
{
    const ResultForm form = setting.ViewType;
    const bool scientific = form == ResultForm::Scientific;
    const bool grouped = form == ResultForm::Commas;
    const bool fixed = form == ResultForm::Fixed || grouped;
    const int significantLimit = scientific ? ScientificDigits(setting.Precision)
        : fixed                             ? SignificantDigitLimit
                                            : AutoFormatDigits;
    const int decimals = fixed ? FixedDecimals(setting.Precision) : AnyDecimals;

    const DecimalDigits digits = RoundedDigits(value, significantLimit, decimals);
    if (digits.Class == DecimalDigits::Kind::Infinity)
        return "INF";
    if (digits.Class == DecimalDigits::Kind::NotANumber)
        return "NAN";

    ResultWriter writer(marks);
    writer.Sign(digits);
    if (scientific)
        writer.Scientific(digits, significantLimit);
    else if (fixed && digits.Exponent <= SignificantDigitLimit)
        writer.Fixed(digits, decimals, grouped);
    else
        writer.General(digits, significantLimit);
    return writer.Take();
}

} // namespace velmar

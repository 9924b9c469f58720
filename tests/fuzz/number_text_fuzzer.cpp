// Any text through completion and reading, then every result form with any
// precision and each pair of regional marks. Reading may fail only with an
// error position inside the text or just after it, or with the overflow
// fault; every result is one line of printable text; writing a value in
// AutoFormat and reading it back writes the same text again; the grouped
// fixed form is the fixed form with thousands marks.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "engine/floating_point_fault.h"
#include "engine/number_reading.h"
#include "engine/result_formatting.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/marks_choice.h"

namespace velmar::fuzz {
namespace {

const RegionalMarks DefaultMarks;

// Any finite or infinite extended value the arithmetic can produce, from ten
// bytes: the explicit integer bit is set exactly when the exponent is not 0,
// so no unsupported x87 encoding arises.
Extended extendedFromBits(std::string_view bytes)
{
    unsigned char bits[sizeof(Extended)] = {};
    std::memcpy(bits, bytes.data(), std::min<std::size_t>(10, bytes.size()));
    const bool exponentIsZero = bits[8] == 0 && (bits[9] & 0x7F) == 0;
    bits[7] = static_cast<unsigned char>(exponentIsZero ? bits[7] & 0x7F : bits[7] | 0x80);
    Extended value;
    std::memcpy(&value, bits, sizeof value);
    return value;
}

// Only the overflow fault may escape reading.
std::optional<Extended> readOrOverflow(std::string_view text)
{
    const std::string completed = CompleteNumberText(text);
    if (completed.size() < text.size() || completed.substr(0, text.size()) != text)
        fail("completion changed the text instead of appending to it", completed);
    try {
        const NumberReading reading = ReadNumber(completed);
        if (reading.ErrorPosition > completed.size() + 1)
            fail("error position beyond the end of the text", completed);
        if (reading.ErrorPosition != 0)
            return std::nullopt;
        return reading.Value;
    } catch (const FloatingPointFault& fault) {
        if (fault.kind() != FloatingPointFault::Kind::Overflow)
            fail("reading raised a fault other than overflow", completed);
        return std::nullopt;
    }
}

std::string formatted(Extended value, const NumberFormatSetting& setting, const RegionalMarks& marks)
{
    std::string text;
    try {
        text = FormatResult(value, setting, marks);
    } catch (const FloatingPointFault&) {
        return {}; // the converters turn a fault while writing into their own text
    }
    requireOneLineOfPrintableText(text, "result text");
    if (text.empty())
        fail("empty result text", text);
    return text;
}

void checkAutoFormatReadsBack(Extended value)
{
    const NumberFormatSetting autoFormat = MakeNumberFormatSetting(ResultForm::AutoFormat, 0);
    const std::string text = formatted(value, autoFormat, DefaultMarks);
    if (!isfinite(value))
        return;
    const std::optional<Extended> readBack = readOrOverflow(text);
    if (!readBack)
        fail("AutoFormat text does not read back", text);
    if (fpclassify(*readBack) == FP_NORMAL && formatted(*readBack, autoFormat, DefaultMarks) != text)
        fail("AutoFormat text read back writes differently", text);
}

void checkGroupedIsFixedWithMarks(Extended value, std::int32_t precision)
{
    std::string grouped = formatted(value, MakeNumberFormatSetting(ResultForm::Commas, precision), DefaultMarks);
    std::erase(grouped, ',');
    const std::string fixed = formatted(value, MakeNumberFormatSetting(ResultForm::Fixed, precision), DefaultMarks);
    if (grouped != fixed)
        fail("grouped fixed form differs from the fixed form", fixed);
}

void checkValue(Extended value, std::int32_t precision, const RegionalMarks& marks)
{
    for (const ResultForm form :
         {ResultForm::AutoFormat, ResultForm::Scientific, ResultForm::Fixed, ResultForm::Commas})
        formatted(value, MakeNumberFormatSetting(form, precision), marks);
    checkAutoFormatReadsBack(value);
    checkGroupedIsFixedWithMarks(value, precision);
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    FuzzInput input(data, size);
    const velmar::RegionalMarks& marks = takeMarks(input);
    const std::int32_t precision = input.takeInt32();
    const std::string_view text = input.rest();
    if (const auto value = readOrOverflow(text))
        checkValue(*value, precision, marks);
    if (text.size() >= 10)
        checkValue(extendedFromBits(text), precision, marks);
    return 0;
}

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "engine/number_format.h"

namespace velmar {
namespace {

// The settings file and the batch protocol store forms as ViewType numbers.
TEST(NumberFormat, StoredViewTypesNameTheirFormsAndPatterns)
{
    const struct {
        std::int32_t ViewType;
        ResultForm Form;
        const char* Pattern;
    } cases[] = {
        {1, ResultForm::AutoFormat, "%.10g"},
        {2, ResultForm::Scientific, "%.*e"},
        {3, ResultForm::Fixed, "%.*f"},
        {4, ResultForm::Commas, "%.*n"},
        {0, ResultForm::AutoFormat, "%.10g"},
        {5, ResultForm::AutoFormat, "%.10g"},
        {-1, ResultForm::AutoFormat, "%.10g"},
        {std::numeric_limits<std::int32_t>::min(), ResultForm::AutoFormat, "%.10g"},
        {std::numeric_limits<std::int32_t>::max(), ResultForm::AutoFormat, "%.10g"},
    };
    for (const auto& c : cases) {
        const NumberFormatSetting setting = MakeNumberFormatSetting(ResultFormOf(c.ViewType), 7);
        EXPECT_EQ(setting.ViewType, c.Form) << c.ViewType;
        EXPECT_EQ(setting.Precision, 7);
        EXPECT_EQ(setting.FormatPattern, c.Pattern) << c.ViewType;
        if (c.ViewType >= 1 && c.ViewType <= 4) {
            EXPECT_EQ(ViewTypeOf(c.Form), c.ViewType);
        }
    }
}

} // namespace
} // namespace velmar

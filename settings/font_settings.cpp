#include "settings/font_settings.h"

#include <QFontInfo>

#include "settings/colour_numbers.h"
#include "settings/settings_keys.h"

namespace velmar {
namespace {

using settings_keys::FontKey;
using settings_keys::MainSection;

int PointsOf(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

} // namespace

FontChoice ReadFontChoice(const ProfileDocument& profile, std::string_view prefix, const FontChoice& current)
{
    QFont font(current.Font);
    font.setFamily(QString::fromStdString(profile.readString(MainSection, FontKey(prefix, settings_keys::FontName),
                                                             current.Font.family().toStdString())));
    const int points
        = profile.readInteger(MainSection, FontKey(prefix, settings_keys::FontSize), PointsOf(current.Font));
    if (points >= 1 && points <= MaxFontPoints)
        font.setPointSize(points);
    const QColor colour = ColourFromNumber(
        profile.readInteger(MainSection, FontKey(prefix, settings_keys::FontColor), PlainColourNumber(current.Colour)));
    font.setBold(profile.readBool(MainSection, FontKey(prefix, settings_keys::FontBold), false));
    font.setItalic(profile.readBool(MainSection, FontKey(prefix, settings_keys::FontItalic), false));
    return {KeptFont(font), colour};
}

void WriteFontChoice(ProfileDocument& profile, std::string_view prefix, const FontChoice& font)
{
    const std::string colourKey = FontKey(prefix, settings_keys::FontColor);
    // Read before writing: a system colour the user kept is written back as it was.
    const std::int32_t storedColour = profile.readInteger(MainSection, colourKey, WindowTextColourNumber);

    profile.writeString(MainSection, FontKey(prefix, settings_keys::FontName), font.Font.family().toStdString());
    profile.writeInteger(MainSection, FontKey(prefix, settings_keys::FontSize), PointsOf(font.Font));
    profile.writeInteger(MainSection, colourKey, NumberForColour(font.Colour, storedColour));
    profile.writeBool(MainSection, FontKey(prefix, settings_keys::FontBold), font.Font.bold());
    profile.writeBool(MainSection, FontKey(prefix, settings_keys::FontItalic), font.Font.italic());
}

} // namespace velmar

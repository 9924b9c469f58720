#pragma once

#include <string_view>

#include "settings/profile/profile_document.h"
#include "widgets/font_choice.h"

namespace velmar {

// A font kept in the main section under a key prefix ("Font1", "Font2"):
// Name, Size in points, Color as a Windows colour number, Bold and Italic.

// Reads the font that the keys describe. A missing or malformed face, size or
// colour keeps the current one; a missing Bold or Italic reads as false, and
// the rest of the style is always plain. A size no font can have (below one
// point, or beyond MaxFontPoints) keeps the current size.
FontChoice ReadFontChoice(const ProfileDocument& profile, std::string_view prefix, const FontChoice& current);

void WriteFontChoice(ProfileDocument& profile, std::string_view prefix, const FontChoice& font);

inline constexpr int MaxFontPoints = 1000;

} // namespace velmar

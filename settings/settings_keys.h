#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/unit_catalogue.h"
#include "packaging/product.h"

namespace velmar::settings_keys {

// The main section is named after the program.
inline constexpr std::string_view MainSection = ApplicationTitle;

// Lines for people who open the file; written at every save, never read.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 4> Notice{{
    {"0---------", "--------------------------------------------------"},
    {"1-WARNING-", "MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT"},
    {"2-WARNING-", "Velmar Converter FROM OPERATING PROPERLY!"},
    {"3---------", "--------------------------------------------------"},
}};

inline constexpr std::string_view TabIndex = "TabIndex";
inline constexpr std::string_view FormTop = "FormTop";
inline constexpr std::string_view FormLeft = "FormLeft";
inline constexpr std::string_view FormWidth = "FormWidth";
inline constexpr std::string_view FormHeight = "FormHeight";
inline constexpr std::string_view IsMaximized = "IsMaximized";
inline constexpr std::string_view ViewType = "ViewType";
inline constexpr std::string_view Precision = "Precision";
inline constexpr std::string_view SortedUnitLists = "SortedUnitLists";

// A font's keys are its prefix followed by one of these.
inline constexpr std::string_view TextFontPrefix = "Font1";
inline constexpr std::string_view TabFontPrefix = "Font2";
inline constexpr std::string_view FontName = "Name";
inline constexpr std::string_view FontSize = "Size";
inline constexpr std::string_view FontColor = "Color";
inline constexpr std::string_view FontBold = "Bold";
inline constexpr std::string_view FontItalic = "Italic";

// The tab order: the count, then one key per position from 1, named by the
// position in decimal.
inline constexpr std::string_view IndexTabsSection = "IndexTabs";
inline constexpr std::string_view TabCount = "TabCount";

// Per category, in its section named by the catalogue.
inline constexpr std::string_view FormatIn = "FormatIn";
inline constexpr std::string_view FormatOut = "FormatOut";
inline constexpr std::string_view ValueIn = "ValueIn";

// The category sections in the order the file has always listed them:
// catalogue order, except that Flow follows Fractions.
inline constexpr std::array<int, CategoryCount> CategorySectionOrder{LengthIndex,
                                                                     AreaIndex,
                                                                     VolumeIndex,
                                                                     VolumeDryIndex,
                                                                     TimeIndex,
                                                                     SpeedIndex,
                                                                     MassIndex,
                                                                     DensityIndex,
                                                                     ForceIndex,
                                                                     EnergyIndex,
                                                                     PowerIndex,
                                                                     PressureIndex,
                                                                     TemperatureIndex,
                                                                     AngleIndex,
                                                                     LightIndex,
                                                                     NumbersIndex,
                                                                     FractionsIndex,
                                                                     FlowIndex,
                                                                     DynamicViscosityIndex,
                                                                     KinematicViscosityIndex,
                                                                     ConductivityIndex,
                                                                     ThermalConductivityIndex};

// Fractions hides its source list, so its source position is never kept.
inline constexpr bool KeepsSourcePosition(int category)
{
    return category != FractionsIndex;
}

inline std::string FontKey(std::string_view prefix, std::string_view attribute)
{
    return std::string(prefix).append(attribute);
}

} // namespace velmar::settings_keys

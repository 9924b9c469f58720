#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace velmar {

enum class CategoryKind { Linear, Temperature, NumberBase, Fraction };

// A unit's display name (UTF-8) and its factor: how many of this unit make one
// reference unit of its category, or in the three special categories the
// unit's id (see catalogue/special_units.h).
struct UnitEntry {
    std::string_view Name;
    long double Factor;
};

struct CategoryInfo {
    std::string_view DisplayName;
    std::string_view SectionName;
    CategoryKind Kind;
};

inline constexpr int CategoryCount = 22;

// Catalogue indices: what the settings file and every table refer to.
inline constexpr int LengthIndex = 0;
inline constexpr int AreaIndex = 1;
inline constexpr int VolumeIndex = 2;
inline constexpr int VolumeDryIndex = 3;
inline constexpr int TimeIndex = 4;
inline constexpr int SpeedIndex = 5;
inline constexpr int MassIndex = 6;
inline constexpr int DensityIndex = 7;
inline constexpr int ForceIndex = 8;
inline constexpr int EnergyIndex = 9;
inline constexpr int PowerIndex = 10;
inline constexpr int PressureIndex = 11;
inline constexpr int FlowIndex = 12;
inline constexpr int TemperatureIndex = 13;
inline constexpr int AngleIndex = 14;
inline constexpr int LightIndex = 15;
inline constexpr int NumbersIndex = 16;
inline constexpr int FractionsIndex = 17;
inline constexpr int DynamicViscosityIndex = 18;
inline constexpr int KinematicViscosityIndex = 19;
inline constexpr int ConductivityIndex = 20;
inline constexpr int ThermalConductivityIndex = 21;

// Display name, settings section and kind of a catalogue index (0 to 21).
const CategoryInfo& categoryInfo(int category);

// The catalogue index of the first display name equal to `displayName`
// (exact, case-sensitive); 0 (Length) when none is.
int Category_Index(std::string_view displayName);

// The 22 unit tables. Positions are 1-based; the tables may be reordered in
// place (alphabetical lists) and rebuilt in catalogue order.
class UnitCatalogue {
public:
    UnitCatalogue();

    void BuildUnitTables();

    int tableSize(int category) const;
    const UnitEntry& unit(int category, int position) const;
    const std::vector<UnitEntry>& table(int category) const;
    std::vector<UnitEntry>& table(int category);
    int totalUnitCount() const;

private:
    std::array<std::vector<UnitEntry>, CategoryCount> tables_;
};

} // namespace velmar

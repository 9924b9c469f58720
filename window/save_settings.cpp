#include <QAction>

#include <string>

#include "settings/font_settings.h"
#include "settings/profile/settings_file.h"
#include "settings/settings_keys.h"
#include "window/converter_window.h"
#include "window/tab_set.h"

namespace velmar {
namespace {

using namespace settings_keys;

void WriteTabOrder(ProfileDocument& profile, const TabSet& tabs)
{
    profile.writeInteger(IndexTabsSection, TabCount, tabs.count());
    for (int position = 1; position <= tabs.count(); ++position)
        profile.writeString(IndexTabsSection, std::to_string(position), tabs.tabText(position - 1).toStdString());
}

void WriteCategoryMemory(ProfileDocument& profile, const ConverterState& state)
{
    for (const int category : CategorySectionOrder) {
        const std::string_view section = categoryInfo(category).SectionName;
        const CategoryMemory& memory = state.Memory[category];
        if (KeepsSourcePosition(category))
            profile.writeInteger(section, FormatIn, memory.FormatIn);
        profile.writeInteger(section, FormatOut, memory.FormatOut);
        profile.writeString(section, ValueIn, memory.ValueIn);
    }
}

} // namespace

// Every key in the order a new file lists them; the file is replaced in one
// step, or left as it was when that fails.
void Tfrm_Converter::SaveSettings()
{
    if (!settingsFile_)
        settingsFile_ = std::make_unique<SettingsFile>(); // start-up failed before the settings were read
    ProfileDocument& profile = settingsFile_->profile();

    for (const auto& [key, text] : Notice)
        profile.writeString(MainSection, key, text);
    profile.writeInteger(MainSection, TabIndex, TabSet1->tabIndex());
    const QRect frame = frameGeometry();
    profile.writeInteger(MainSection, FormTop, frame.top());
    profile.writeInteger(MainSection, FormLeft, frame.left());
    profile.writeInteger(MainSection, FormWidth, frame.width());
    profile.writeInteger(MainSection, FormHeight, frame.height());
    profile.writeBool(MainSection, IsMaximized, isMaximized());
    profile.writeInteger(MainSection, ViewType, ViewTypeOf(numberFormat_.ViewType));
    profile.writeInteger(MainSection, Precision, numberFormat_.Precision);
    profile.writeBool(MainSection, SortedUnitLists, mnu_SortUnitLists1->isChecked());
    const ConverterFonts fonts = converterFonts();
    WriteFontChoice(profile, TextFontPrefix, fonts.Text);
    WriteFontChoice(profile, TabFontPrefix, fonts.Tab);

    WriteTabOrder(profile, *TabSet1);
    WriteCategoryMemory(profile, state_);
    settingsFile_->save();
}

} // namespace velmar

// Start-up and shutdown: FormCreate and LoadSettings when the window is built,
// SaveSettings and FormDestroy when it closes.

#include <QAction>
#include <QMenuBar>
#include <QWidget>

#include <algorithm>
#include <string>

#include "packaging/product.h"
#include "settings/font_settings.h"
#include "settings/profile/profile_values.h"
#include "settings/profile/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/window_placement.h"
#include "widgets/alert.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/utf8_text.h"

namespace velmar {

// Runs as the last step of building the window. An error skips the remaining
// steps; the constructor reports it and the window is still shown.
void Tfrm_Converter::FormCreate()
{
    setWindowTitle(QString::fromUtf8(ApplicationTitle));
    categoryDisplayNames_.clear();
    for (int category = 0; category < CategoryCount; ++category)
        categoryDisplayNames_.append(ToQString(categoryInfo(category).DisplayName));
    focusedTextBox_ = nullptr;
    state_.PendingCategory = NoSwitchPending;
    catalogue_.BuildUnitTables();
    RebuildUnitNameLists();
    LoadSettings();
}

// Runs first when the window is taken down. An error skips the remaining
// steps; the destructor reports it and the program still ends.
void Tfrm_Converter::FormDestroy()
{
    SaveSettings();
    categoryDisplayNames_.clear();
    ReleaseUnitNameLists();
}

namespace {

using namespace settings_keys;

// A file from a version with fewer categories: its tab order cannot be
// applied. The window is not shown yet, so the notice stands by itself in the
// middle of the screen.
void TellTabOrderIsReset()
{
    ShowAlert(nullptr, QMessageBox::Information, QStringLiteral("Information"),
              QStringLiteral("Because of the addition of new unit categories in this version of Velmar "
                             "Converter, any custom category arranging will need to be redone."));
}

void ApplyTabOrder(const ProfileDocument& profile, TabSet& tabs, const QStringList& displayNames)
{
    if (profile.readInteger(IndexTabsSection, TabCount, tabs.count()) != tabs.count()) {
        TellTabOrderIsReset();
        return;
    }
    for (int position = 1; position <= tabs.count(); ++position) {
        const std::string caption = profile.readString(IndexTabsSection, std::to_string(position),
                                                       displayNames.value(position - 1).toStdString());
        tabs.setTabText(position - 1, QString::fromStdString(caption));
    }
}

// A stored position outside the strip would leave the window without a
// current category: the tab selected so far stays.
void SelectStoredTab(const ProfileDocument& profile, TabSet& tabs)
{
    const int stored = profile.readInteger(MainSection, TabIndex, tabs.tabIndex());
    if (stored >= 0 && stored < tabs.count())
        tabs.setTabIndex(stored);
}

// Nothing when the key is missing or malformed; otherwise the stored value
// brought within [lowest, highest].
std::optional<int> StoredInteger(const ProfileDocument& profile, std::string_view key, int lowest, int highest)
{
    const std::optional<int> stored = parseProfileInteger(profile.readString(MainSection, key, {}));
    return stored ? std::optional(std::clamp(*stored, lowest, highest)) : std::nullopt;
}

// Qt computes a frame's right and bottom edges as position + size - 1: a
// hand-edited value near the integer range would overflow there. No screen
// reaches beyond the largest widget size.
StoredFrame ReadStoredFrame(const ProfileDocument& profile)
{
    StoredFrame frame;
    frame.Top = StoredInteger(profile, FormTop, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame.Left = StoredInteger(profile, FormLeft, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame.Width = StoredInteger(profile, FormWidth, 0, QWIDGETSIZE_MAX);
    frame.Height = StoredInteger(profile, FormHeight, 0, QWIDGETSIZE_MAX);
    return frame;
}

void ReadCategoryMemory(const ProfileDocument& profile, ConverterState& state)
{
    for (const int category : CategorySectionOrder) {
        const std::string_view section = categoryInfo(category).SectionName;
        CategoryMemory& memory = state.Memory[category];
        if (KeepsSourcePosition(category))
            memory.FormatIn = profile.readInteger(section, FormatIn, -1);
        memory.FormatOut = profile.readInteger(section, FormatOut, -1);
        memory.ValueIn = profile.readString(section, ValueIn, {});
    }
}

} // namespace

// The order of the steps matters: the category memory is read only after
// every step that records the window into it or empties it, and after the
// unit lists' order is settled, which the stored positions refer to.
void Tfrm_Converter::LoadSettings()
{
    settingsFile_ = std::make_unique<SettingsFile>();
    const ProfileDocument profile = settingsFile_->read();
    ClearAllCategoryMemory(state_); // Fractions' source position is never stored: it starts as none

    TabSet1->setTabs(categoryDisplayNames_);
    ApplyTabOrder(profile, *TabSet1, categoryDisplayNames_);
    SelectStoredTab(profile, *TabSet1);

    const bool maximized = profile.readBool(MainSection, IsMaximized, isMaximized());
    const std::int32_t viewType = profile.readInteger(MainSection, ViewType, ViewTypeOf(ResultForm::AutoFormat));
    const std::int32_t precision = profile.readInteger(MainSection, Precision, 4);
    if (profile.readBool(MainSection, SortedUnitLists, false))
        mnu_SortUnitLists1Click(mnu_SortUnitLists1);
    numberFormat_ = MakeNumberFormatSetting(ResultFormOf(viewType), precision);

    if (maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        RestoreWindowFrame(*this, ReadStoredFrame(profile), menuBar()->sizeHint().height());

    ConverterFonts fonts = converterFonts();
    fonts.Text = ReadFontChoice(profile, TextFontPrefix, fonts.Text);
    fonts.Tab = ReadFontChoice(profile, TabFontPrefix, fonts.Tab);
    setConverterFonts(fonts);
    RelayoutConverter();
    FitTabStripHeight();

    ReadCategoryMemory(profile, state_);
    bool allowChange = true;
    TabSet1Change(this, TabSet1->tabIndex(), allowChange);
}

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

// Every key in the order a new file lists them, written into the file as it
// is at this moment: what others changed in it since the start stays. The
// file is rewritten whole, or left as it was when that fails.
void Tfrm_Converter::SaveSettings()
{
    if (!settingsFile_)
        settingsFile_ = std::make_unique<SettingsFile>(); // start-up failed before the settings were read
    settingsFile_->save([this](ProfileDocument& profile) {
        for (const auto& [key, text] : Notice)
            profile.writeString(MainSection, key, text);
        profile.writeInteger(MainSection, TabIndex, TabSet1->tabIndex());
        const QRect frame = frameGeometry();
        if (PlatformKnowsWindowPositions()) {
            profile.writeInteger(MainSection, FormTop, frame.top());
            profile.writeInteger(MainSection, FormLeft, frame.left());
        }
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
    });
}

} // namespace velmar

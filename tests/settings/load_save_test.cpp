#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "settings/profile/profile_document.h"
#include "settings/profile/settings_file.h"
#include "tests/support/converter_window_fixture.h"
#include "tests/support/message_answerer.h"
#include "tests/support/test_files.h"
#include "window/utf8_text.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;
using test_support::readBytes;
using test_support::writeBytes;

constexpr char Main[] = "Velmar Converter";

QStringList catalogueDisplayNames()
{
    QStringList names;
    for (int category = 0; category < CategoryCount; ++category)
        names.append(ToQString(categoryInfo(category).DisplayName));
    return names;
}

// Each test starts without a settings file (the test main empties the
// process's own configuration folder before each test), writes the file it
// needs, and starts and closes converter windows as the program does.
class SettingsTest : public ConverterWindowTest {
protected:
    void SetUp() override { } // the window starts once the test has written its file

    void TearDown() override
    {
        ConverterWindowTest::TearDown();
        EXPECT_TRUE(faults.messages.isEmpty()) << faults.messages.join(' ').toStdString();
    }

    static void writeSettings(const std::string& text)
    {
        fs::create_directories(settingsFilePath().parent_path());
        writeBytes(settingsFilePath(), text);
    }

    static std::string savedSettings() { return readBytes(settingsFilePath()); }

    void start() { openWindow(); }

    // Closes the window, which saves, and gives the file it wrote.
    ProfileDocument closeAndRead()
    {
        window.reset();
        return ProfileDocument(savedSettings());
    }

    bool sorted() { return control<QAction>("mnu_SortUnitLists1")->isChecked(); }
};

// The names in the order the file holds them: "[Section]" for a header, the
// key for a key line.
std::vector<std::string> namesInOrder(const std::string& text)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        if (!line.empty() && line.front() == '[')
            names.push_back(line);
        else if (line.find('=') != std::string::npos)
            names.push_back(line.substr(0, line.find('=')));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return names;
}

TEST_F(SettingsTest, FirstStartShowsDefaultsAndWritesEveryKeyInItsOrder)
{
    start();
    EXPECT_EQ(tabSet->tabs(), catalogueDisplayNames());
    EXPECT_EQ(tabSet->tabIndex(), 0);
    EXPECT_EQ(lstIn->count(), window->catalogue().tableSize(LengthIndex));
    EXPECT_EQ(lstIn->selectedPosition(), -1);
    EXPECT_EQ(lstOut->selectedPosition(), -1);
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_FALSE(sorted());
    EXPECT_EQ(window->numberFormat().ViewType, ResultForm::AutoFormat);
    EXPECT_EQ(window->numberFormat().Precision, 4);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), QSize(610, 450));
    // The design font is bold, but a missing Font1Bold reads as false.
    const ConverterFonts fonts = window->converterFonts();
    EXPECT_EQ(fonts.Text.Font.family(), "Arial");
    EXPECT_EQ(fonts.Text.Font.pointSize(), 10);
    EXPECT_FALSE(fonts.Text.Font.bold());
    EXPECT_EQ(fonts.Text.Colour, DesktopTextColour());
    EXPECT_EQ(fonts.Tab.Font.family(), "Small Fonts");
    EXPECT_EQ(fonts.Tab.Font.pointSize(), 7);
    EXPECT_FALSE(fonts.Tab.Font.bold());
    for (int category = 0; category < CategoryCount; ++category)
        EXPECT_EQ(memory(category).FormatOut, -1) << category;

    window.reset();
    const std::string written = savedSettings();
    std::vector<std::string> expected{
        "[Velmar Converter]", "0---------", "1-WARNING-",  "2-WARNING-",  "3---------",  "TabIndex",  "FormTop",
        "FormLeft",           "FormWidth",  "FormHeight",  "IsMaximized", "ViewType",    "Precision", "SortedUnitLists",
        "Font1Name",          "Font1Size",  "Font1Color",  "Font1Bold",   "Font1Italic", "Font2Name", "Font2Size",
        "Font2Color",         "Font2Bold",  "Font2Italic", "[IndexTabs]", "TabCount"};
    for (int position = 1; position <= CategoryCount; ++position)
        expected.push_back(std::to_string(position));
    for (const char* section : {"Length", "Area", "Volume", "DryVolume", "Time", "Speed", "Mass", "Density", "Force",
                                "Energy", "Power", "Pressure", "Temperature", "Angle", "Light", "Numbers"})
        expected.insert(expected.end(), {std::string("[") + section + "]", "FormatIn", "FormatOut", "ValueIn"});
    expected.insert(expected.end(), {"[Fractions]", "FormatOut", "ValueIn"});
    for (const char* section : {"Flow", "Viscosity1", "Viscosity2", "Conductivity", "ThermalConductivity"})
        expected.insert(expected.end(), {std::string("[") + section + "]", "FormatIn", "FormatOut", "ValueIn"});
    EXPECT_EQ(namesInOrder(written), expected);

    const ProfileDocument file(written);
    EXPECT_EQ(file.readString(Main, "0---------", ""), std::string(50, '-'));
    EXPECT_EQ(file.readString(Main, "1-WARNING-", ""), "MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT");
    EXPECT_EQ(file.readString(Main, "2-WARNING-", ""), "Velmar Converter FROM OPERATING PROPERLY!");
    // The system colour "window text": the text follows a dark theme.
    EXPECT_EQ(file.readString(Main, "Font1Color", ""), "-2147483640");
    EXPECT_EQ(file.readString(Main, "Font2Color", ""), "-2147483640");
    EXPECT_EQ(file.readString(Main, "Font1Bold", ""), "0");
    EXPECT_EQ(file.readString("IndexTabs", "TabCount", ""), "22");
    EXPECT_EQ(file.readString("IndexTabs", "18", ""), "Fractions");
    EXPECT_EQ(file.readString("Flow", "FormatIn", ""), "-1");
}

TEST_F(SettingsTest, EveryChoiceAndEveryCategorysMemoryComesBackAfterARestart)
{
    start();
    tabSet->setTabText(LengthIndex, "Mass");
    tabSet->setTabText(MassIndex, "Length");
    tabSet->setTabIndex(VolumeDryIndex);
    window->numberFormat() = MakeNumberFormatSetting(ResultForm::Fixed, 2);
    QFont textFont(QStringLiteral("Courier New"), 12);
    textFont.setItalic(true);
    QFont tabFont(QStringLiteral("DejaVu Sans"), 9);
    tabFont.setBold(true);
    window->setConverterFonts({{textFont, QColor(255, 0, 0)}, {tabFont, QColor(0, 0, 255)}});
    window->move(60, 50);
    window->resize(500, 400);
    const std::string longInput(1100, '7');
    memory(VolumeDryIndex) = {"12.5", 2, 5};
    memory(LengthIndex) = {"5", 19, 21};
    memory(FlowIndex) = {longInput, 0, 1};
    memory(FractionsIndex) = {"0.75", 1, 0};
    window.reset();
    const std::string firstFile = savedSettings();

    start();
    EXPECT_EQ(tabSet->tabText(LengthIndex), "Mass");
    EXPECT_EQ(tabSet->tabText(MassIndex), "Length");
    EXPECT_EQ(tabSet->tabIndex(), VolumeDryIndex);
    EXPECT_EQ(window->numberFormat().ViewType, ResultForm::Fixed);
    EXPECT_EQ(window->numberFormat().Precision, 2);
    EXPECT_EQ(window->numberFormat().FormatPattern, "%.*f");
    const ConverterFonts fonts = window->converterFonts();
    EXPECT_EQ(fonts.Text.Font.family(), "Courier New");
    EXPECT_EQ(fonts.Text.Font.pointSize(), 12);
    EXPECT_TRUE(fonts.Text.Font.italic());
    EXPECT_FALSE(fonts.Text.Font.bold());
    EXPECT_EQ(fonts.Text.Colour, QColor(255, 0, 0));
    EXPECT_EQ(fonts.Tab.Font.family(), "DejaVu Sans");
    EXPECT_TRUE(fonts.Tab.Font.bold());
    EXPECT_EQ(fonts.Tab.Colour, QColor(0, 0, 255));
    EXPECT_EQ(window->frameGeometry(), QRect(60, 50, 500, 400));
    // The shown category's memory reached the controls.
    EXPECT_EQ(txtIn->text(), "12.5");
    EXPECT_EQ(lstIn->selectedPosition(), 2);
    EXPECT_EQ(lstOut->selectedPosition(), 5);
    EXPECT_EQ(memory(LengthIndex).ValueIn, "5");
    EXPECT_EQ(memory(LengthIndex).FormatIn, 19);
    EXPECT_EQ(memory(LengthIndex).FormatOut, 21);
    EXPECT_EQ(memory(FlowIndex).ValueIn, longInput.substr(0, 1023));
    EXPECT_EQ(memory(FractionsIndex).FormatIn, -1); // never stored
    EXPECT_EQ(memory(FractionsIndex).FormatOut, 0);
    EXPECT_EQ(memory(FractionsIndex).ValueIn, "0.75");

    // Nothing changed, so the second file is the first but for the input cut
    // on reading.
    window.reset();
    std::string expected = firstFile;
    expected.replace(expected.find(longInput), longInput.size(), longInput.substr(0, 1023));
    EXPECT_EQ(savedSettings(), expected);
}

TEST_F(SettingsTest, AFileFromAVersionWithFewerCategoriesResetsOnlyTheTabOrder)
{
    std::string storedOrder;
    for (int position = 1; position <= CategoryCount; ++position)
        storedOrder
            += std::to_string(position) + "=" + std::string(categoryInfo(CategoryCount - position).DisplayName) + "\n";
    QStringList reversed = catalogueDisplayNames();
    std::reverse(reversed.begin(), reversed.end());
    QStringList renamed = catalogueDisplayNames();
    renamed[1] = "Surface";

    const struct {
        const char* name;
        std::string tabSection;
        QStringList tabsShown;
        bool tellsTheUser;
    } cases[] = {
        {"21 categories", "TabCount=21\n" + storedOrder, catalogueDisplayNames(), true},
        {"count missing", storedOrder, reversed, false},
        {"22 categories", "TabCount=22\n" + storedOrder, reversed, false},
        {"a name no category has", "TabCount=22\n2=Surface\n", renamed, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings("[IndexTabs]\n" + c.tabSection + "[Mass]\nFormatIn=2\nFormatOut=4\nValueIn=3\n");
        test_support::MessageAnswerer messages([this](const QMessageBox&) {
            EXPECT_FALSE(window); // shown before the window exists
        });
        start();
        ASSERT_EQ(messages.shown.size(), c.tellsTheUser ? 1 : 0);
        if (c.tellsTheUser) {
            const test_support::ShownMessage& notice = messages.shown.front();
            EXPECT_EQ(notice.Title, "Information");
            EXPECT_EQ(notice.Icon, QMessageBox::Information);
            EXPECT_EQ(notice.Buttons, QList{QMessageBox::Ok});
            EXPECT_EQ(notice.Owner, nullptr); // alone in the middle of the screen
            EXPECT_EQ(notice.Text,
                      "Because of the addition of new unit categories in this version of Velmar "
                      "Converter, any custom category arranging will need to be redone.");
        }
        EXPECT_EQ(tabSet->tabs(), c.tabsShown);
        EXPECT_EQ(memory(MassIndex).ValueIn, "3");
        EXPECT_EQ(memory(MassIndex).FormatOut, 4);

        const ProfileDocument saved = closeAndRead();
        EXPECT_EQ(saved.readInteger("IndexTabs", "TabCount", 0), CategoryCount);
        EXPECT_EQ(saved.readString("IndexTabs", "2", ""), c.tabsShown[1].toStdString());
    }
}

TEST_F(SettingsTest, AStoredTabOutsideTheStripKeepsTheFirstTab)
{
    const struct {
        const char* stored;
        int selected;
    } cases[] = {{"5", 5}, {"21", 21}, {"0x0A", 10}, {"22", 0}, {"-1", 0}, {"-2", 0}, {"first", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        writeSettings(std::string("[Velmar Converter]\nTabIndex=") + c.stored + "\n");
        start();
        EXPECT_EQ(tabSet->tabIndex(), c.selected);
        EXPECT_EQ(lstIn->count(), window->catalogue().tableSize(c.selected));
        EXPECT_EQ(closeAndRead().readInteger(Main, "TabIndex", -9), c.selected);
    }
}

TEST_F(SettingsTest, AFormatOutsideTheFourKindsBecomesAutomatic)
{
    const struct {
        const char* keys;
        ResultForm form;
        std::int32_t precision;
        const char* pattern;
    } cases[] = {
        {"ViewType=7\nPrecision=2\n", ResultForm::AutoFormat, 2, "%.10g"},
        {"ViewType=0\n", ResultForm::AutoFormat, 4, "%.10g"},
        {"ViewType=4\nPrecision=15\n", ResultForm::Commas, 15, "%.*n"}, // digits are kept unchecked
        {"ViewType=2\nPrecision=-3\n", ResultForm::Scientific, -3, "%.*e"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        writeSettings(std::string("[Velmar Converter]\n") + c.keys);
        start();
        EXPECT_EQ(window->numberFormat().ViewType, c.form);
        EXPECT_EQ(window->numberFormat().Precision, c.precision);
        EXPECT_EQ(window->numberFormat().FormatPattern, c.pattern);
        const ProfileDocument saved = closeAndRead();
        EXPECT_EQ(saved.readInteger(Main, "ViewType", 0), ViewTypeOf(c.form));
        EXPECT_EQ(saved.readInteger(Main, "Precision", 0), c.precision);
    }
}

TEST_F(SettingsTest, AMaximizedWindowIgnoresTheStoredPlacementAndSavesItsOwn)
{
    writeSettings("[Velmar Converter]\nFormTop=5\nFormLeft=6\nFormWidth=300\nFormHeight=200\nIsMaximized=1\n");
    start();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->size(), QSize(610, 450));
    window->show();
    const QRect maximized = window->frameGeometry();
    const ProfileDocument saved = closeAndRead();
    EXPECT_TRUE(saved.readBool(Main, "IsMaximized", false));
    EXPECT_EQ(saved.readInteger(Main, "FormLeft", -1), maximized.left());
    EXPECT_EQ(saved.readInteger(Main, "FormWidth", -1), maximized.width());
}

// A stored position counts only where the title bar and the menu bar are
// on the screen; elsewhere the window stays where the window manager puts it.
TEST_F(SettingsTest, TheStoredPlacementIsRestoredOnScreen)
{
    writeSettings("[Velmar Converter]\nFormWidth=520\nFormHeight=410\n");
    start();
    const QPoint unplaced = window->frameGeometry().topLeft();
    window.reset();

    const struct {
        const char* name;
        const char* keys;
        QRect frame;
    } cases[] = {
        {"all four", "FormTop=40\nFormLeft=30\nFormWidth=520\nFormHeight=410\n", QRect(30, 40, 520, 410)},
        {"on a removed monitor", "FormTop=40\nFormLeft=30000\nFormWidth=520\nFormHeight=410\n",
         QRect(unplaced, QSize(520, 410))},
        {"saved under Wayland", "FormTop=-30\nFormLeft=-3\nFormWidth=520\nFormHeight=410\n",
         QRect(unplaced, QSize(520, 410))},
        {"malformed size", "FormTop=40\nFormLeft=30\nFormWidth=wide\nFormHeight=410\n", QRect(30, 40, 610, 410)},
        {"beyond any screen", "FormTop=-2147483648\nFormLeft=2147483647\nFormWidth=520\nFormHeight=410\n",
         QRect(unplaced, QSize(520, 410))},
        {"larger than the desktop", "FormTop=40\nFormLeft=30\nFormWidth=2147483647\nFormHeight=2147483647\n",
         QRect(unplaced, QGuiApplication::primaryScreen()->virtualSize())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(std::string("[Velmar Converter]\n") + c.keys);
        start();
        EXPECT_EQ(window->frameGeometry(), c.frame);
        window.reset();
    }

    writeSettings("[Velmar Converter]\nFormWidth=1\nFormHeight=-50\n");
    start();
    EXPECT_GE(window->width(), window->minimumSizeHint().width());
    EXPECT_GE(window->height(), window->minimumSizeHint().height());
}

TEST_F(SettingsTest, SortedListsAreSortedBeforeTheStoredPositionsAreRead)
{
    writeSettings("[Velmar Converter]\nSortedUnitLists=1\n[Length]\nFormatIn=0\nFormatOut=2\nValueIn=1\n");
    start();
    EXPECT_TRUE(sorted());
    ASSERT_EQ(lstIn->selectedPosition(), 0);
    EXPECT_EQ(lstIn->items().at(0), "angstrom");
    EXPECT_EQ(txtIn->text(), "1");

    const ProfileDocument saved = closeAndRead();
    EXPECT_TRUE(saved.readBool(Main, "SortedUnitLists", false));
    EXPECT_EQ(saved.readInteger("Length", "FormatIn", -9), 0);
    EXPECT_EQ(saved.readInteger("Length", "FormatOut", -9), 2);
}

TEST_F(SettingsTest, UnknownContentSurvivesAndTheNoticeIsRewritten)
{
    const std::string unknownSection = "[Other Program]\n; kept by the user\nsetting = \"quoted\"\n\xff\xfe=bytes\n";
    writeSettings("[velmar converter]\n1-WARNING-=edited by hand\nWindowTheme=dark\n\n" + unknownSection
                  + "[Fractions]\nFormatIn=4\nFormatOut=1\n");
    start();
    window.reset();
    const std::string saved = savedSettings();
    // Keys keep their places; missing ones follow the section's last line.
    EXPECT_EQ(saved.substr(0, saved.find("\n0---------")),
              "[velmar converter]\n1-WARNING-=MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT\n"
              "WindowTheme=dark");
    EXPECT_NE(saved.find("\n\n" + unknownSection + "[Fractions]\n"), std::string::npos);
    const ProfileDocument file(saved);
    EXPECT_EQ(file.readString(Main, "0---------", ""), std::string(50, '-'));
    EXPECT_EQ(file.readString(Main, "3---------", ""), std::string(50, '-'));
    // Fractions never gets a source position; one already there is left alone.
    EXPECT_EQ(file.readString("Fractions", "FormatIn", ""), "4");
    EXPECT_EQ(file.readString("Fractions", "FormatOut", ""), "1");
}

// A file carried over from Windows holds Windows-1252: its names show as
// their characters, and the lines the program leaves unchanged keep their
// bytes.
TEST_F(SettingsTest, AFileFromWindowsShowsItsCharactersAndKeepsItsBytes)
{
    const std::string fontLine = "Font1Name=Caf\xE9 Sans";
    const std::string tabLine = "2=Surface m\xB2";
    writeSettings("[Velmar Converter]\n" + fontLine + "\n[IndexTabs]\nTabCount=22\n" + tabLine + "\n");
    start();
    EXPECT_EQ(window->converterFonts().Text.Font.family(), QString::fromUtf8("Caf\xC3\xA9 Sans"));
    EXPECT_EQ(tabSet->tabText(1), QString::fromUtf8("Surface m\xC2\xB2"));
    window.reset();
    const std::string saved = savedSettings();
    EXPECT_NE(saved.find('\n' + fontLine + '\n'), std::string::npos);
    EXPECT_NE(saved.find('\n' + tabLine + '\n'), std::string::npos);
}

TEST_F(SettingsTest, AFailedSaveIsReportedAndTheProgramStillEnds)
{
    const fs::path blocker = settingsFilePath().parent_path() / "not-a-folder";
    writeSettings("");
    writeBytes(blocker, "a file");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QString::fromStdString(blocker.string())));
    start();
    window.reset();
    qputenv("XDG_CONFIG_HOME", configHome);
    EXPECT_EQ(faults.messages, QStringList{"Unable to write to TOLVANEX.INI."});
    faults.messages.clear();
}

} // namespace
} // namespace velmar

// The help collection as built and shipped: every topic the program opens by
// name exists, the contents and the index are complete, and the collection
// works from a folder the program may not write to.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "catalogue/unit_catalogue.h"
#include "dialogs/reference/help_browser.h"
#include "dialogs/reference/help_window.h"
#include "tests/reference/help_test_support.h"

namespace velmar {
namespace {

class BuiltHelpTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(builtHelpCollection().isEmpty()) << "the help collection was not built";
        ASSERT_TRUE(window.isHelpAvailable());
        ASSERT_TRUE(waitUntilHelpLoaded(window));
    }

    QStringList titlesUnder(const QModelIndex& parent) const
    {
        const QHelpContentModel& contents = *window.engine().contentModel();
        QStringList titles;
        for (int row = 0; row < contents.rowCount(parent); ++row)
            titles << contents.index(row, 0, parent).data().toString();
        return titles;
    }

    HelpWindow window{builtHelpCollection()};
};

TEST_F(BuiltHelpTest, EveryContextStringOpensItsTopic)
{
    const struct {
        const char* contextString;
        const char* heading;
    } topics[] = {
        {"MetricPrefixes", "<h1>Metric prefixes</h1>"},
        {"ChooseUnitCategoryScreen", "<h1>Choose Category dialog</h1>"},
        {"ArrangeCategoryOrderScreen", "<h1>Arrange Category Order dialog</h1>"},
        {"FontsScreen", "<h1>Fonts dialog</h1>"},
        {"NumberFormatScreen", "<h1>Result Number Format dialog</h1>"},
        {"Contents", "<h1>Welcome to Velmar Converter</h1>"},
        {"HowToUseHelp", "<h1>How to use help</h1>"},
    };
    for (const auto& topic : topics) {
        const QList<QHelpLink> documents = window.engine().documentsForIdentifier(topic.contextString);
        ASSERT_EQ(documents.size(), 1) << topic.contextString;
        EXPECT_TRUE(pageText(window, documents.first().url).contains(QLatin1String(topic.heading)))
            << topic.contextString;
    }
}

TEST_F(BuiltHelpTest, ContentsListTheTopicsInReadingOrder)
{
    EXPECT_EQ(titlesUnder({}),
              (QStringList{
                  "Welcome to Velmar Converter",
                  "Converting a value",
                  "What you can type",
                  "Result number formats",
                  "Categories and units",
                  "Temperature, Numbers and Fractions",
                  "Menu commands",
                  "Metric prefixes",
                  "Keyboard shortcuts",
                  "Your settings",
                  "How to use help",
              }));

    QStringList categories;
    for (int category = 0; category < CategoryCount; ++category)
        categories << toQString(categoryInfo(category).DisplayName);
    const QModelIndex categoriesEntry = window.engine().contentModel()->index(4, 0);
    EXPECT_EQ(titlesUnder(categoriesEntry), categories);
}

TEST_F(BuiltHelpTest, IndexFindsKeywordsAndTheirTopics)
{
    const struct {
        const char* keyword;
        const char* pageText;
    } keywords[] = {
        {"kilometer", "<h1>Length</h1>"},
        {"Fahrenheit", "<h1>Temperature</h1>"},
        {"Réaumur", "<h1>Temperature</h1>"},
        {"yotta", "<h1>Metric prefixes</h1>"},
        {"yocto", "<h1>Metric prefixes</h1>"},
        {"Roman numerals", "MCMXCIV"},
        {"Invert Current Conversion", "You cannot invert this type of conversion."},
        {"TOLVANEX.INI", "XDG_CONFIG_HOME"},
        {"decimal too precise", "0.3333333333"},
    };
    QHelpIndexModel& index = *window.engine().indexModel();
    for (const auto& entry : keywords) {
        const QString keyword = QString::fromUtf8(entry.keyword);
        EXPECT_EQ(index.filter(keyword).data().toString(), keyword);
        const QList<QHelpLink> documents = window.engine().documentsForKeyword(keyword);
        ASSERT_FALSE(documents.isEmpty()) << entry.keyword;
        EXPECT_TRUE(pageText(window, documents.first().url).contains(QString::fromUtf8(entry.pageText)))
            << entry.keyword;
    }
}

// The unit pages are generated from the catalogue: every unit is indexed
// and found on its own category's page.
TEST_F(BuiltHelpTest, IndexHasEveryUnitOnItsCategoryPage)
{
    const UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category) {
        const QString heading = QStringLiteral("<h1>%1</h1>").arg(toQString(categoryInfo(category).DisplayName));
        for (const UnitEntry& unit : catalogue.table(category)) {
            const QString name = toQString(unit.Name);
            const QList<QHelpLink> documents = window.engine().documentsForKeyword(name);
            const bool onCategoryPage = std::any_of(documents.begin(), documents.end(), [&](const QHelpLink& link) {
                const QString page = pageText(window, link.url);
                const QString cell = QLatin1String("</a>") + name;
                return page.contains(heading)
                    && (page.contains(cell + QLatin1String("</td>")) || page.contains(cell + QLatin1String(" <sup>")));
            });
            EXPECT_TRUE(onCategoryPage) << unit.Name << " in " << categoryInfo(category).DisplayName;
        }
    }
}

// A linear unit's row says what one unit is in the category's own unit, and
// a unit with a note links to it.
TEST_F(BuiltHelpTest, UnitPagesShowDefinitionsAndNotes)
{
    const struct {
        const char* page;
        const char* rowText;
        const char* noteText;
    } rows[] = {
        {"units_length.html", "foot</td><td>0.3048 meter</td>", nullptr},
        {"units_power.html", "</sup></td><td>0.2930710702 watt</td>", "International Table BTU"},
        {"units_light.html", "sb <sup>", "measures luminance, not illuminance"},
        {"units_temperature.html", "Celsius</td></tr>", nullptr},
    };
    const QUrl contents = window.engine().documentsForIdentifier(QStringLiteral("Contents")).first().url;
    for (const auto& row : rows) {
        const QString page = pageText(window, contents.resolved(QUrl(QString::fromUtf8(row.page))));
        EXPECT_TRUE(page.contains(QString::fromUtf8(row.rowText))) << row.page << ": " << row.rowText;
        if (row.noteText != nullptr) {
            EXPECT_TRUE(page.contains(QString::fromUtf8(row.noteText))) << row.page << ": " << row.noteText;
        }
    }
}

// Every file below `folder` with a digest of its contents.
std::map<std::string, std::string> folderSnapshot(const QString& folder)
{
    std::map<std::string, std::string> snapshot;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        QFile file(entries.next());
        QByteArray digest;
        if (file.open(QIODevice::ReadOnly))
            digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        snapshot.emplace(file.fileName().toStdString(), digest.toStdString());
    }
    return snapshot;
}

// An installed collection sits in a folder the user cannot write to: the
// help must work from there and leave the folder exactly as it was.
TEST(InstalledHelpTest, WorksFromAReadOnlyFolderWithoutWritingToIt)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString installed = root.filePath(QStringLiteral("help"));
    ASSERT_TRUE(QDir().mkpath(installed));
    const QFileInfo built(builtHelpCollection());
    for (const QString& file : {QStringLiteral("TOLVANEX.qhc"), QStringLiteral("TOLVANEX.qch")}) {
        ASSERT_TRUE(QFile::copy(built.dir().filePath(file), installed + QLatin1Char('/') + file));
        QFile::setPermissions(installed + QLatin1Char('/') + file,
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    const QFileDevice::Permissions readOnlyFolder
        = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(installed, readOnlyFolder);
    const auto writableAgain
        = qScopeGuard([&] { QFile::setPermissions(installed, readOnlyFolder | QFile::WriteOwner); });
    const auto before = folderSnapshot(installed);

    {
        HelpWindow window(installed + QStringLiteral("/TOLVANEX.qhc"));
        ASSERT_TRUE(window.isHelpAvailable());
        ASSERT_TRUE(waitUntilHelpLoaded(window));
        window.showTopic(QStringLiteral("FontsScreen"));
        EXPECT_TRUE(window.browser().toPlainText().contains(QLatin1String("Index Tab Font")));
        EXPECT_FALSE(window.engine().documentsForKeyword(QStringLiteral("kilometer")).isEmpty());
    }

    EXPECT_EQ(folderSnapshot(installed), before);
}

TEST(UnusableHelpTest, TheWindowSaysWhyHelpIsMissing)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString damaged = root.filePath(QStringLiteral("TOLVANEX.qhc"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a help collection");
    file.close();

    const struct {
        QString collection;
        const char* explanation;
    } cases[] = {
        {QString(), "could not be found"},
        {root.filePath(QStringLiteral("absent.qhc")), "could not be found"},
        {damaged, "could not be opened"},
    };
    for (const auto& unusable : cases) {
        HelpWindow window(unusable.collection);
        EXPECT_FALSE(window.isHelpAvailable());
        window.showTopic(QStringLiteral("MetricPrefixes"));
        const QString shown = window.browser().toPlainText();
        // The file looked for, not the design's help file name.
        const QString sought = unusable.collection.isEmpty()
            ? QStringLiteral("share/velmar-converter/help/TOLVANEX.qhc")
            : unusable.collection;
        EXPECT_TRUE(shown.contains(sought)) << shown.toStdString();
        EXPECT_FALSE(shown.contains(QLatin1String("TOLVANEX.HLP"))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QLatin1String(unusable.explanation))) << shown.toStdString();
    }
}

} // namespace
} // namespace velmar

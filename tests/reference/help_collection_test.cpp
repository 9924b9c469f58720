#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "dialogs/reference/help_collection.h"

namespace velmar {
namespace {

TEST(HelpCollectionPathTest, FindsTheCollectionBesideInstalledAndBuiltPrograms)
{
    const struct {
        const char* collectionFolder;
        const char* programFolder;
        bool found;
    } layouts[] = {
        {"usr/share/velmar-converter/help", "usr/bin", true},
        {"build/share/velmar-converter/help", "build", true},
        {"build/share/velmar-converter/help", "build/window", true},
        {"build/share/velmar-converter/help", "build/tests/reference", true},
        {"opt/share/velmar-converter/help", "usr/bin", false},
        {"share/velmar-converter/help", "a/b/c/d", false},
        {"usr/share/other-program/help", "usr/bin", false},
    };
    for (const auto& layout : layouts) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QString collectionFolder = root.filePath(QLatin1String(layout.collectionFolder));
        ASSERT_TRUE(QDir().mkpath(collectionFolder));
        ASSERT_TRUE(QDir().mkpath(root.filePath(QLatin1String(layout.programFolder))));
        const QString collection = collectionFolder + QStringLiteral("/TOLVANEX.qhc");
        ASSERT_TRUE(QFile(collection).open(QIODevice::WriteOnly));

        const QString found
            = helpCollectionPath(QStringLiteral("TOLVANEX.HLP"), root.filePath(QLatin1String(layout.programFolder)));
        EXPECT_EQ(found.toStdString(), layout.found ? collection.toStdString() : std::string()) << layout.programFolder;
    }
}

} // namespace
} // namespace velmar

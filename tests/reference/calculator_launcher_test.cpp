#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/reference/calculator_launcher.h"

namespace velmar {
namespace {

// Runs a test with PATH set to one folder, and puts PATH back afterwards.
class SearchPathTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        // A folder name that a shell would split and run: the launcher must
        // start the program directly.
        calculators_ = root_.filePath(QStringLiteral("fake calculators; touch shell-was-used"));
        ASSERT_TRUE(QDir().mkpath(calculators_));
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(calculators_));
    }

    void TearDown() override { qputenv("PATH", savedPath_); }

    // A stand-in calculator that leaves a note when it runs.
    void installFakeCalculator(const QString& name) const
    {
        QFile script(QDir(calculators_).filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n: > \"$0.started\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QStringList startedCalculators() const
    {
        QStringList started = QDir(calculators_).entryList({QStringLiteral("*.started")});
        started.replaceInStrings(QStringLiteral(".started"), QString());
        return started;
    }

    QTemporaryDir root_;
    QString calculators_;
    QByteArray savedPath_;
};

TEST_F(SearchPathTest, StartsTheFirstInstalledCalculatorInOrderOfPreference)
{
    const struct {
        QStringList installed;
        QString expected;
    } cases[] = {
        {{"xcalc"}, "xcalc"},
        {{"galculator", "kcalc", "xcalc"}, "kcalc"},
        {{"qalculate-gtk", "gnome-calculator"}, "gnome-calculator"},
        {{"qalculate-gtk", "qalculate-qt"}, "qalculate-qt"},
    };
    for (const auto& entry : cases) {
        QDir(calculators_).removeRecursively();
        QDir().mkpath(calculators_);
        for (const QString& name : entry.installed)
            installFakeCalculator(name);

        EXPECT_TRUE(StartDesktopCalculator());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !startedCalculators().isEmpty(); }, 5000));
        EXPECT_EQ(startedCalculators(), QStringList{entry.expected});
        EXPECT_FALSE(QFile::exists(root_.filePath(QStringLiteral("shell-was-used"))));
    }
}

} // namespace
} // namespace velmar

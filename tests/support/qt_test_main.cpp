#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <gtest/gtest.h>

#include "widgets/design_fonts.h"

namespace {

// Every window saves its settings when it closes, and the next window reads
// them: each test starts with an empty configuration folder, as on a first
// start.
class EmptyConfigurationPerTest : public testing::EmptyTestEventListener {
public:
    explicit EmptyConfigurationPerTest(QString folder)
        : folder_(std::move(folder))
    { }

    void OnTestStart(const testing::TestInfo&) override { QDir(folder_).removeRecursively(); }

private:
    QString folder_;
};

} // namespace

// Widget tests run headless unless the caller chose a platform. The whole
// test process gets a home and configuration folder of its own, so that no
// test reads or writes the user's settings.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary home folder: %s\n", qPrintable(home.errorString()));
        return 1;
    }
    const QString configuration = home.filePath(QStringLiteral(".config"));
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration));

    QApplication application(argc, argv);
    velmar::SubstituteDesignFonts(); // as the program does
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EmptyConfigurationPerTest(configuration));
    return RUN_ALL_TESTS();
}

// When the settings file cannot be written at shutdown (a full disk, a
// read-only folder), the window reports "Unable to write to TOLVANEX.INI."
// through the general error report, the file keeps its previous content, and
// taking the window down still completes.
#include <QApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

#include "converter_window.h"
#include "fault_recorder.h"
#include "settings_file.h"
#include "upper_case_line_edit.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// While alive, writing beyond `bytes` fails as on a full disk, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
        : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

// While alive, the folder cannot be written by anyone but root.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(fs::path folder)
        : folder_(std::move(folder))
    {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    }
    ~ReadOnlyFolder() { fs::permissions(folder_, fs::perms::owner_all); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    fs::path folder_;
};

TEST(SettingsWriteFailure, IsReportedAndKeepsThePreviousFile)
{
    const std::string previous = "[Length]\nValueIn=5\n";
    const fs::path path = settingsFilePath();
    for (const bool diskFull : {true, false}) {
        SCOPED_TRACE(diskFull ? "full disk" : "read-only folder");
        if (!diskFull && ::geteuid() == 0)
            continue; // root writes into read-only folders; the full disk covers it
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << previous;

        FaultRecorder faults;
        auto window = std::make_unique<Tfrm_Converter>(RegionalMarks{});
        window->findChild<UpperCaseLineEdit*>("txt_In")->setTextAsGiven(QStringLiteral("12"));
        {
            std::optional<FileSizeLimit> fullDisk;
            std::optional<ReadOnlyFolder> readOnly;
            if (diskFull)
                fullDisk.emplace(previous.size());
            else
                readOnly.emplace(path.parent_path());
            window.reset();
        }
        EXPECT_EQ(faults.messages, QStringList{QStringLiteral("Unable to write to TOLVANEX.INI.")});
        EXPECT_EQ(readBytes(path), previous);
        EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
    }
}

} // namespace
} // namespace velmar

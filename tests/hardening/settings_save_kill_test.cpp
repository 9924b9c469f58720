// Saving the settings file survives the program being killed at any moment:
// afterwards the file, read as the program reads it, holds the complete old
// content or the complete new content, never a mixture and never nothing.
// Both ways of writing are covered: a new file renamed over the old one, and
// writing in place, which a file with a second hard link gets.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <limits>
#include <random>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "settings/profile/file_io.h"
#include "settings/profile/settings_file.h"
#include "tests/support/test_files.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test_support::readBytes;
using test_support::TemporaryDirectory;
using test_support::writeBytes;

// Keys of a profile of about a megabyte, so that a save takes long enough to
// be interrupted in all its steps.
ProfileWriter writingLargeProfile(std::string_view valuePrefix)
{
    return [value = std::string(valuePrefix) + std::string(1000, 'x')](ProfileDocument& profile) {
        for (int section = 0; section < 40; ++section)
            for (int key = 0; key < 25; ++key)
                profile.writeString("Section" + std::to_string(section), "Key" + std::to_string(key), value);
    };
}

struct Saved {
    std::string Content;
    Clock::duration SaveTime;
};

Saved save(const fs::path& path, const ProfileWriter& writeKeys)
{
    const auto started = Clock::now();
    SettingsFile(path).save(writeKeys);
    return {readBytes(path), Clock::now() - started};
}

// A killed save may leave its unfinished new file behind.
void removeAllBut(const fs::path& directory, const std::vector<fs::path>& kept)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        if (std::ranges::find(kept, entry.path()) == kept.end())
            fs::remove(entry.path());
}

// Forks a child that saves the new content and tells through `ready` when
// the save begins; it ends with status 0 when the save succeeded.
pid_t startSavingChild(const fs::path& path, const ProfileWriter& writeKeys, int ready)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    const char go = 1;
    const bool signalled = ::write(ready, &go, 1) == 1;
    try {
        SettingsFile(path).save(writeKeys);
    } catch (...) {
        ::_exit(1);
    }
    ::_exit(signalled ? 0 : 1);
}

TEST(SettingsSaveKill, KilledSaveLeavesTheOldOrTheNewFileWhole)
{
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "written in place" : "replaced by a new file");
        const TemporaryDirectory directory;
        const fs::path path = directory.path / SettingsFileName;
        const ProfileWriter newProfile = writingLargeProfile("new");
        const std::string newContent = save(path, newProfile).Content;
        const Saved old = save(path, writingLargeProfile("old"));
        std::vector<fs::path> kept{path};
        if (inPlace) {
            kept.push_back(directory.path / "backup.ini");
            fs::create_hard_link(path, kept.back());
        }
        const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(old.SaveTime);

        constexpr int Kills = 200;
        std::mt19937 random(20240611);
        // Offsets from the start of the save to a little beyond its usual end.
        std::uniform_int_distribution<long> offset(0, saveTime.count() * 3 / 2 + 100);
        int keptOld = 0;
        for (int kill = 0; kill < Kills; ++kill) {
            int ready[2];
            ASSERT_EQ(::pipe(ready), 0);
            const pid_t child = startSavingChild(path, newProfile, ready[1]);
            ASSERT_GT(child, 0);
            ::close(ready[1]);
            char go = 0;
            ASSERT_EQ(::read(ready[0], &go, 1), 1);
            ::close(ready[0]);
            ::usleep(static_cast<useconds_t>(offset(random)));
            ::kill(child, SIGKILL);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));

            const std::string content
                = readWholeFile(path, std::numeric_limits<std::size_t>::max()).value_or("unreadable");
            ASSERT_TRUE(content == old.Content || content == newContent)
                << "kill " << kill << " left " << content.size() << " bytes of a mixture";
            if (content == old.Content)
                ++keptOld;
            else
                writeBytes(path, old.Content);
            removeAllBut(directory.path, kept);
        }
        if (inPlace) {
            EXPECT_EQ(readBytes(kept.back()), readBytes(path)) << "the hard link was broken";
        }
        RecordProperty(inPlace ? "KillsThatKeptTheOldFileInPlace" : "KillsThatKeptTheOldFile", keptOld);
    }
}

} // namespace
} // namespace velmar

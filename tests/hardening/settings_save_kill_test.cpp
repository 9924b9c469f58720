// Saving the settings file survives the program being killed at any moment:
// afterwards the file holds the complete old content or the complete new
// content, never a mixture and never nothing.
#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "settings/profile/settings_file.h"
#include "tests/support/test_files.h"

namespace velmar {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using test_support::readBytes;
using test_support::TemporaryDirectory;
using test_support::writeBytes;

// The bytes of a profile of about a megabyte, so that a save takes long
// enough to be interrupted in all its steps.
std::string largeProfile(std::string_view valuePrefix)
{
    const std::string value = std::string(valuePrefix) + std::string(1000, 'x');
    std::string bytes;
    for (int section = 0; section < 40; ++section) {
        bytes += "[Section" + std::to_string(section) + "]\n";
        for (int key = 0; key < 25; ++key)
            bytes += "Key" + std::to_string(key) + "=" + value + "\n";
    }
    return bytes;
}

struct Saved {
    std::string Content;
    Clock::duration SaveTime;
};

Saved save(const fs::path& path, const std::string& profile)
{
    SettingsFile settings(path);
    settings.profile() = ProfileDocument(profile);
    const auto started = Clock::now();
    settings.save();
    return {readBytes(path), Clock::now() - started};
}

// A killed save may leave its unfinished new file behind.
void removeAllBut(const fs::path& directory, const fs::path& kept)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        if (entry.path() != kept)
            fs::remove(entry.path());
}

// Forks a child that saves the new content and tells through `ready` when
// the save begins; it ends with status 0 when the save succeeded.
pid_t startSavingChild(const fs::path& path, const std::string& profile, int ready)
{
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    SettingsFile settings(path);
    settings.profile() = ProfileDocument(profile);
    const char go = 1;
    const bool signalled = ::write(ready, &go, 1) == 1;
    try {
        settings.save();
    } catch (...) {
        ::_exit(1);
    }
    ::_exit(signalled ? 0 : 1);
}

TEST(SettingsSaveKill, KilledSaveLeavesTheOldOrTheNewFileWhole)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path / SettingsFileName;
    const std::string newProfile = largeProfile("new");
    const std::string newContent = save(path, newProfile).Content;
    const Saved old = save(path, largeProfile("old"));
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

        const std::string content = readBytes(path);
        ASSERT_TRUE(content == old.Content || content == newContent)
            << "kill " << kill << " left " << content.size() << " bytes of a mixture";
        if (content == old.Content)
            ++keptOld;
        else
            writeBytes(path, old.Content);
        removeAllBut(directory.path, path);
    }
    RecordProperty("KillsThatKeptTheOldFile", keptOld);
}

} // namespace
} // namespace velmar

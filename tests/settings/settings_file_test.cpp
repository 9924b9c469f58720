#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "settings/profile/settings_file.h"
#include "tests/support/test_files.h"

using namespace velmar;
using namespace velmar::test_support;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable, or unsets it, while it lives.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const std::optional<std::string>& value)
        : name_(name)
    {
        if (const char* previous = std::getenv(name))
            previous_ = previous;
        apply(value);
    }
    ~EnvironmentOverride() { apply(previous_); }

private:
    void apply(const std::optional<std::string>& value)
    {
        value ? ::setenv(name_, value->c_str(), 1) : ::unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> previous_;
};

std::vector<fs::path> directoryEntries(const fs::path& directory)
{
    return {fs::directory_iterator(directory), fs::directory_iterator()};
}

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

void expectSaveFails(const SettingsFile& settings)
{
    try {
        settings.save();
        ADD_FAILURE() << "save() succeeded";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to TOLVANEX.INI");
    }
}

TEST(SettingsFilePath, FollowsTheUsersConfigurationDirectory)
{
    const EnvironmentOverride home("HOME", "/home/alice");
    const struct {
        std::optional<std::string> configHome;
        fs::path expected;
    } cases[] = {
        {"/srv/alice", "/srv/alice/TOLVANEX.INI"},
        {std::nullopt, "/home/alice/.config/TOLVANEX.INI"},
        {"", "/home/alice/.config/TOLVANEX.INI"},
        {"relative/config", "/home/alice/.config/TOLVANEX.INI"},
    };
    for (const auto& c : cases) {
        const EnvironmentOverride configHome("XDG_CONFIG_HOME", c.configHome);
        EXPECT_EQ(settingsFilePath(), c.expected) << c.configHome.value_or("(unset)");
    }
}

TEST(SettingsFile, StartsEmptyAndCreatesTheMissingDirectoryPrivately)
{
    const TemporaryDirectory root;
    const fs::path configHome = root.path / "missing" / "config";
    const EnvironmentOverride configOverride("XDG_CONFIG_HOME", configHome.string());

    SettingsFile settings;
    EXPECT_EQ(settings.profile().toBytes(), "");
    settings.profile().writeInteger("Velmar Converter", "TabIndex", 3);
    settings.save();

    EXPECT_EQ(readBytes(configHome / "TOLVANEX.INI"), "[Velmar Converter]\nTabIndex=3\n");
    EXPECT_EQ(fs::status(root.path / "missing").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(configHome).permissions(), fs::perms::owner_all);
}

TEST(SettingsFile, SaveChangesOnlyTheValuesWrittenAndKeepsPermissions)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path / "TOLVANEX.INI";
    writeBytes(path, "; kept\n[Velmar Converter]\nTabIndex=1\n\n[Mine]\nodd\xFF=\xC3\x28\n");
    const fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, permissions);

    SettingsFile settings(path);
    settings.profile().writeInteger("Velmar Converter", "TabIndex", 4);
    settings.profile().writeString("Length", "ValueIn", "12");
    settings.save();

    EXPECT_EQ(readBytes(path),
              "; kept\n[Velmar Converter]\nTabIndex=4\n\n[Mine]\nodd\xFF=\xC3\x28\n\n[Length]\nValueIn=12\n");
    EXPECT_EQ(fs::status(path).permissions(), permissions);
    EXPECT_EQ(directoryEntries(directory.path), std::vector{path});
}

TEST(SettingsFile, SavesThroughASymbolicLink)
{
    const TemporaryDirectory directory;
    const fs::path target = directory.path / "elsewhere.ini";
    const fs::path link = directory.path / "TOLVANEX.INI";
    writeBytes(target, "[A]\nx=1\n");
    fs::create_symlink(target, link);

    SettingsFile settings(link);
    settings.profile().writeInteger("A", "x", 2);
    settings.save();

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(target), "[A]\nx=2\n");
}

TEST(SettingsFile, FailedSaveLeavesThePreviousFileIntact)
{
    const std::string previous = "[Velmar Converter]\nTabIndex=1\n";
    for (const bool diskFull : {true, false}) {
        SCOPED_TRACE(diskFull ? "disk full" : "read-only directory");
        if (!diskFull && runsAsRoot())
            continue; // root ignores permission bits; the full disk covers the case
        const TemporaryDirectory directory;
        const fs::path path = directory.path / "TOLVANEX.INI";
        writeBytes(path, previous);
        SettingsFile settings(path);
        settings.profile().writeString("Velmar Converter", "Font1Name", std::string(4096, 'x'));

        {
            std::optional<FileSizeLimit> fullDisk; // beyond the old file's size
            std::optional<ReadOnlyFolder> readOnly;
            if (diskFull)
                fullDisk.emplace(previous.size());
            else
                readOnly.emplace(directory.path);
            expectSaveFails(settings);
        }
        EXPECT_EQ(readBytes(path), previous);
        EXPECT_EQ(directoryEntries(directory.path), std::vector{path});
    }
}

TEST(SettingsFile, SaveFailsWhenTheDirectoryCannotBeCreated)
{
    const TemporaryDirectory root;
    writeBytes(root.path / "config", "a file, not a directory");
    expectSaveFails(SettingsFile(root.path / "config" / "sub" / "TOLVANEX.INI"));
    EXPECT_EQ(readBytes(root.path / "config"), "a file, not a directory");
}

TEST(SettingsFile, RefusesToReplaceAFileItCouldNotRead)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path / "TOLVANEX.INI";

    // A named pipe would block a plain read forever; it must not be opened.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const SettingsFile fromPipe(path);
    EXPECT_EQ(fromPipe.profile().toBytes(), "");
    expectSaveFails(fromPipe);
    EXPECT_EQ(fs::status(path).type(), fs::file_type::fifo);
}

} // namespace

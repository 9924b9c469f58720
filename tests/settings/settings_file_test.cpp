#include <algorithm>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
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

struct Key {
    std::string Section;
    std::string Name;
    std::string Value;
};

// What the program writes at a save.
ProfileWriter writing(std::vector<Key> keys)
{
    return [keys = std::move(keys)](ProfileDocument& profile) {
        for (const Key& key : keys)
            profile.writeString(key.Section, key.Name, key.Value);
    };
}

std::vector<fs::path> directoryEntries(const fs::path& directory)
{
    std::vector<fs::path> entries{fs::directory_iterator(directory), fs::directory_iterator()};
    std::ranges::sort(entries);
    return entries;
}

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

struct stat statusOf(const fs::path& path)
{
    struct stat status { };
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
}

bool saves(const fs::path& path, const ProfileWriter& writeKeys)
{
    try {
        SettingsFile(path).save(writeKeys);
        return true;
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to TOLVANEX.INI");
        return false;
    }
}

// Root may write any file and folder; the cases about permissions need a user
// who may not. When the tests run as root, such a save runs as "nobody" in a
// child process, and the folder and what it holds become that user's.
constexpr uid_t OrdinaryUser = 65534;
constexpr gid_t OrdinaryGroup = 65534;

void giveToOrdinaryUser(const fs::path& folder)
{
    if (!runsAsRoot())
        return;
    ASSERT_EQ(::lchown(folder.c_str(), OrdinaryUser, OrdinaryGroup), 0);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        ASSERT_EQ(::lchown(entry.path().c_str(), OrdinaryUser, OrdinaryGroup), 0);
}

bool savesAsOrdinaryUser(const fs::path& path, const ProfileWriter& writeKeys)
{
    if (!runsAsRoot())
        return saves(path, writeKeys);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(OrdinaryGroup) != 0 || ::setuid(OrdinaryUser) != 0)
            ::_exit(2);
        ::_exit(saves(path, writeKeys) ? 0 : 1);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not become an ordinary user";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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

    const SettingsFile settings;
    EXPECT_EQ(settings.read().toBytes(), "");
    settings.save(writing({{"Velmar Converter", "TabIndex", "3"}}));

    EXPECT_EQ(readBytes(configHome / "TOLVANEX.INI"), "[Velmar Converter]\nTabIndex=3\n");
    EXPECT_EQ(fs::status(root.path / "missing").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(configHome).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(configHome / "TOLVANEX.INI").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SettingsFile, SaveChangesOnlyTheValuesWrittenAndKeepsPermissions)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path / "TOLVANEX.INI";
    writeBytes(path, "; kept\n[Velmar Converter]\nTabIndex=1\n\n[Mine]\nodd\xFF=\xC3\x28\n");
    const fs::perms permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, permissions);

    SettingsFile(path).save(writing({{"Velmar Converter", "TabIndex", "4"}, {"Length", "ValueIn", "12"}}));

    EXPECT_EQ(readBytes(path),
              "; kept\n[Velmar Converter]\nTabIndex=4\n\n[Mine]\nodd\xFF=\xC3\x28\n\n[Length]\nValueIn=12\n");
    EXPECT_EQ(fs::status(path).permissions(), permissions);
    EXPECT_EQ(directoryEntries(directory.path), std::vector{path});
}

// What the user, a backup tool or another program changes while the program
// runs is in the file it saves; only the program's own keys change.
TEST(SettingsFile, SavesIntoTheFileAsItIsAtTheSave)
{
    const std::string atLoad = "[Velmar Converter]\nTabIndex=1\nFormTop=5\nTheme=light\n";
    const ProfileWriter program
        = writing({{"Velmar Converter", "TabIndex", "2"}, {"Velmar Converter", "FormTop", "6"}});
    const struct {
        const char* name;
        std::optional<std::string> atSave; // nothing: the file was removed
        std::string saved;
    } cases[] = {
        {"a section added", atLoad + "\n[MyNotes]\nmilk=2\n",
         "[Velmar Converter]\nTabIndex=2\nFormTop=6\nTheme=light\n\n[MyNotes]\nmilk=2\n"},
        {"an unknown key changed", "[Velmar Converter]\nTabIndex=1\nFormTop=5\nTheme=dark\n",
         "[Velmar Converter]\nTabIndex=2\nFormTop=6\nTheme=dark\n"},
        {"a key of the program removed", "[Velmar Converter]\nTabIndex=1\nTheme=light\n",
         "[Velmar Converter]\nTabIndex=2\nTheme=light\nFormTop=6\n"},
        {"a backup restored", "; restored\n[Velmar Converter]\r\nFormTop=1\r\nTabIndex=7\r\nOld=1\r\n",
         "; restored\n[Velmar Converter]\r\nFormTop=6\r\nTabIndex=2\r\nOld=1\r\n"},
        {"the file removed", std::nullopt, "[Velmar Converter]\nTabIndex=2\nFormTop=6\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryDirectory directory;
        const fs::path path = directory.path / "TOLVANEX.INI";
        writeBytes(path, atLoad);
        const SettingsFile settings(path);
        ASSERT_EQ(settings.read().readString("Velmar Converter", "Theme", ""), "light");
        if (c.atSave)
            writeBytes(path, *c.atSave);
        else
            fs::remove(path);
        settings.save(program);
        EXPECT_EQ(readBytes(path), c.saved);
    }
}

TEST(SettingsFile, EachInstanceKeepsTheOthersChangesAndTheLastSaveWins)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path / "TOLVANEX.INI";
    writeBytes(path, "[Velmar Converter]\nTabIndex=0\n");
    const SettingsFile first(path);
    const SettingsFile second(path);
    (void)first.read();
    (void)second.read();

    second.save(writing({{"Velmar Converter", "TabIndex", "2"}, {"Other", "OnlySecond", "b"}}));
    first.save(writing({{"Velmar Converter", "TabIndex", "1"}}));

    EXPECT_EQ(readBytes(path), "[Velmar Converter]\nTabIndex=1\n\n[Other]\nOnlySecond=b\n");
}

// Instances that end together, as at the end of a session, save at the same
// moment: each save reads and writes the file while the others wait.
TEST(SettingsFile, SavesAtTheSameMomentKeepEveryInstancesKeys)
{
    constexpr int Instances = 4;
    constexpr int SavesEach = 25;
    const TemporaryDirectory directory;
    const fs::path path = directory.path / "TOLVANEX.INI";
    std::vector<pid_t> children;
    for (int instance = 0; instance < Instances; ++instance) {
        const pid_t child = ::fork();
        if (child == 0) {
            bool saved = true;
            for (int save = 0; save < SavesEach; ++save)
                saved = saves(path, writing({{"Race", "Instance" + std::to_string(instance), std::to_string(save)}}))
                    && saved;
            ::_exit(saved ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const ProfileDocument saved(readBytes(path));
    for (int instance = 0; instance < Instances; ++instance)
        EXPECT_EQ(saved.readInteger("Race", "Instance" + std::to_string(instance), -1), SavesEach - 1) << instance;
    EXPECT_EQ(directoryEntries(directory.path), std::vector{path});
}

TEST(SettingsFile, SavesThroughSymbolicLinksIntoTheirTarget)
{
    const struct {
        const char* name;
        std::vector<std::pair<fs::path, fs::path>> links; // link, where it points from the folder
        bool absolute;
        bool targetExists;
    } cases[] = {
        {"relative link", {{"TOLVANEX.INI", "dotfiles/velmar.ini"}}, false, true},
        {"absolute link", {{"TOLVANEX.INI", "dotfiles/velmar.ini"}}, true, true},
        {"chain of links", {{"TOLVANEX.INI", "middle.ini"}, {"middle.ini", "dotfiles/velmar.ini"}}, false, true},
        {"link to a missing file", {{"TOLVANEX.INI", "dotfiles/velmar.ini"}}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryDirectory directory;
        const fs::path target = directory.path / "dotfiles" / "velmar.ini";
        fs::create_directory(target.parent_path());
        if (c.targetExists)
            writeBytes(target, "[A]\nx=1\nmine=kept\n");
        for (const auto& [link, pointsTo] : c.links)
            fs::create_symlink(c.absolute ? directory.path / pointsTo : pointsTo, directory.path / link);
        const fs::path path = directory.path / "TOLVANEX.INI";

        ASSERT_TRUE(saves(path, writing({{"A", "x", "2"}})));

        for (const auto& [link, pointsTo] : c.links)
            EXPECT_TRUE(fs::is_symlink(directory.path / link)) << link;
        EXPECT_EQ(readBytes(target), c.targetExists ? "[A]\nx=2\nmine=kept\n" : "[A]\nx=2\n");
        EXPECT_EQ(directoryEntries(target.parent_path()), std::vector{target});
    }
}

TEST(SettingsFile, TheSavedFileKeepsItsModeOwnerAndGroup)
{
    const struct {
        mode_t mode;
        bool otherOwner; // owned by another user and group, which only root may give a new file
    } cases[] = {{0600, false}, {0644, false}, {0660, false}, {02664, false}, {0640, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.mode << (c.otherOwner ? " of another user" : ""));
        if (c.otherOwner && !runsAsRoot())
            continue;
        const TemporaryDirectory directory;
        const fs::path path = directory.path / "TOLVANEX.INI";
        writeBytes(path, "[A]\nx=1\n");
        if (c.otherOwner) {
            ASSERT_EQ(::chown(path.c_str(), OrdinaryUser, OrdinaryGroup), 0);
        }
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        const struct stat before = statusOf(path);

        ASSERT_TRUE(saves(path, writing({{"A", "x", "2"}})));

        const struct stat after = statusOf(path);
        EXPECT_EQ(readBytes(path), "[A]\nx=2\n");
        EXPECT_NE(after.st_ino, before.st_ino) << "not replaced as a whole";
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
    }
}

// Where a new file could not take the old one's place unnoticed, the file
// itself is written; it also shrinks to the new content.
TEST(SettingsFile, WritesInPlaceWhereANewFileCouldNotTakeTheOldOnesPlace)
{
    using Arrangement = std::function<void(const fs::path& folder, const fs::path& file)>;
    const struct {
        const char* name;
        bool byOrdinaryUser;
        bool onlyAsRoot; // needs a file of another user that this one may write
        Arrangement arrange;
    } cases[] = {
        {"a second hard link", false, false,
         [](const fs::path& folder, const fs::path& file) { fs::create_hard_link(file, folder / "backup.ini"); }},
        {"a read-only folder", true, false,
         [](const fs::path& folder, const fs::path&) {
             giveToOrdinaryUser(folder);
             fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
         }},
        {"an owner a new file cannot get", true, true,
         [](const fs::path& folder, const fs::path& file) {
             giveToOrdinaryUser(folder);
             ASSERT_EQ(::chown(file.c_str(), 0, 0), 0);
             ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.onlyAsRoot && !runsAsRoot())
            continue;
        const TemporaryDirectory directory;
        const fs::path path = directory.path / "TOLVANEX.INI";
        writeBytes(path, "[A]\nx=a long value to shrink\n[B]\nkept=1\n");
        c.arrange(directory.path, path);
        const std::vector<fs::path> entries = directoryEntries(directory.path);
        const struct stat before = statusOf(path);
        const ProfileWriter program = writing({{"A", "x", "1"}});

        EXPECT_TRUE(c.byOrdinaryUser ? savesAsOrdinaryUser(path, program) : saves(path, program));

        const struct stat after = statusOf(path);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(directoryEntries(directory.path), entries);
        for (const fs::path& entry : entries)
            EXPECT_EQ(readBytes(entry), "[A]\nx=1\n[B]\nkept=1\n") << entry;
    }
}

// Write-protecting the file freezes the settings: root, which the system lets
// write any file, keeps off a file without any write bit too.
TEST(SettingsFile, RefusesAFileItMayNotWriteAndLeavesItAlone)
{
    const struct {
        mode_t mode;
        bool byOrdinaryUser;
    } cases[] = {{0444, false}, {0400, false}, {0444, true}, {0464, true}};
    const std::string content = "[Velmar Converter]\nTabIndex=1\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.mode << (c.byOrdinaryUser ? " as an ordinary user" : ""));
        const TemporaryDirectory directory;
        const fs::path path = directory.path / "TOLVANEX.INI";
        writeBytes(path, content);
        if (c.byOrdinaryUser)
            giveToOrdinaryUser(directory.path);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        const struct stat before = statusOf(path);
        const ProfileWriter program = writing({{"Velmar Converter", "TabIndex", "2"}});

        EXPECT_FALSE(c.byOrdinaryUser ? savesAsOrdinaryUser(path, program) : saves(path, program));

        const struct stat after = statusOf(path);
        EXPECT_EQ(readBytes(path), content);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        EXPECT_EQ(directoryEntries(directory.path), std::vector{path});
    }
}

TEST(SettingsFile, FailedSaveLeavesThePreviousFileIntact)
{
    const std::string previous = "[Velmar Converter]\nTabIndex=1\n";
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "disk full, in place" : "disk full, by a new file");
        const TemporaryDirectory directory;
        const fs::path path = directory.path / "TOLVANEX.INI";
        writeBytes(path, previous);
        if (inPlace)
            fs::create_hard_link(path, directory.path / "backup.ini");
        const std::vector<fs::path> entries = directoryEntries(directory.path);
        {
            const FileSizeLimit fullDisk(previous.size()); // beyond the old file's size
            EXPECT_FALSE(saves(path, writing({{"Velmar Converter", "Font1Name", std::string(4096, 'x')}})));
        }
        EXPECT_EQ(readBytes(path), previous);
        EXPECT_EQ(directoryEntries(directory.path), entries);
    }
}

TEST(SettingsFile, SaveFailsWhenTheDirectoryCannotBeCreated)
{
    const TemporaryDirectory root;
    writeBytes(root.path / "config", "a file, not a directory");
    EXPECT_FALSE(saves(root.path / "config" / "sub" / "TOLVANEX.INI", writing({{"A", "x", "1"}})));
    EXPECT_EQ(readBytes(root.path / "config"), "a file, not a directory");
}

TEST(SettingsFile, RefusesToReplaceAFileItCouldNotRead)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path / "TOLVANEX.INI";

    // A named pipe would block a plain read forever; it must not be opened.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const SettingsFile fromPipe(path);
    EXPECT_EQ(fromPipe.read().toBytes(), "");
    EXPECT_FALSE(saves(path, writing({{"A", "x", "1"}})));
    EXPECT_EQ(fs::status(path).type(), fs::file_type::fifo);
}

} // namespace

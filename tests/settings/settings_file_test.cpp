#include "settings_file.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace velmar;
namespace fs = std::filesystem;

namespace {

class TemporaryDirectory {
public:
    TemporaryDirectory()
    {
        std::string pattern = (fs::temp_directory_path() / "velmar-settings-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~TemporaryDirectory()
    {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Sets an environment variable (or unsets it) while it lives.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, std::optional<std::string> value)
        : name_(name)
    {
        if (const char* previous = std::getenv(name))
            previous_ = previous;
        apply(value);
    }
    ~EnvironmentOverride() { apply(previous_); }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    void apply(const std::optional<std::string>& value)
    {
        if (value)
            ::setenv(name_, value->c_str(), 1);
        else
            ::unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> previous_;
};

// Writes beyond `bytes` into any file fail while it lives, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
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
    void (*previousHandler_)(int) = nullptr;
};

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> directoryEntries(const fs::path& directory)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    return names;
}

fs::perms permissionsOf(const fs::path& path)
{
    return fs::status(path).permissions();
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

using Entries = std::vector<std::string>;

TEST(SettingsFilePath, FollowsTheUsersConfigurationDirectory)
{
    const EnvironmentOverride home("HOME", "/home/alice");
    const struct {
        std::optional<std::string> configHome;
        fs::path expected;
    } cases[] = {
        {"/srv/profiles/alice", "/srv/profiles/alice/TOLVANEX.INI"},
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
    const fs::path configHome = root.path() / "missing" / "config";
    const EnvironmentOverride configOverride("XDG_CONFIG_HOME", configHome.string());

    SettingsFile settings;
    EXPECT_EQ(settings.profile().toBytes(), "");
    settings.profile().writeInteger("Velmar Converter", "TabIndex", 3);
    settings.save();

    EXPECT_EQ(readBytes(configHome / "TOLVANEX.INI"), "[Velmar Converter]\nTabIndex=3\n");
    EXPECT_EQ(permissionsOf(root.path() / "missing"), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(configHome), fs::perms::owner_all);
}

TEST(SettingsFile, SaveChangesOnlyTheValuesWrittenAndKeepsPermissions)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path() / "TOLVANEX.INI";
    writeBytes(path, "; kept\n[Velmar Converter]\nTabIndex=1\n\n[Mine]\nodd\xFF=\xC3\x28\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    SettingsFile settings(path);
    EXPECT_EQ(settings.profile().readInteger("velmar converter", "tabindex", 0), 1);
    settings.profile().writeInteger("Velmar Converter", "TabIndex", 4);
    settings.profile().writeString("Length", "ValueIn", "12");
    settings.save();

    EXPECT_EQ(readBytes(path),
              "; kept\n[Velmar Converter]\nTabIndex=4\n\n[Mine]\nodd\xFF=\xC3\x28\n\n[Length]\nValueIn=12\n");
    EXPECT_EQ(permissionsOf(path), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(directoryEntries(directory.path()), Entries{"TOLVANEX.INI"});
}

TEST(SettingsFile, SavesThroughASymbolicLink)
{
    const TemporaryDirectory directory;
    const fs::path target = directory.path() / "kept-elsewhere.ini";
    const fs::path link = directory.path() / "TOLVANEX.INI";
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
    enum class Failure { DiskFull, ReadOnlyDirectory };
    for (const Failure failure : {Failure::DiskFull, Failure::ReadOnlyDirectory}) {
        SCOPED_TRACE(failure == Failure::DiskFull ? "disk full" : "read-only directory");
        if (failure == Failure::ReadOnlyDirectory && runsAsRoot())
            continue; // root ignores permission bits; the full disk covers the case
        const TemporaryDirectory directory;
        const fs::path path = directory.path() / "TOLVANEX.INI";
        writeBytes(path, previous);
        SettingsFile settings(path);
        settings.profile().writeString("Velmar Converter", "Font1Name", std::string(4096, 'x'));

        if (failure == Failure::DiskFull) {
            const FileSizeLimit limit(previous.size());
            expectSaveFails(settings);
        } else {
            fs::permissions(directory.path(), fs::perms::owner_read | fs::perms::owner_exec);
            expectSaveFails(settings);
            fs::permissions(directory.path(), fs::perms::owner_all);
        }
        EXPECT_EQ(readBytes(path), previous);
        EXPECT_EQ(directoryEntries(directory.path()), Entries{"TOLVANEX.INI"});
    }
}

TEST(SettingsFile, SaveFailsWhenTheDirectoryCannotBeCreated)
{
    const TemporaryDirectory root;
    writeBytes(root.path() / "config", "a regular file, not a directory");
    const SettingsFile settings(root.path() / "config" / "sub" / "TOLVANEX.INI");
    expectSaveFails(settings);
    EXPECT_EQ(readBytes(root.path() / "config"), "a regular file, not a directory");
}

TEST(SettingsFile, RefusesToReplaceAFileItCouldNotRead)
{
    const TemporaryDirectory directory;
    const fs::path path = directory.path() / "TOLVANEX.INI";

    // A named pipe would block a plain read forever; it must not be opened.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    SettingsFile fromPipe(path);
    EXPECT_EQ(fromPipe.profile().toBytes(), "");
    fromPipe.profile().writeInteger("Velmar Converter", "TabIndex", 2);
    expectSaveFails(fromPipe);
    EXPECT_EQ(fs::status(path).type(), fs::file_type::fifo);

    if (runsAsRoot())
        return; // root reads the file whatever its permissions
    fs::remove(path);
    writeBytes(path, "[Private]\nkept=1\n");
    fs::permissions(path, fs::perms::owner_write);
    SettingsFile unreadable(path);
    unreadable.profile().writeInteger("Velmar Converter", "TabIndex", 2);
    expectSaveFails(unreadable);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readBytes(path), "[Private]\nkept=1\n");
}

} // namespace

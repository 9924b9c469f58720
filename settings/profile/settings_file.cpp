#include "settings/profile/settings_file.h"

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

#include "settings/profile/file_io.h"
#include "settings/profile/file_rewrite.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

// Far beyond any settings file the program writes; a larger file is not read
// into memory.
constexpr std::size_t MaxSettingsFileBytes = 16 * 1024 * 1024;

fs::path homeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = ::getpwuid(::getuid()))
        return user->pw_dir;
    return "/";
}

fs::path configurationDirectory()
{
    if (const char* configHome = std::getenv("XDG_CONFIG_HOME"); configHome && fs::path(configHome).is_absolute())
        return configHome;
    return homeDirectory() / ".config";
}

} // namespace

SettingsWriteError::SettingsWriteError()
    : std::runtime_error(std::string("Unable to write to ") + SettingsFileName)
{ }

fs::path settingsFilePath()
{
    return configurationDirectory() / SettingsFileName;
}

SettingsFile::SettingsFile(fs::path path)
    : path_(std::move(path))
{ }

ProfileDocument SettingsFile::read() const
{
    return ProfileDocument(readWholeFile(path_, MaxSettingsFileBytes).value_or(""));
}

void SettingsFile::save(const ProfileWriter& writeKeys) const
{
    const auto withProgramKeys = [&writeKeys](std::string_view current) {
        ProfileDocument profile(current);
        writeKeys(profile);
        return profile.toBytes();
    };
    if (!createPrivateDirectories(path_.parent_path()) || !rewriteFile(path_, MaxSettingsFileBytes, withProgramKeys))
        throw SettingsWriteError();
}

} // namespace velmar

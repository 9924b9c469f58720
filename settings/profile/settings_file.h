#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "settings/profile/profile_document.h"

namespace velmar {

inline constexpr char SettingsFileName[] = "TOLVANEX.INI";

// The settings file could not be written; the file on disk is as it was.
// what() is the general error report's text, without the final full stop.
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError();
};

// TOLVANEX.INI in the user's configuration directory: $XDG_CONFIG_HOME, or
// ~/.config when that is unset, empty or not an absolute path.
std::filesystem::path settingsFilePath();

// Writes the program's keys into a profile.
using ProfileWriter = std::function<void(ProfileDocument& profile)>;

// The settings file. Nothing read from it is kept for saving: the user, a
// backup tool or another instance may change it while the program runs, and
// each save writes the program's keys into the file as it is at that moment.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path = settingsFilePath());

    // The file as it is now. A missing file reads as an empty profile; so
    // does one that cannot be read (no permission, not a regular file,
    // implausibly large), which save() then leaves alone.
    ProfileDocument read() const;

    // Reads the file as it is now, lets `writeKeys` write the program's keys
    // into it, and writes the result back (see rewriteFile()): every other
    // line keeps its bytes. Creates the file's directory, private to the
    // user, when it is missing. Throws SettingsWriteError when the file
    // cannot be read or written, leaving it as it was.
    void save(const ProfileWriter& writeKeys) const;

private:
    std::filesystem::path path_;
};

} // namespace velmar

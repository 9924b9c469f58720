#pragma once

#include <filesystem>
#include <stdexcept>

#include "settings/profile/profile_document.h"

namespace velmar {

inline constexpr char SettingsFileName[] = "TOLVANEX.INI";

// The settings file could not be replaced; the file on disk is as it was.
// what() is the general error report's text, without the final full stop.
class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError();
};

// TOLVANEX.INI in the user's configuration directory: $XDG_CONFIG_HOME, or
// ~/.config when that is unset, empty or not an absolute path.
std::filesystem::path settingsFilePath();

// The settings file, read once when constructed and written once by save().
class SettingsFile {
public:
    // A missing file reads as an empty profile. A file that exists but cannot
    // be read (no permission, not a regular file, implausibly large) also
    // reads as empty, and save() then refuses to replace it, so that what it
    // holds is not lost.
    explicit SettingsFile(std::filesystem::path path = settingsFilePath());

    ProfileDocument& profile() { return profile_; }
    const ProfileDocument& profile() const { return profile_; }

    // Replaces the file with the profile in one step (see
    // replaceFileAtomically()), creating its directory, private to the user,
    // when missing. Throws SettingsWriteError on any failure.
    void save() const;

private:
    std::filesystem::path path_;
    ProfileDocument profile_;
    bool mayReplace_ = true;
};

} // namespace velmar

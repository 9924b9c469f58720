#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// The history file of the interactive mode, per the XDG base directory
// layout: `stateHome`/velmar-convert/history when XDG_STATE_HOME is
// absolute, otherwise `home`/.local/state/velmar-convert/history. Empty when
// neither gives an absolute folder. Either argument may be null (unset).
std::string HistoryPath(const char* stateHome, const char* home);

// Keeps the lines typed in interactive sessions: one line of the file for
// each, oldest first, the newest HistoryLimit of them. Each line is added to
// the file as soon as it is typed, so a session that is killed keeps what
// was typed before. When the file cannot be read or written the session
// goes on without it, after one warning on standard error.
class HistoryFile {
public:
    static constexpr std::size_t HistoryLimit = 1000;

    explicit HistoryFile(std::string path);

    // The kept lines, oldest first. Creates the file's folder (mode 0700)
    // when missing and cuts a file that has grown past the limit.
    std::vector<std::string> load();

    // Adds a typed line at the end of the file; a line just like the
    // previous one is not added again.
    void append(std::string_view line);

private:
    bool makeFolder();
    bool readLines(std::vector<std::string>& lines);
    bool trim(std::vector<std::string>& lines);
    void giveUp(std::string_view doing, int error);

    std::string path_;
    bool usable_ = true;
    std::size_t lineCount_ = 0; // in the file, as far as this session knows
    std::string lastLine_;
};

} // namespace velmar

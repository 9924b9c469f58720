#include "cli/history_file.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "cli/output.h"

namespace velmar {
namespace {

bool isAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

// "/home/me/" and "/home/me" name one folder; the path is shown in messages.
std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Closes a descriptor when it goes out of scope, keeping errno as it was.
class Descriptor {
public:
    explicit Descriptor(int fileDescriptor)
        : fileDescriptor_(fileDescriptor)
    { }
    ~Descriptor()
    {
        if (fileDescriptor_ >= 0) {
            const int error = errno;
            ::close(fileDescriptor_);
            errno = error;
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fileDescriptor_; }

    // Closes now, so that a failure of the last write shows; false when it fails.
    bool close() { return ::close(std::exchange(fileDescriptor_, -1)) == 0; }

private:
    int fileDescriptor_;
};

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

} // namespace

std::string HistoryPath(const char* stateHome, const char* home)
{
    if (isAbsolute(stateHome))
        return withoutTrailingSlashes(stateHome) + "/velmar-convert/history";
    if (isAbsolute(home))
        return withoutTrailingSlashes(home) + "/.local/state/velmar-convert/history";
    return {};
}

HistoryFile::HistoryFile(std::string path)
    : path_(std::move(path))
{ }

void HistoryFile::giveUp(std::string_view doing, int error)
{
    WriteToStandardError(ProgramMessage("cannot " + std::string(doing) + " the history file " + path_ + ": "
                                        + std::strerror(error)
                                        + "; the session goes on without keeping its lines. Set XDG_STATE_HOME "
                                          "to a folder you can write to keep them."));
    usable_ = false;
}

// Every missing folder on the way is made private to its owner, as the XDG
// base directory layout asks.
bool HistoryFile::makeFolder()
{
    const std::string folder = path_.substr(0, path_.rfind('/'));
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            giveUp("create the folder of", errno);
            return false;
        }
        if (end == std::string::npos)
            return true;
    }
}

bool HistoryFile::readLines(std::vector<std::string>& lines)
{
    lines.clear();
    Descriptor file(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0 && errno == ENOENT)
        return true;
    std::string text;
    std::array<char, 65536> block;
    ssize_t count = file.get() < 0 ? -1 : 0;
    while (file.get() >= 0 && (count = ::read(file.get(), block.data(), block.size())) != 0) {
        if (count < 0 && errno != EINTR)
            break;
        if (count > 0)
            text.append(block.data(), static_cast<std::size_t>(count));
    }
    if (count < 0) {
        giveUp("read", errno);
        return false;
    }
    for (std::size_t begin = 0, end; begin < text.size(); begin = end + 1) {
        end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        if (end > begin)
            lines.push_back(text.substr(begin, end - begin));
    }
    return true;
}

// Keeps the newest lines: writes them to a new file that then replaces the
// old one, so the history is whole at every moment.
bool HistoryFile::trim(std::vector<std::string>& lines)
{
    if (lines.size() <= HistoryLimit)
        return true;
    lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(HistoryLimit));
    std::string newPath = path_ + ".XXXXXX";
    Descriptor file(::mkostemp(newPath.data(), O_CLOEXEC));
    if (file.get() < 0 || !WriteAll(file.get(), joinedLines(lines)) || !file.close()
        || ::rename(newPath.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(newPath.c_str());
        giveUp("write", error);
        return false;
    }
    return true;
}

std::vector<std::string> HistoryFile::load()
{
    if (path_.empty()) {
        WriteToStandardError(ProgramMessage("no folder for the history file; the session goes on without keeping "
                                            "its lines. Set HOME or XDG_STATE_HOME to an absolute path to keep "
                                            "them."));
        usable_ = false;
        return {};
    }
    std::vector<std::string> lines;
    if (!makeFolder() || !readLines(lines))
        return {};
    // A file that cannot be cut back still gives its newest lines to recall.
    if (!trim(lines))
        return lines;
    lineCount_ = lines.size();
    lastLine_ = lines.empty() ? std::string() : lines.back();
    return lines;
}

void HistoryFile::append(std::string_view line)
{
    if (!usable_ || line == lastLine_)
        return;
    const std::string record = std::string(line) + '\n';
    Descriptor file(::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    // One write, so that the lines of sessions running side by side do not mix.
    if (file.get() < 0 || !WriteAll(file.get(), record) || !file.close())
        return giveUp("write", errno);
    lastLine_ = line;
    // Other sessions add to the file too; cutting it back whenever it holds
    // twice the limit keeps it small without rewriting it for every line.
    if (++lineCount_ > 2 * HistoryLimit) {
        std::vector<std::string> lines;
        if (readLines(lines) && trim(lines))
            lineCount_ = lines.size();
    }
}

} // namespace velmar

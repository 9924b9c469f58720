#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/history_file.h"

namespace {

namespace fs = std::filesystem;
using velmar::HistoryFile;

struct PathCase {
    const char* StateHome;
    const char* Home;
    std::string Path;
};

TEST(HistoryPath, FollowsTheXdgLayout)
{
    const PathCase cases[] = {
        {"/s", "/h", "/s/velmar-convert/history"},
        {"/s//", "/h", "/s/velmar-convert/history"},
        {nullptr, "/h", "/h/.local/state/velmar-convert/history"},
        {"", "/h/", "/h/.local/state/velmar-convert/history"},
        {"relative", "/h", "/h/.local/state/velmar-convert/history"}, // only an absolute path counts
        {nullptr, nullptr, ""},
        {"relative", "also-relative", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(velmar::HistoryPath(c.StateHome, c.Home), c.Path)
            << (c.StateHome ? c.StateHome : "(unset)") << ", " << (c.Home ? c.Home : "(unset)");
    }
}

class HistoryFileTest : public testing::Test {
protected:
    HistoryFileTest()
    {
        std::string pattern = (fs::temp_directory_path() / "velmar-history-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
    }
    ~HistoryFileTest() override { fs::remove_all(folder_); }

    fs::path path() const { return folder_ / "state" / "velmar-convert" / "history"; }

    std::vector<std::string> linesOfFile() const
    {
        std::ifstream file(path());
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    void writeNumberedLines(std::size_t count) const
    {
        fs::create_directories(path().parent_path());
        std::ofstream file(path());
        for (std::size_t i = 1; i <= count; ++i)
            file << "line " << i << '\n';
    }

    fs::path folder_;
};

TEST_F(HistoryFileTest, MakesAPrivateFolderAndKeepsEachLineAtOnce)
{
    HistoryFile history(path().string());
    EXPECT_TRUE(history.load().empty());
    for (const fs::path& folder : {path().parent_path(), path().parent_path().parent_path()})
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << folder;

    history.append("1 ft to in");
    EXPECT_EQ(linesOfFile(), std::vector<std::string>{"1 ft to in"});
    history.append("1 ft to in");
    history.append("Length \"nautical mile\" foot 3");
    history.append("1 ft to in");

    const std::vector<std::string> expected{"1 ft to in", "Length \"nautical mile\" foot 3", "1 ft to in"};
    EXPECT_EQ(linesOfFile(), expected);
    HistoryFile next(path().string());
    EXPECT_EQ(next.load(), expected);
    next.append("1 ft to in"); // the last line of the file already
    EXPECT_EQ(linesOfFile(), expected);
}

TEST_F(HistoryFileTest, KeepsTheNewestLinesOfALongFile)
{
    writeNumberedLines(HistoryFile::HistoryLimit + 5);
    HistoryFile history(path().string());
    const std::vector<std::string> lines = history.load();
    ASSERT_EQ(lines.size(), HistoryFile::HistoryLimit);
    EXPECT_EQ(lines.front(), "line 6");
    EXPECT_EQ(lines.back(), "line 1005");
    EXPECT_EQ(linesOfFile(), lines);
}

// A long session cuts the file back once it holds twice the limit.
TEST_F(HistoryFileTest, CutsTheFileBackDuringALongSession)
{
    writeNumberedLines(HistoryFile::HistoryLimit);
    HistoryFile history(path().string());
    history.load();
    for (std::size_t i = HistoryFile::HistoryLimit + 1; i <= 2 * HistoryFile::HistoryLimit; ++i)
        history.append("line " + std::to_string(i));
    EXPECT_EQ(linesOfFile().size(), 2 * HistoryFile::HistoryLimit);
    history.append("one more");
    const std::vector<std::string> lines = linesOfFile();
    ASSERT_EQ(lines.size(), HistoryFile::HistoryLimit);
    EXPECT_EQ(lines.front(), "line 1002");
    EXPECT_EQ(lines.back(), "one more");
    EXPECT_EQ(std::distance(fs::directory_iterator(path().parent_path()), fs::directory_iterator()), 1)
        << "the new file replaced the old one";
}

} // namespace

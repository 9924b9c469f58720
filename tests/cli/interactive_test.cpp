#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/converter_process.h"
#include "tests/cli/terminal_session.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* Prompt = "> ";

// The prompt is shown and the program reads keys. A line editor switches the
// terminal to key-by-key input only after its prompt; Ctrl+C or Ctrl+D typed
// before then would reach the terminal's own line discipline instead.
bool readyForLine(TerminalSession& session)
{
#ifdef VELMAR_CONVERT_RECALLS
    return session.waitFor(Prompt) && session.waitForKeyByKeyInput();
#else
    return session.waitFor(Prompt);
#endif
}

// A folder of its own for each test, for HOME and the history.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "velmar-interactive-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::vector<std::string> sessionEnvironment(const ScratchFolder& folder)
{
    return {"TERM=xterm", "HOME=" + folder.path().string(), "XDG_STATE_HOME=" + (folder.path() / "state").string(),
            "EDITRC"};
}

std::string historyOf(const ScratchFolder& folder)
{
    std::ifstream file(folder.path() / "state" / "velmar-convert" / "history");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct SessionCase {
    std::string Name;
    std::vector<std::string> Arguments;
    std::vector<std::string> Lines;
    std::vector<std::string> Answers;    // lines, or their ends, shown on the terminal in this order
    std::vector<std::string> ErrorParts; // on standard error, in this order
};

std::ostream& operator<<(std::ostream& out, const SessionCase& c)
{
    return out << c.Name;
}

class Session : public testing::TestWithParam<SessionCase> { };

// Every line is answered as the command line answers the same words, an
// error ends nothing, and quit ends the session with status 0.
TEST_P(Session, AnswersEachLineUntilQuit)
{
    const ScratchFolder folder;
    TerminalSession session(GetParam().Arguments, sessionEnvironment(folder));
    std::vector<std::string> lines = GetParam().Lines;
    lines.push_back("quit");
    for (const std::string& line : lines) {
        ASSERT_TRUE(readyForLine(session)) << session.screen();
        session.type(line + "\n");
    }
    EXPECT_EQ(session.finish(), 0) << session.screen() << session.errors();
    const std::string& shown = session.screen();

    std::size_t from = 0;
    for (const std::string& answer : GetParam().Answers) {
        from = shown.find(answer + "\r\n", from);
        EXPECT_NE(from, std::string::npos) << answer << " in " << shown;
    }
    from = 0;
    for (const std::string& part : GetParam().ErrorParts) {
        from = session.errors().find(part, from);
        EXPECT_NE(from, std::string::npos) << part << " in " << session.errors();
    }
    if (GetParam().ErrorParts.empty()) {
        EXPECT_EQ(session.errors(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Session,
    testing::Values(
        SessionCase{"forms",
                    {},
                    {"60 mph to km/h", "Length \"nautical mile\" foot 3", "1 metrr to ft",
                     "Length 'nautical mile' ft 1", "5 ft 10 in to cm", "Fractions \"\" mixed\\ number 2.25", "",
                     "80 réaumur to C"},
                    {"96.56064", "18228.34646", "6076.115486", "177.8", "2 and 1/4", "100"},
                    {"unknown unit \"metrr\"; did you mean meter?", "Type help to see the forms"}},
        SessionCase{"quote never closed",
                    {},
                    {"Length \"nautical mile foot 3", "1 ft to in"},
                    {"12"},
                    {"the \" at character 8 is never closed"}},
        SessionCase{"options of the command line",
                    {"--format", "fixed", "--precision", "2"},
                    {"37 C to F", "1 ft to in"},
                    {"98.60", "12.00"},
                    {}},
        SessionCase{"marks",
                    {"--format", "commas", "--precision", "1", "--decimal-mark", ",", "--thousands-mark", "."},
                    {"1000.25 mi to ft"},
                    {"5.281.320,0"},
                    {}},
        SessionCase{"explain",
                    {"-v"},
                    {"Numbers decimal 'Roman numeral' 1994"},
                    {"1994 decimal = MCMXCIV Roman numeral (Numbers)"},
                    {}},
        SessionCase{"json",
                    {"--json"},
                    {"1 ft to in", "1 ft to \"in"},
                    {R"({"category":"Length","from":"foot","to":"inch","input":"1","result":"12","error":null})",
                     R"({"category":null,"from":null,"to":null,"input":"1 ft to \"in","result":null,)"
                     R"("error":"the \" at character 9 is never closed; end the quoted text with another \""})"},
                    {}},
        SessionCase{
            "help", {}, {"help", "HELP"}, {"discard the line being typed", "discard the line being typed"}, {}}));

// Ctrl+D on an empty line and exit end the session as quit does, and the
// shell's prompt then starts on a line of its own.
TEST(Session, EndsOnExitAndCtrlD)
{
    for (const std::string ending : {"exit\n", "\x04"}) {
        const ScratchFolder folder;
        TerminalSession session({}, sessionEnvironment(folder));
        ASSERT_TRUE(readyForLine(session));
        session.type(ending);
        EXPECT_EQ(session.finish(), 0) << session.screen();
        EXPECT_TRUE(session.screen().ends_with("\n")) << session.screen();
    }
}

// Ctrl+C drops the line being typed, and the session, with its history,
// goes on.
TEST(Session, CtrlCDiscardsTheLineBeingTyped)
{
    const ScratchFolder folder;
    TerminalSession session({}, sessionEnvironment(folder));
    ASSERT_TRUE(readyForLine(session));
    session.type("1 ft to in\n");
    ASSERT_TRUE(readyForLine(session));
    session.type("60 mph to km/h");
    ASSERT_TRUE(session.waitFor("60 mph to km/h"));
    session.type("\x03");
    ASSERT_TRUE(readyForLine(session)) << session.screen();
    session.type("2 ft to in\n");
    ASSERT_TRUE(session.waitFor("24\r\n")) << session.screen();
    session.type("quit\n");
    EXPECT_EQ(session.finish(), 0);
    EXPECT_EQ(session.screen().find("96.56064"), std::string::npos) << session.screen();
    EXPECT_EQ(session.errors(), "");
    EXPECT_EQ(historyOf(folder), "1 ft to in\n2 ft to in\nquit\n");
}

// A window resized while a line is typed redraws it; the line is kept.
TEST(Session, ResizingTheWindowKeepsTheLineBeingTyped)
{
    const ScratchFolder folder;
    TerminalSession session({}, sessionEnvironment(folder));
    ASSERT_TRUE(readyForLine(session));
    session.type("3 ft");
    ASSERT_TRUE(session.waitFor("3 ft"));
    // Each resize is meant to find the program waiting for a key; one that
    // comes sooner shows nothing, but cannot fail the test either.
    for (const unsigned short columns : {100, 60, 90}) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        session.resize(columns);
    }
    session.type(" to in\n");
    ASSERT_TRUE(session.waitFor("36\r\n")) << session.screen();
    session.type("quit\n");
    EXPECT_EQ(session.finish(), 0);
}

// Each line reaches the file as it is typed, so a session that is killed
// keeps them; the next session recalls them with Up.
TEST(Session, KeepsItsHistoryForTheNextSession)
{
    const ScratchFolder folder;
    {
        TerminalSession session({}, sessionEnvironment(folder));
        ASSERT_TRUE(readyForLine(session));
        session.type("1 ft to in\n");
        ASSERT_TRUE(session.waitFor("12\r\n"));
        session.type("3 ft to in\n");
        ASSERT_TRUE(session.waitFor("36\r\n"));
        // killed, not ended
    }
    EXPECT_EQ(historyOf(folder), "1 ft to in\n3 ft to in\n");

#ifdef VELMAR_CONVERT_RECALLS
    TerminalSession session({}, sessionEnvironment(folder));
    ASSERT_TRUE(readyForLine(session));
    session.type("\x1b[A\x1b[A\n"); // Up twice
    EXPECT_TRUE(session.waitFor("12\r\n")) << session.screen();
    session.type("quit\n");
    EXPECT_EQ(session.finish(), 0);
#endif
}

struct HistoryTroubleCase {
    std::string Name;
    std::vector<std::string> Environment; // "@" stands for the test's own folder
    std::string Warning;
};

std::ostream& operator<<(std::ostream& out, const HistoryTroubleCase& c)
{
    return out << c.Name;
}

class HistoryTrouble : public testing::TestWithParam<HistoryTroubleCase> { };

// A history that cannot be kept costs one warning, and the session goes on.
TEST_P(HistoryTrouble, WarnsOnceAndGoesOn)
{
    const ScratchFolder folder;
    std::ofstream(folder.path() / "file") << "not a folder\n";
    fs::create_directories(folder.path() / "state" / "velmar-convert" / "history");
    std::vector<std::string> environment{"TERM=xterm", "EDITRC"};
    for (std::string setting : GetParam().Environment) {
        if (const std::size_t at = setting.find('@'); at != std::string::npos)
            setting.replace(at, 1, folder.path().string());
        environment.push_back(setting);
    }
    TerminalSession session({}, environment);
    ASSERT_TRUE(readyForLine(session));
    session.type("1 ft to in\n");
    ASSERT_TRUE(session.waitFor("12\r\n")) << session.screen();
    session.type("2 ft to in\n");
    ASSERT_TRUE(session.waitFor("24\r\n")) << session.screen();
    session.type("quit\n");
    EXPECT_EQ(session.finish(), 0);
    EXPECT_EQ(LinesOf(session.errors()).size(), 1U) << session.errors();
    EXPECT_NE(session.errors().find(GetParam().Warning), std::string::npos) << session.errors();
}

INSTANTIATE_TEST_SUITE_P(
    Places, HistoryTrouble,
    testing::Values(HistoryTroubleCase{"folder is a file",
                                       {"XDG_STATE_HOME=@/file/state", "HOME=@"},
                                       "cannot create the folder of the history file"},
                    HistoryTroubleCase{
                        "file is a folder", {"XDG_STATE_HOME=@/state", "HOME=@"}, "cannot read the history file"},
                    HistoryTroubleCase{"no home", {"XDG_STATE_HOME", "HOME"}, "no folder for the history file"}));

// Without a terminal to read from, no operands stay a usage error, options
// or not: a script must not wait for input.
TEST(Session, NeedsATerminal)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--json", "--precision", "8"}}) {
        const ProcessResult run = RunConverter(arguments, "1 ft to in\n");
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("got 0 arguments"), std::string::npos) << run.Err;
        EXPECT_EQ(run.ExitStatus, 2);
    }
}

} // namespace

#include "tests/cli/converter_process.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/cli/descriptors.h"

extern char** environ;

namespace {

struct Pipe {
    int Read = -1;
    int Write = -1;

    Pipe()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        Read = ends[0];
        Write = ends[1];
    }
};

pid_t spawn(const std::vector<std::string>& arguments, const Pipe& in, const Pipe& out, const Pipe& err,
            OutputTarget output)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.Read, STDIN_FILENO);
    switch (output) {
    case OutputTarget::Collected:
        posix_spawn_file_actions_adddup2(&actions, out.Write, STDOUT_FILENO);
        break;
    case OutputTarget::Closed:
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
        break;
    case OutputTarget::FullDevice:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
        break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.Write, STDERR_FILENO);

    std::vector<char*> argv;
    std::string program = VELMAR_CONVERT_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + program);
    return pid;
}

} // namespace

ProcessResult RunConverter(const std::vector<std::string>& arguments, std::string_view input, OutputTarget output)
{
    // The converter may exit before reading all of its input.
    std::signal(SIGPIPE, SIG_IGN);

    Pipe in;
    Pipe out;
    Pipe err;
    const pid_t pid = spawn(arguments, in, out, err, output);
    CloseIfOpen(in.Read);
    CloseIfOpen(out.Write);
    CloseIfOpen(err.Write);
    ::fcntl(in.Write, F_SETFL, O_NONBLOCK);
    if (input.empty())
        CloseIfOpen(in.Write);

    ProcessResult result;
    std::size_t written = 0;
    while (out.Read >= 0 || err.Read >= 0) {
        std::array<pollfd, 3> watched{{{out.Read, POLLIN, 0}, {err.Read, POLLIN, 0}, {in.Write, POLLOUT, 0}}};
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("poll failed");
        }
        if (watched[2].revents != 0) {
            const ssize_t count = ::write(in.Write, input.data() + written, input.size() - written);
            if (count > 0)
                written += static_cast<std::size_t>(count);
            if ((count < 0 && errno != EAGAIN) || written == input.size())
                CloseIfOpen(in.Write);
        }
        if (watched[0].revents != 0)
            ReadAvailable(out.Read, result.Out);
        if (watched[1].revents != 0)
            ReadAvailable(err.Read, result.Err);
    }
    CloseIfOpen(in.Write);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

ConverterCoprocess::ConverterCoprocess(const std::vector<std::string>& arguments)
{
    std::signal(SIGPIPE, SIG_IGN);
    Pipe in;
    Pipe out;
    Pipe err;
    pid_ = spawn(arguments, in, out, err, OutputTarget::Collected);
    CloseIfOpen(in.Read);
    CloseIfOpen(out.Write);
    CloseIfOpen(err.Write);
    CloseIfOpen(err.Read);
    input_ = in.Write;
    output_ = out.Read;
}

ConverterCoprocess::~ConverterCoprocess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        finish();
    }
}

void ConverterCoprocess::send(std::string_view text)
{
    if (::write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        throw std::runtime_error("cannot write to the converter");
}

std::optional<std::string> ConverterCoprocess::replyLine()
{
    constexpr int PatienceMilliseconds = 10000;
    std::size_t end;
    while ((end = received_.find('\n')) == std::string::npos) {
        pollfd watched{output_, POLLIN, 0};
        if (output_ < 0 || ::poll(&watched, 1, PatienceMilliseconds) <= 0)
            return std::nullopt;
        ReadAvailable(output_, received_);
    }
    std::string line = received_.substr(0, end);
    received_.erase(0, end + 1);
    return line;
}

int ConverterCoprocess::finish()
{
    CloseIfOpen(input_);
    CloseIfOpen(output_);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size())
        lines.push_back(text.substr(start) + "<no line end>");
    return lines;
}

std::ostream& operator<<(std::ostream& out, const ConverterCase& c)
{
    for (const std::string& argument : c.Arguments)
        out << '[' << argument << "] ";
    return out;
}

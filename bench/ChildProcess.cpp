#include "bench/ChildProcess.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace bench {
namespace {

class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

class FileActions
{
public:
    FileActions() { posix_spawn_file_actions_init(&m_actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&m_actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

std::string describe(const std::vector<std::string>& arguments)
{
    std::string text = "tandera-bench";
    for (const std::string& argument : arguments)
        text += " " + argument;
    return text;
}

} // namespace

std::string runSelf(const std::vector<std::string>& arguments)
{
    std::array<int, 2> pipeEnds{};
    if (::pipe(pipeEnds.data()) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    Fd readEnd(pipeEnds[0]);
    Fd writeEnd(pipeEnds[1]);

    FileActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_addclose(actions.get(), readEnd.get());

    // The resolved name rather than /proc/self/exe itself, which a profiler running this
    // program (valgrind) would resolve to its own binary.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> texts = {"tandera-bench"};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, self.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + describe(arguments) + ": " +
                                 std::strerror(spawned));
    writeEnd.reset();

    std::string output;
    std::array<char, 4096> chunk{};
    for (;;) {
        const ssize_t got = ::read(readEnd.get(), chunk.data(), chunk.size());
        if (got > 0)
            output.append(chunk.data(), static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(describe(arguments) + " failed");
    return output;
}

} // namespace bench

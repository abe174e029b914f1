#include "platform/StandardStreams.h"

#include <QCoreApplication>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// The first failed write of the action: its errno, or 0 when only a stream's error flag tells.
struct WriteFailure
{
    bool failed = false;
    int error = 0;
};

WriteFailure& writeFailure()
{
    static WriteFailure failure;
    return failure;
}

void remember(int error)
{
    WriteFailure& failure = writeFailure();
    if (!failure.failed)
        failure = {true, error};
}

} // namespace

void guardStandardStreams()
{
    std::signal(SIGPIPE, SIG_IGN);
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() takes the lowest free descriptor, which is this one: the ones below are open.
        // Deliberately never closed: it stands in for the closed stream until the program ends.
        const int standIn = ::open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (standIn != descriptor && standIn >= 0)
            ::close(standIn);
    }
}

void writeStandard(std::FILE* stream, std::string_view text, bool flush)
{
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size() ||
        (flush && std::fflush(stream) == EOF))
        remember(errno);
}

int runWithCheckedOutput(std::string_view programName, const std::function<int()>& action)
{
    const int status = action();
    for (std::FILE* stream : {stdout, stderr}) {
        if (std::fflush(stream) == EOF)
            remember(errno);
        else if (std::ferror(stream))
            remember(0);
    }
    const WriteFailure failure = writeFailure();
    if (!failure.failed)
        return status;
    const QString program = QString::fromUtf8(programName.data(), qsizetype(programName.size()));
    const QString report =
        failure.error != 0
            ? QCoreApplication::translate("StandardStreams", "%1: write error: %2")
                  .arg(program, QString::fromLocal8Bit(std::strerror(failure.error)))
            : QCoreApplication::translate("StandardStreams", "%1: write error").arg(program);
    // The report's own failure has nowhere left to go.
    std::fputs((report + QLatin1Char('\n')).toStdString().c_str(), stderr);
    std::fflush(stderr);
    return 1;
}

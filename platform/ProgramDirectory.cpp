#include "platform/ProgramDirectory.h"

#include "engine/Error.h"

#include <QCoreApplication>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
std::string& overrideDirectory()
{
    static std::string directory;
    return directory;
}

constexpr auto kSelf = "/proc/self/exe";

struct Located
{
    std::string directory;
    std::string problem;
};

QString fromBytes(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes);
}

Located locate()
{
    // The link holds the path as the kernel has it: any bytes, of any length up to PATH_MAX.
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(kSelf, target.data(), target.size());
        if (length < 0)
            return {{},
                    QCoreApplication::translate("ProgramDirectory",
                                                "Cannot read %1 to find the program's folder: %2")
                        .arg(QString::fromLatin1(kSelf), fromBytes(std::strerror(errno)))
                        .toStdString()};
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            break;
        }
        target.resize(target.size() * 2);
    }
    const std::string::size_type slash = target.rfind('/');
    std::string directory = slash == 0 ? std::string("/") : target.substr(0, slash);
    struct stat status = {};
    if (slash == std::string::npos || ::stat(directory.c_str(), &status) != 0 ||
        !S_ISDIR(status.st_mode))
        return {{},
                QCoreApplication::translate("ProgramDirectory",
                                            "The program's folder %1 no longer exists.")
                    .arg(fromBytes(directory))
                    .toStdString()};
    return {std::move(directory), {}};
}
} // namespace

std::string ProgramDirectory()
{
    if (!overrideDirectory().empty())
        return overrideDirectory();
    Located located = locate();
    if (!located.problem.empty())
        throw Error(ErrorNumber::FileNotFound, located.problem);
    return std::move(located.directory);
}

std::string programDirectoryProblem()
{
    return overrideDirectory().empty() ? locate().problem : std::string();
}

void setProgramDirectoryForTests(const std::string& directory)
{
    overrideDirectory() = directory;
}

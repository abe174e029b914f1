#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace {
std::string& overrideDirectory()
{
    static std::string directory;
    return directory;
}
} // namespace

std::string ProgramDirectory()
{
    if (!overrideDirectory().empty())
        return overrideDirectory();
    // applicationDirPath never ends in a separator (except for a root, which it keeps).
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

void setProgramDirectoryForTests(const std::string& directory)
{
    overrideDirectory() = directory;
}

#include "platform/DataFiles.h"

#include "engine/Error.h"
#include "platform/Environment.h"
#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

#include <vector>

namespace {

constexpr std::string_view kDataFolder = "tandera-patch";

// The XDG base directory rules take only absolute paths: a relative one would name a folder
// that moves with the current folder, so it counts as not set.
std::string absolutePath(const char* name)
{
    std::string value = environment(name);
    return value.starts_with('/') ? value : std::string();
}

// The XDG folders after the program's own, each already ending in tandera-patch.
std::vector<std::string> xdgFolders()
{
    std::vector<std::string> folders;
    std::string home = absolutePath("XDG_DATA_HOME");
    if (const std::string user = absolutePath("HOME"); home.empty() && !user.empty())
        home = user + "/.local/share";
    if (!home.empty())
        folders.push_back(home + '/' + std::string(kDataFolder));
    std::string dirs = environment("XDG_DATA_DIRS");
    if (dirs.empty())
        dirs = "/usr/local/share:/usr/share";
    std::string::size_type start = 0;
    while (start <= dirs.size()) {
        const std::string::size_type end = std::min(dirs.find(':', start), dirs.size());
        const std::string dir = dirs.substr(start, end - start);
        if (dir.starts_with('/'))
            folders.push_back(dir + '/' + std::string(kDataFolder));
        start = end + 1;
    }
    return folders;
}

bool entryExists(const std::string& path)
{
    struct stat status = {};
    return ::lstat(path.c_str(), &status) == 0;
}

} // namespace

std::string dataFilePath(std::string_view fileName)
{
    const std::string name(fileName);
    std::vector<std::string> places{ProgramDirectory() + '/' + name};
    if (entryExists(places.front()))
        return places.front();
    for (const std::string& folder : xdgFolders()) {
        places.push_back(folder + '/' + name);
        if (entryExists(places.back()))
            return places.back();
    }
    QStringList quoted;
    for (const std::string& place : places)
        quoted << QLatin1Char('\'') + QString::fromLocal8Bit(place) + QLatin1Char('\'');
    throw Error(ErrorNumber::FileNotFound,
                QCoreApplication::translate("DataFiles", "File not found in any of: %1")
                    .arg(quoted.join(QStringLiteral(", ")))
                    .toStdString());
}

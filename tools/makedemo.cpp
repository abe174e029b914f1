#include "tools/DemoDatabase.h"

#include "engine/Error.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

QString usage()
{
    return QCoreApplication::translate(
        "tandera-makedemo",
        "usage: tandera-makedemo [--] <path of the new Kolvarin.mdb>\n"
        "Makes the demo database at the path given; never overwrites a file.\n"
        "  -h, --help  show this help and exit\n"
        "  --          take the next argument as the path, even if it starts with '-'\n");
}

void printError(const QString& message)
{
    std::cerr << "tandera-makedemo: " << message.toStdString() << '\n';
}

// Says what stands in the way at path, in the operator's words, or nothing when the path is free.
// The engine refuses these cases too, but only as "already exists", which is untrue for a folder
// and unhelpful for the empty file a failed sqlite3 call leaves behind.
std::optional<QString> obstacle(const std::filesystem::path& path, const QString& shown)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    if (std::filesystem::is_directory(status))
        return QCoreApplication::translate(
                   "tandera-makedemo",
                   "%1 is a folder; give the path of a new file in it, such as %2.")
            .arg(shown, QString::fromStdString((path / "Kolvarin.mdb").string()));
    if (std::filesystem::is_regular_file(status) && std::filesystem::file_size(path, error) == 0 &&
        !error)
        return QCoreApplication::translate(
                   "tandera-makedemo",
                   "%1 is an empty file, not a database; delete it first, as tandera-makedemo "
                   "never overwrites a file.")
            .arg(shown);
    if (std::filesystem::exists(status))
        return QCoreApplication::translate(
                   "tandera-makedemo",
                   "%1 already exists; tandera-makedemo never overwrites a file.")
            .arg(shown);

    const std::filesystem::path parent =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(parent, error))
        return QCoreApplication::translate("tandera-makedemo",
                                           "cannot make %1: the folder %2 does not exist.")
            .arg(shown, QString::fromStdString(parent.string()));
    return std::nullopt;
}

} // namespace

// tandera-makedemo [--] <path>: makes the demo database at path; never overwrites a file.
int main(int argc, char** argv)
{
    // Only for the catalogue of the operator's language; the arguments are read here.
    int qtArgc = std::min(argc, 1);
    QCoreApplication app(qtArgc, argv);
    installTranslations(kCatalogueFolder);

    std::optional<std::string> path;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnded && (argument == "-h" || argument == "--help")) {
            std::cout << usage().toStdString();
            return 0;
        }
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if ((!optionsEnded && argument.starts_with('-')) || path) {
            std::cerr << usage().toStdString();
            return kExitUsage;
        }
        path = std::string(argument);
    }
    if (!path || path->empty()) {
        std::cerr << usage().toStdString();
        return kExitUsage;
    }

    const QString shown = QString::fromLocal8Bit(*path);
    if (const std::optional<QString> message = obstacle(*path, shown)) {
        printError(*message);
        return kExitFailure;
    }
    try {
        createDemoDatabase(*path);
    } catch (const Error& error) {
        // The engine's descriptions name the path already.
        printError(QString::fromStdString(error.description()));
        return kExitFailure;
    }
    return 0;
}

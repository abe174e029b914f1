#include "bench/OpenCheck.h"

#include "bench/Sqlite.h"
#include "engine/OpenChecks.h"
#include "modules/MdlMain.h"
#include "modules/ReferenceTable.h"
#include "platform/MessageBox.h"

#include <chrono>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace bench {
namespace {

void dropFromPageCache(const std::string& path)
{
    ::sync();
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path);
    const int rc = ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    if (rc != 0)
        throw std::runtime_error("cannot drop " + path + " from the page cache");
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

} // namespace

double timeOpen(const std::string& databasePath)
{
    std::vector<std::string> prompts;
    setMessageBoxHandler(
        [&prompts](const MessageBoxCall& call) { prompts.push_back(call.prompt); });
    dropFromPageCache(databasePath);
    const auto start = std::chrono::steady_clock::now();
    OpenDatabase(databasePath);
    const double seconds = secondsSince(start);
    setMessageBoxHandler(nullptr);
    if (cnDatabase().State() != Connection::adStateOpen)
        throw std::runtime_error("cannot open " + databasePath + ": " +
                                 (prompts.empty() ? std::string("?") : prompts.back()));
    cnDatabase().Close();
    return seconds;
}

double timeQuickCheck(const std::string& databasePath)
{
    const SqliteHandle db = openSqlite(databasePath);
    dropFromPageCache(databasePath);
    const auto start = std::chrono::steady_clock::now();
    engine::checkDatabaseContents(db.get(), databasePath, reloadedTables());
    return secondsSince(start);
}

} // namespace bench

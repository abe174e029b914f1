#include "bench/PaddedDatabase.h"

#include "bench/Sqlite.h"
#include "tools/DemoDatabase.h"

#include <filesystem>

namespace bench {

namespace {
constexpr int kBlobBytes = 1024 * 1024;
}

std::string paddedDatabasePath(const std::string& workDirectory)
{
    // Named as OpenDatabase wants it.
    return (std::filesystem::path(workDirectory) / "padded" / "Kolvarin.mdb").string();
}

void makePaddedDatabase(const std::string& path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    createDemoDatabase(path);
    const SqliteHandle db = openSqlite(path);
    SqliteTransaction transaction(db.get());
    exec(db.get(), "CREATE TABLE Arsip (id INTEGER PRIMARY KEY, isi BLOB)");
    exec(db.get(), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                       std::to_string(kPaddingBytes / kBlobBytes) +
                       ") INSERT INTO Arsip (isi) SELECT randomblob(" + std::to_string(kBlobBytes) +
                       ") FROM n");
    transaction.commit();
}

} // namespace bench

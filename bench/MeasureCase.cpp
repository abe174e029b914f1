#include "bench/MeasureCase.h"

#include "bench/DataSet.h"
#include "bench/Floors.h"
#include "bench/OpenCheck.h"
#include "bench/OursReload.h"
#include "bench/PaddedDatabase.h"
#include "bench/PeakMemory.h"
#include "bench/Sqlite.h"
#include "tools/DemoDatabase.h"

#include <chrono>
#include <filesystem>
#include <optional>

#include <unistd.h>

namespace bench {
namespace {

using Floor = void (*)(sqlite3*, const std::string&, const ReferenceTable&);

double timeFloor(Floor floor, const std::string& databasePath, const std::string& dataPath,
                 const ReferenceTable& table, bool fullSync = false)
{
    const SqliteHandle db = openSqlite(databasePath);
    // The level before the engine's: its difference from the bound floor is what syncing the
    // folder after each commit costs.
    if (fullSync)
        exec(db.get(), "PRAGMA synchronous = FULL");
    const auto start = std::chrono::steady_clock::now();
    floor(db.get(), dataPath, table);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

// Rows and total description length, read straight from the file.
void readBack(const std::string& databasePath, const ReferenceTable& table,
              Measurement& measurement)
{
    const SqliteHandle db = openSqlite(databasePath);
    const StatementHandle count =
        prepare(db.get(), "select count(*), total(length(" + std::string(table.descriptionColumn) +
                              ")) from " + std::string(table.tableName));
    check(db.get(), sqlite3_step(count.get()), "counting the rows");
    measurement.rows = sqlite3_column_int64(count.get(), 0);
    measurement.characters = static_cast<std::int64_t>(sqlite3_column_double(count.get(), 1));
}

} // namespace

Measurement measureCase(BenchCase benchCase, std::int64_t size, int rounds,
                        const std::string& directory)
{
    const ReferenceTable& table = tableFor(size);
    const std::string dataPath = directory + "/" + std::string(table.fileName);

    // The cases on a database as the program's own runs leave it.
    const bool afterAnUpdate = benchCase == BenchCase::OursKept ||
                               benchCase == BenchCase::Preview || benchCase == BenchCase::Undo;
    std::optional<OursReload> ours;
    if (runsTheProgram(benchCase))
        ours.emplace(directory, benchCase != BenchCase::OursNoWindow);

    Measurement measurement;
    for (int round = 0; round < rounds; ++round) {
        const std::filesystem::path roundDirectory =
            std::filesystem::path(directory) /
            ("round-" + std::string(nameOf(benchCase)) + "-" + std::to_string(round));
        std::filesystem::create_directories(roundDirectory);
        // The padded database is the run's one, made before the first round and kept after.
        const bool padded = benchCase == BenchCase::OpenPadded;
        const std::string databasePath =
            padded ? paddedDatabasePath(std::filesystem::path(directory).parent_path().string())
                   : (roundDirectory / "Kolvarin.mdb").string();
        if (!padded)
            createDemoDatabase(databasePath);
        // Nothing left for the kernel to write back: the freshly generated data files would
        // otherwise slow whichever case happens to run first.
        ::sync();

        if (afterAnUpdate) {
            // The table filled as the floor fills it, then the program's update over it, which
            // keeps those rows: untimed.
            timeFloor(runBoundFloor, databasePath, dataPath, table);
            ours->run(databasePath, table);
        }
        double seconds = 0;
        switch (benchCase) {
        case BenchCase::OursKept:
            seconds = ours->run(databasePath, table);
            break;
        case BenchCase::Preview:
            seconds = ours->runPreview(databasePath, table);
            break;
        case BenchCase::Undo:
            seconds = ours->runUndo(databasePath, table);
            break;
        case BenchCase::Ours:
        case BenchCase::OursNoWindow:
            seconds = ours->run(databasePath, table);
            break;
        case BenchCase::TextFloor:
            seconds = timeFloor(runTextFloor, databasePath, dataPath, table);
            break;
        case BenchCase::BoundFloor:
            seconds = timeFloor(runBoundFloor, databasePath, dataPath, table);
            break;
        case BenchCase::BoundFloorFullSync:
            seconds = timeFloor(runBoundFloor, databasePath, dataPath, table, true);
            break;
        case BenchCase::BoundFloorFull:
            timeFloor(runBoundFloor, databasePath, dataPath, table);
            seconds = timeFloor(runBoundFloor, databasePath, dataPath, table);
            break;
        case BenchCase::Open:
        case BenchCase::OpenPadded:
        case BenchCase::QuickCheck:
            // The table filled as the floor fills it, untimed; then the open of the full file.
            timeFloor(runBoundFloor, databasePath, dataPath, table);
            seconds = benchCase == BenchCase::QuickCheck ? timeQuickCheck(databasePath)
                                                         : timeOpen(databasePath);
            break;
        }
        measurement.seconds.push_back(seconds);
        readBack(databasePath, table, measurement);
        std::filesystem::remove_all(roundDirectory);
    }
    measurement.peakKiB = peakResidentKiB();
    return measurement;
}

} // namespace bench

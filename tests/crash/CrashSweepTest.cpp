// Proves that an update run is all or nothing per table, and that a completion box means the
// rows are on disk, by stopping a real run at every change it makes to the disk.
//
// Each run goes in a child process: it opens the database through OpenDatabase and runs both
// reloads through the file layer of FaultVfs, which at the run's N-th write, sync, truncate or
// delete keeps three copies of the files, as three ways of stopping there leave them (see
// FaultVfs::Stop: a crash, lost folder changes, a power cut), and ends the child. The parent
// opens each copy through the engine (which rolls back a journal left behind) and holds each
// table to exactly its old or exactly its new rows, the new ones whenever its completion box
// had been shown before the stop.

#include "engine/Database.h"
#include "engine/DatabaseFormat.h"
#include "engine/Error.h"
#include "engine/PasswordHash.h"
#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "modules/ReferenceTable.h"
#include "modules/UndoRun.h"
#include "platform/MessageBox.h"
#include "platform/ProgressWindow.h"
#include "tests/support/CountingWindow.h"
#include "tests/support/FaultVfs.h"
#include "tests/support/Files.h"
#include "tests/support/HostileDatabase.h"
#include "tests/support/Seams.h"
#include "tests/support/SqliteRows.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDatabase.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

using Stop = FaultVfs::Stop;
constexpr std::array<Stop, 3> kStops = {Stop::Crash, Stop::LostFolderChanges, Stop::PowerCut};

const char* nameOf(Stop stop)
{
    static constexpr const char* kNames[] = {"crash", "lost folder changes", "power cut"};
    return kNames[static_cast<int>(stop)];
}

// What a child tells its parent; lives in memory both share.
// FaultVfs's kinds of event, in their order.
constexpr std::array<const char*, 5> kKinds = {"writes", "syncs", "truncates", "deletes",
                                               "folder syncs"};

struct Report
{
    int boxes = 0;         // completion boxes shown before the stop
    int events = 0;        // events seen, the stopping one included
    bool finished = false; // the run ended without reaching the stop
    bool failed = false;   // the run raised an error
    char error[512] = {};
    // Events by completion boxes shown before them (0, 1, 2), role and kind.
    int counts[3][2][kKinds.size()] = {};
};

// Shared between the parent and its children for the life of the test.
class SharedReport
{
public:
    SharedReport()
        : m_report(static_cast<Report*>(::mmap(nullptr, sizeof(Report), PROT_READ | PROT_WRITE,
                                               MAP_SHARED | MAP_ANONYMOUS, -1, 0)))
    {
        if (m_report == MAP_FAILED)
            throw std::runtime_error("no shared memory");
    }
    ~SharedReport() { ::munmap(m_report, sizeof(Report)); }
    SharedReport(const SharedReport&) = delete;
    SharedReport& operator=(const SharedReport&) = delete;
    Report& operator*() const { return *m_report; }
    Report* operator->() const { return m_report; }

private:
    Report* m_report;
};

Rows kemasanRows(int count, const std::string& words)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    Rows rows;
    for (int i = 0; i < count; ++i) {
        const std::string code = {kDigits[(i / 36) % 36], kDigits[i % 36]};
        rows.emplace_back(code, words + " " + std::to_string(i));
    }
    return rows;
}

Rows pelabuhanRows(int count, char first, const std::string& words)
{
    Rows rows;
    for (int i = 0; i < count; ++i) {
        char code[8];
        std::snprintf(code, sizeof code, "%c%04d", first, i);
        rows.emplace_back(code, words + " " + std::to_string(i * 7919 % 100000));
    }
    return rows;
}

std::string dataFile(const Rows& rows)
{
    std::string bytes;
    for (const auto& [code, description] : rows)
        bytes += code + ";" + description + "\r\n";
    return bytes;
}

const std::string kPassword(kDatabasePassword);

Rows sorted(Rows rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

class CrashSweep : public testing::Test
{
protected:
    // Old tables as the office has them; new data files of 2,300 lines in all, the port file
    // long enough to fill many pages.
    const Rows oldKemasan = sorted(kemasanRows(250, "Kemasan lama"));
    const Rows newKemasan = sorted(kemasanRows(300, "Kemasan baru dengan nama panjang"));
    const Rows oldPelabuhan = sorted(pelabuhanRows(1500, 'L', "Pelabuhan lama"));
    const Rows newPelabuhan = sorted(pelabuhanRows(2000, 'B', "Pelabuhan baru di pesisir"));

    void SetUp() override
    {
        {
            createReferenceDatabase(databasePath());
            engine::Database database = engine::Database::open(databasePath(), kPassword);
            database.beginTransaction();
            for (const auto& [code, description] : oldKemasan)
                insertRow(database, kTblKemasan, code, description);
            for (const auto& [code, description] : oldPelabuhan)
                insertRow(database, kTblPelabuhan, code, description);
            database.commitTransaction();
        }
        storeCheapPasswordHash();
        m_pristine = readFile(databasePath());
        writeFile(m_dir.file(std::string(kTblKemasan.fileName)), dataFile(newKemasan));
        writeFile(m_dir.file(std::string(kTblPelabuhan.fileName)), dataFile(newPelabuhan));
    }

    std::string databasePath() const { return m_dir.file("Kolvarin.mdb"); }

    // Every run opens the file twice; a hash of one round keeps the opens from taking most of
    // the sweep's time. The file stays one of ours: it carries its own round count.
    void storeCheapPasswordHash() const
    {
        const std::string table = engine::format::PasswordTable;
        const std::string salt =
            sqliteRows(databasePath(), "SELECT salt FROM " + table).at(0).at(0).value();
        std::string hex;
        for (const unsigned char byte : engine::hashPassword(kPassword, salt, 1))
            hex += {"0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 15]};
        hostile::runOnFile(databasePath(),
                           "UPDATE " + table + " SET iterations = 1, hash = X'" + hex + "'");
    }

    // Where the files as stop leaves them are kept.
    std::string keptFolder(Stop stop) const { return m_dir.file(nameOf(stop)); }

    // Runs the update in a child that stops at event stopAt (past the last event: after the
    // run), keeping the files as each way of stopping leaves them; returns what it reported.
    Report runStoppingAt(int stopAt)
    {
        writeFile(databasePath(), m_pristine);
        ::unlink((databasePath() + "-journal").c_str());
        for (const Stop stop : kStops) {
            std::filesystem::remove_all(keptFolder(stop));
            std::filesystem::create_directory(keptFolder(stop));
        }
        *m_shared = Report{};

        const pid_t child = ::fork();
        if (child == 0)
            runChild(stopAt);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the child died on its own at " << stopAt;
        return *m_shared;
    }

    // Holds the file to what every stop must leave; returns false after reporting a failure.
    bool expectIntact(int stopAt, Stop stop, const Report& report)
    {
        const std::string where = std::string(nameOf(stop)) + " at event " + std::to_string(stopAt);
        const std::string path = keptFolder(stop) + "/Kolvarin.mdb";
        Rows kemasan;
        Rows pelabuhan;
        try {
            // The first open through the engine rolls back a journal left behind.
            engine::Database database = engine::Database::open(path, kPassword);
            kemasan = rowsOf(path, "Tblkemasan");
            pelabuhan = rowsOf(path, "TblPelabuhan");
        } catch (const Error& error) {
            ADD_FAILURE() << where << ": the engine cannot open the file: " << error.description();
            return false;
        }
        bool intact = true;
        const std::vector<std::string> integrity = sqliteLines(path, "PRAGMA integrity_check");
        if (integrity != std::vector<std::string>{"ok"}) {
            ADD_FAILURE() << where << ": integrity_check says "
                          << testing::PrintToString(integrity);
            intact = false;
        }
        // An undo puts the old rows back over the new.
        const auto [kemasanBefore, kemasanAfter] =
            m_undo ? std::tie(newKemasan, oldKemasan) : std::tie(oldKemasan, newKemasan);
        const auto [pelabuhanBefore, pelabuhanAfter] =
            m_undo ? std::tie(newPelabuhan, oldPelabuhan) : std::tie(oldPelabuhan, newPelabuhan);
        intact = expectOldOrNew(where, path, "Tblkemasan", kemasan, kemasanBefore, kemasanAfter,
                                report.boxes >= 1) &&
                 intact;
        intact = expectOldOrNew(where, path, "TblPelabuhan", pelabuhan, pelabuhanBefore,
                                pelabuhanAfter, report.boxes >= 2) &&
                 intact;
        return intact;
    }

    // Stops the run at every stride-th of its events, and once after it, and holds the files
    // each way of stopping leaves to the rules; returns the undisturbed run's report.
    Report sweep(int stride)
    {
        const Report full = runStoppingAt(0);
        EXPECT_TRUE(full.finished) << "the run itself failed: " << full.error;
        EXPECT_EQ(full.boxes, 2);
        if (!full.finished)
            return full;
        printCounts(full);

        int failures = 0;
        std::vector<int> stops;
        for (int stopAt = 1; stopAt <= full.events; stopAt += stride)
            stops.push_back(stopAt);
        stops.push_back(full.events + 1);
        for (const int stopAt : stops) {
            if (failures >= 10)
                break;
            const Report report = runStoppingAt(stopAt);
            if (report.failed) {
                ADD_FAILURE() << "the run raised: " << report.error;
                return full;
            }
            if (report.finished != (stopAt > full.events)) {
                ADD_FAILURE() << "the run's events vary: " << report.events << " against "
                              << full.events;
                return full;
            }
            for (const Stop stop : kStops)
                if (!expectIntact(stopAt, stop, report))
                    ++failures;
        }
        return full;
    }

    // Makes the update's result the file every run starts from, for a sweep of the undo.
    void startFromUpdated()
    {
        writeFile(databasePath(), m_pristine);
        {
            const RecordedBoxes boxes;
            const ProgramDirectoryOverride directory(m_dir.path());
            CountingWindow window;
            setProgressWindowProvider([&]() -> ProgressWindow& { return window; });
            OpenDatabase(databasePath());
            UpdateTblKemasan();
            UpdateTblPelabuhan();
            cnDatabase().Close();
            setProgressWindowProvider({});
        }
        m_pristine = readFile(databasePath());
        m_undo = true;
    }

    SharedReport m_shared;
    // SQLite's soft heap limit in the child, in bytes; 0: none.
    std::int64_t m_heapLimit = 0;
    bool m_undo = false; // the child runs the undo instead of the update

private:
    static void printCounts(const Report& report)
    {
        static constexpr std::array<const char*, 3> kPhases = {"Tblkemasan", "TblPelabuhan",
                                                               "after both boxes"};
        std::string counts;
        for (int phase = 0; phase < 3; ++phase)
            for (int role = 0; role < 2; ++role)
                for (std::size_t kind = 0; kind < kKinds.size(); ++kind)
                    if (report.counts[phase][role][kind])
                        counts += std::string("  ") + kPhases[phase] + ", " +
                                  (role ? "journal " : "database ") + kKinds[kind] + ": " +
                                  std::to_string(report.counts[phase][role][kind]) + "\n";
        std::printf("%d events in a run:\n%s", report.events, counts.c_str());
        std::fflush(stdout);
    }

    [[noreturn]] void runChild(int stopAt)
    {
        Report& report = *m_shared;
        {
            FaultVfs vfs;
            const auto stopHere = [&] {
                for (const Stop stop : kStops)
                    vfs.keepAfter(stop, keptFolder(stop));
                ::_exit(0);
            };
            vfs.setObserver([&](const FaultVfs::Event& event) {
                ++report.events;
                if (report.events == stopAt)
                    stopHere();
                report.counts[std::min(report.boxes, 2)][static_cast<int>(event.role)]
                             [static_cast<int>(event.kind)]++;
                return SQLITE_OK;
            });
            sqlite3_soft_heap_limit64(m_heapLimit);
            CountingWindow window;
            setProgressWindowProvider([&]() -> ProgressWindow& { return window; });
            setMessageBoxHandler([&](const MessageBoxCall&) { ++report.boxes; });
            ProgramDirectoryOverride directory(m_dir.path());
            try {
                if (m_undo) {
                    RunUndo(databasePath());
                } else {
                    OpenDatabase(databasePath());
                    UpdateTblKemasan();
                    UpdateTblPelabuhan();
                }
                cnDatabase().Close();
            } catch (const Error& error) {
                report.failed = true;
                std::snprintf(report.error, sizeof report.error, "%s", error.what());
                ::_exit(0);
            }
            report.finished = true;
            // Stopped after the last event: the power goes with the boxes on the screen.
            stopHere();
        }
        ::_exit(0); // not reached: stopHere ends the child
    }

    static Rows rowsOf(const std::string& path, const std::string& table)
    {
        Rows rows;
        for (const SqliteRow& row : sqliteRows(path, "SELECT * FROM " + table))
            rows.emplace_back(row.at(0).value_or("<null>"), row.at(1).value_or("<null>"));
        return sorted(std::move(rows));
    }

    // The table holds its rows from before or after the run, the latter once its box was shown,
    // and the history records the run's change of it exactly when its rows are the latter.
    bool expectOldOrNew(const std::string& where, const std::string& path, const char* table,
                        const Rows& rows, const Rows& before, const Rows& after,
                        bool boxShown) const
    {
        const bool hasHistory =
            sqliteLines(path, "SELECT count(*) FROM sqlite_schema WHERE name = 'MSysHistory'")
                .at(0) == "1";
        const std::string recorded =
            hasHistory ? sqliteLines(path, "SELECT count(*) FROM MSysHistory WHERE kind = '" +
                                               std::string(m_undo ? "undo" : "update") +
                                               "' AND tableName = '" + table + "'")
                             .at(0)
                       : "0";
        if (recorded != (rows == after ? "1" : "0")) {
            ADD_FAILURE() << where << ": " << table << " has " << recorded
                          << " history rows of the run with its rows from "
                          << (rows == after ? "after" : "before");
            return false;
        }
        if (rows == after)
            return true;
        if (rows == before && !boxShown)
            return true;
        ADD_FAILURE() << where << ": " << table << " holds " << rows.size() << " rows, "
                      << (rows == before ? "its old ones after its completion box"
                                         : "neither its old nor its new ones");
        return false;
    }

    TempDir m_dir;
    std::string m_pristine;
};

// Every event of a run where the whole reload fits the page cache, each way of stopping, plus
// a stop after the run has ended.
TEST_F(CrashSweep, EveryStopLeavesEachTableOldOrNew)
{
    const Report run = sweep(1);
    // The port table's reload commits in one go: its journal is synced twice (the records,
    // then their count) and the file once.
    EXPECT_EQ(run.counts[1][1][1], 2) << "journal syncs";
    EXPECT_EQ(run.counts[1][0][1], 1) << "database syncs";
}

// The undo of that update: each table back to its old rows or still at its new ones, as a box
// says, with the undo in its history exactly when its rows went back.
TEST_F(CrashSweep, EveryStopOfAnUndoLeavesEachTableBeforeOrAfterIt)
{
    startFromUpdated();
    sweep(1);
}

// The same where SQLite's memory is held so low that the port table's reload writes pages to
// the file before its commit (each time after syncing the journal). Every third event, which
// keeps the sweep short and still stops in every spill: each takes a journal sync, a new
// journal header and several page writes.
TEST_F(CrashSweep, EveryStopWhileTheCacheSpillsLeavesEachTableOldOrNew)
{
    m_heapLimit = 200'000;
    const Report run = sweep(3);
    EXPECT_GT(run.counts[1][1][1], 4) << "the cache did not spill: too few journal syncs";
}

} // namespace

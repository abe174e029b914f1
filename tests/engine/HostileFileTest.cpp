#include "modules/ReferenceTable.h"
#include "tests/engine/EngineFixture.h"
#include "tests/support/HostileDatabase.h"

#include <functional>

using namespace enginetest;

namespace {

struct HostileFileCase
{
    const char* name;
    std::function<void(const std::string& path)> spoil;
    std::function<std::string(const std::string& path)> description;
};

// ctest lists each case by its name, not by the bytes of its function objects.
[[maybe_unused]] void PrintTo(const HostileFileCase& hostile, std::ostream* out)
{
    *out << hostile.name;
}

class OpenRefusesHostileFile : public ::testing::TestWithParam<HostileFileCase>
{
};

// Mended faults: a damaged file was opened and half rewritten before a later statement met the
// damage; a trigger in the file changed rows during the reload; a file in write-ahead-log mode
// was called an unrecognized format. Each is now refused at open, as it stands, byte for byte.
TEST_P(OpenRefusesHostileFile, WithTheFailedOpenErrorLeavingItUntouched)
{
    TempDir dir;
    const std::string path = dir.file("Kolvarin.mdb");
    hostile::makeDatabase(path, 3000);
    GetParam().spoil(path);
    const QByteArray before = fileBytes(path);
    const auto entriesBefore = folderEntries(dir.path());

    EXPECT_EQ(numbered(errorOf([&] {
                  engine::Database::open(path, hostile::Password, engine::Database::DefaultBusyWait,
                                         reloadedTables());
              })),
              numbered(ErrorNumber::ProviderFailure, GetParam().description(path)));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(folderEntries(dir.path()), entriesBefore);
}

std::string holds(const std::string& path, const std::string& what)
{
    return "The database '" + path + "' holds the " + what +
           ", which a Tandera database never has; it was not opened.";
}

std::string needsRepair(const std::string& path)
{
    return "The database '" + path + "' needs to be repaired or isn't a database file.";
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenRefusesHostileFile,
    ::testing::Values(
        HostileFileCase{"RandomBytesInTheMiddle",
                        [](const std::string& p) { hostile::writeRandomBytesIntoTheMiddle(p); },
                        needsRepair},
        HostileFileCase{"Trigger",
                        [](const std::string& p) {
                            hostile::runOnFile(p, "CREATE TRIGGER keep_old AFTER INSERT ON "
                                                  "TblPelabuhan BEGIN DELETE FROM Tblkemasan; "
                                                  "END");
                        },
                        [](const std::string& p) {
                            return holds(p, "trigger 'keep_old'");
                        }},
        HostileFileCase{"View",
                        [](const std::string& p) {
                            hostile::runOnFile(p, "CREATE VIEW ports AS SELECT * FROM "
                                                  "TblPelabuhan");
                        },
                        [](const std::string& p) {
                            return holds(p, "view 'ports'");
                        }},
        HostileFileCase{"VirtualTable",
                        [](const std::string& p) {
                            hostile::runOnFile(p, "CREATE VIRTUAL TABLE cari USING fts4(teks)");
                        },
                        [](const std::string& p) {
                            return holds(p, "virtual table 'cari'");
                        }},
        // A function SQLite does not hold harmless, run by the file's own schema.
        HostileFileCase{"UnsafeFunctionInTheSchema",
                        [](const std::string& p) {
                            hostile::runOnFile(p, "CREATE INDEX ix_json ON TblPelabuhan "
                                                  "(json_valid(nmport))");
                        },
                        needsRepair},
        // The reload's insert could not be compiled: it would fail after the packaging table's.
        HostileFileCase{"FunctionOrCollationOfAnotherTool",
                        [](const std::string& p) {
                            hostile::runOnFile(p, "CREATE INDEX ix_fn ON TblPelabuhan "
                                                  "(tandera_fn(nmport) COLLATE tandera_order)");
                        },
                        [](const std::string& p) {
                            return "The table 'TblPelabuhan' of the database '" + p +
                                   "' has an index, rule or default that calls a function or a "
                                   "collation this program does not run; the database was not "
                                   "opened.";
                        }},
        // The port table's reload would have overwritten the password (on page 2).
        HostileFileCase{"TablesSharingARootPage",
                        [](const std::string& p) {
                            hostile::runOnFile(p, "PRAGMA writable_schema = ON; UPDATE "
                                                  "sqlite_schema SET rootpage = 2 WHERE name = "
                                                  "'TblPelabuhan'");
                        },
                        [](const std::string& p) {
                            return "The database '" + p +
                                   "' needs to be repaired: 'MSysPassword' and 'TblPelabuhan' are "
                                   "stored in the same place, so writing one would overwrite the "
                                   "other; it was not opened.";
                        }},
        HostileFileCase{
            "WriteAheadLogMode",
            [](const std::string& p) { hostile::runOnFile(p, "PRAGMA journal_mode = WAL"); },
            [](const std::string& p) {
                return "The database '" + p +
                       "' is in write-ahead-log mode, which a Tandera database "
                       "never uses; it was not opened.";
            }}),
    [](const auto& info) { return std::string(info.param.name); });

// Mended fault: each passed the open, then failed after a table was reloaded or damaged the file.
TEST(OpenRefusesTableShape, TheReloadCannotTakeAsTheFileStands)
{
    const struct
    {
        const char* table;
        const char* definition;
        const char* says;
    } cases[] = {
        {"Tblkemasan", "(KDKEMAS VARCHAR(2) NOT NULL UNIQUE, UREDI INTEGER PRIMARY KEY)",
         "the column 'UREDI' of its table 'Tblkemasan' is the table's row id (INTEGER PRIMARY "
         "KEY), which cannot hold the text the update writes."},
        {"TblPelabuhan", "(kdport TEXT, nmport INTEGER, PRIMARY KEY (nmport DESC)) STRICT",
         "the column 'nmport' of its table 'TblPelabuhan' is the table's row id (INTEGER PRIMARY "
         "KEY), which cannot hold the text the update writes."},
        {"TblPelabuhan", "(kdport VARCHAR(5), nmport VARCHAR(50), negara VARCHAR(2))",
         "the update writes exactly 2 columns into its table 'TblPelabuhan', which has 3."},
        {"TblPelabuhan", "(nmport VARCHAR(50), kdport VARCHAR(5) PRIMARY KEY)",
         "the update makes the last column of its table 'TblPelabuhan' a memo and takes it for "
         "'nmport', but that column is 'kdport'."},
        {"Tblkemasan", "(KDKEMAS \"INT\" PRIMARY KEY, UREDI VARCHAR(50))",
         "the column 'KDKEMAS' of its table 'Tblkemasan' holds numbers, and the update writes "
         "text into it."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.definition);
        TempDir dir;
        const std::string path = dir.file("Kolvarin.mdb");
        hostile::makeDatabase(path);
        hostile::runOnFile(path, std::string("DROP TABLE ") + c.table + "; CREATE TABLE " +
                                     c.table + c.definition);
        const QByteArray before = fileBytes(path);
        EXPECT_EQ(numbered(errorOf([&] {
                      engine::Database::open(path, hostile::Password,
                                             engine::Database::DefaultBusyWait, reloadedTables());
                  })),
                  numbered(ErrorNumber::ProviderFailure,
                           "The database '" + path + "' was not opened: " + c.says));
        EXPECT_EQ(fileBytes(path), before);
    }
}

} // namespace

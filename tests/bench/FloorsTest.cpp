#include "bench/Floors.h"

#include "bench/Sqlite.h"
#include "engine/Error.h"
#include "tests/support/Files.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDatabase.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;
using Floor = void (*)(sqlite3*, const std::string&, const ReferenceTable&);

Rows rowsOf(sqlite3* db, const std::string& table)
{
    const bench::StatementHandle select =
        bench::prepare(db, "select * from " + table + " order by 1");
    Rows rows;
    while (sqlite3_step(select.get()) == SQLITE_ROW)
        rows.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 0)),
                          reinterpret_cast<const char*>(sqlite3_column_text(select.get(), 1)));
    return rows;
}

class Floors : public testing::TestWithParam<Floor>
{
protected:
    void SetUp() override { createDemoDatabase(m_dir.file("Kolvarin.mdb")); }
    std::string writeData(const std::string& bytes)
    {
        const std::string path = m_dir.file("data.dat");
        writeFile(path, bytes);
        return path;
    }
    bench::SqliteHandle open() { return bench::openSqlite(m_dir.file("Kolvarin.mdb")); }

    TempDir m_dir;
};

TEST_P(Floors, ReplaceTheRowsWithTheFilesRecords)
{
    const std::string data = writeData("IDJKT;  Jakarta 'Tanjung Priok'  \r\n"
                                       "FRLEH;Le Havre;Normandie\r\n"
                                       "DEHAM;Hamburg B\xFC"
                                       "ro " +
                                       std::string(60, 'x') + "\r\n");
    const bench::SqliteHandle db = open();
    GetParam()(db.get(), data, kTblPelabuhan);
    const Rows expected = {{"DEHAM", "Hamburg B\xC3\xBCro " + std::string(60, 'x')},
                           {"FRLEH", "Le Havre;Normandie"},
                           {"IDJKT", "Jakarta 'Tanjung Priok'"}};
    EXPECT_EQ(expected, rowsOf(db.get(), "TblPelabuhan"));
}

TEST_P(Floors, FailureLeavesTheOldRows)
{
    const bench::SqliteHandle db = open();
    const Rows before = rowsOf(db.get(), "Tblkemasan");
    ASSERT_FALSE(before.empty());

    EXPECT_THROW(GetParam()(db.get(), writeData("AA;one\r\nAA;twice\r\n"), kTblKemasan),
                 std::runtime_error);
    EXPECT_EQ(before, rowsOf(db.get(), "Tblkemasan"));

    EXPECT_THROW(
        GetParam()(db.get(), writeData("AA;one\r\nno semicolon\r\n"), kTblKemasan),
        Error);
    EXPECT_EQ(before, rowsOf(db.get(), "Tblkemasan"));
}

TEST_P(Floors, MemoStepTurnsTheDescriptionIntoLongText)
{
    const bench::SqliteHandle db = open();
    GetParam()(db.get(), writeData("BX;Box\r\n"), kTblKemasan);
    const bench::StatementHandle type = bench::prepare(
        db.get(), "select type from pragma_table_info('Tblkemasan') where name = 'UREDI'");
    ASSERT_EQ(SQLITE_ROW, sqlite3_step(type.get()));
    EXPECT_EQ(std::string("LONGTEXT"),
              reinterpret_cast<const char*>(sqlite3_column_text(type.get(), 0)));
}

INSTANTIATE_TEST_SUITE_P(TextAndBound, Floors,
                         testing::Values(&bench::runTextFloor, &bench::runBoundFloor),
                         [](const testing::TestParamInfo<Floor>& info) {
                             return std::string(info.index == 0 ? "Text" : "Bound");
                         });

} // namespace

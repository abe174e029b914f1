#pragma once

#include "engine/Database.h"
#include "engine/Error.h"
#include "forms/Loading.h"
#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "platform/ProgressWindow.h"
#include "tests/support/Files.h"
#include "tests/support/RaisedError.h"
#include "tests/support/Seams.h"
#include "tests/support/SqliteRows.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDatabase.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using Rows = std::vector<std::pair<std::string, std::string>>;

// A real database with both reference tables and a few old rows, opened on cnDatabase the way
// the update run opens it; the data files are written into the same folder, which stands in
// for the program's directory. The progress window is the real one, offscreen.
class MdlUtilFixture : public testing::Test
{
protected:
    static inline const Rows kOldKemasan = {{"BG", "Bag (lama)"}, {"ZZ", "Kemasan lama"}};
    static inline const Rows kOldPelabuhan = {{"IDJKT", "Jakarta (lama)"}};
    static inline const MessageBoxCall kKemasanDone = {"TblKemasan telah di Update", 0, "Tandera"};
    static inline const MessageBoxCall kPelabuhanDone = {"TblPelabuhan telah di Update", 0,
                                                         "Tandera"};

    MdlUtilFixture() : m_programDirectory(m_dir.path())
    {
        setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });
        createReferenceDatabase(databasePath());
        engine::Database database = open();
        for (const auto& [code, description] : kOldKemasan)
            insertRow(database, kTblKemasan, code, description);
        for (const auto& [code, description] : kOldPelabuhan)
            insertRow(database, kTblPelabuhan, code, description);
    }

    ~MdlUtilFixture() override { setProgressWindowProvider({}); }

    void SetUp() override
    {
        OpenDatabase(databasePath());
        ASSERT_EQ(cnDatabase().State(), Connection::adStateOpen);
    }

    std::string databasePath() const { return m_dir.file("Kolvarin.mdb"); }
    // A connection of the test's own to the database.
    engine::Database open() const
    {
        return engine::Database::open(databasePath(), std::string(kDatabasePassword));
    }
    std::string dataPath(const std::string& name) const { return m_dir.file(name); }

    void writeData(const std::string& name, const std::string& bytes) const
    {
        writeFile(dataPath(name), bytes);
    }

    // Every row of the table through a connection of its own, sorted by code.
    Rows rows(const std::string& table) const
    {
        Rows result;
        for (const SqliteRow& row : sqliteRows(databasePath(), "SELECT * FROM " + table)) {
            EXPECT_EQ(row.size(), 2u);
            result.emplace_back(row.at(0).value_or("<null>"), row.at(1).value_or("<null>"));
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    Rows kemasan() const { return rows("Tblkemasan"); }
    Rows pelabuhan() const { return rows("TblPelabuhan"); }

    const std::vector<MessageBoxCall>& boxes() const { return m_boxes.calls(); }
    static bool windowVisible() { return Loading::instance().window().isVisible(); }

private:
    TempDir m_dir;
    ClosedDatabaseConnection m_closedConnection;
    ProgramDirectoryOverride m_programDirectory;
    RecordedBoxes m_boxes;
};

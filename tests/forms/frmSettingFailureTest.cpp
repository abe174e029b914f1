#include "tests/forms/frmSettingFixture.h"

#include "modules/MdlMain.h"
#include "platform/ErrorReport.h"

#include <QCursor>
#include <QGuiApplication>

#include <optional>

namespace {

const std::vector<std::string> kKemasan = {"AA;Satu", "BB;Dua"};
const std::vector<std::string> kPelabuhan = {"IDAAA;Pelabuhan A", "IDBBB;Pelabuhan B"};
const std::vector<std::string> kRowsKemasan = {"AA|Satu", "BB|Dua"};

// The application cursor's shape, or none when nothing overrides it.
std::optional<Qt::CursorShape> cursorNow()
{
    if (const QCursor* cursor = QGuiApplication::overrideCursor())
        return cursor->shape();
    return std::nullopt;
}

} // namespace

// The report must tell the operator what the failure did to the data: the failing table is as
// it was, and, when the port table fails, the packaging table already holds its new rows.
TEST_F(frmSettingTest, TheReportSaysWhatAFailureInEachTableLeftOfTheData)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> kemasan;
        std::vector<std::string> pelabuhan;
        const char* note;
        bool kemasanReloaded;
    };
    const std::vector<Case> cases = {
        {"packaging table fails",
         {"AA;Satu", "AA;Ganda"},
         kPelabuhan,
         "Table Tblkemasan was left exactly as it was: none of its rows changed.",
         false},
        {"port table fails",
         kKemasan,
         {"IDAAA;Pelabuhan A", "IDAAA;Ganda"},
         "Table TblPelabuhan was left exactly as it was: none of its rows changed. Table "
         "Tblkemasan was reloaded before it and keeps its new rows.",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        const std::string database = makeDatabase(folder);
        const std::vector<std::string> oldKemasan = rows(database, "Tblkemasan");
        const std::vector<std::string> oldPelabuhan = rows(database, "TblPelabuhan");
        writeDataFiles(c.kemasan, c.pelabuhan);
        reports.clear();

        pressOk(database);

        ASSERT_EQ(1u, reports.errors().size());
        EXPECT_EQ(c.note, reports.errors()[0].dataNote());
        EXPECT_EQ(c.kemasanReloaded ? kRowsKemasan : oldKemasan, rows(database, "Tblkemasan"));
        EXPECT_EQ(oldPelabuhan, rows(database, "TblPelabuhan"));
    }
}

// The operator must see the window is busy for the whole run, and get the ordinary cursor back
// however the run ends; a cursor left busy would make the dialog look hung.
TEST_F(frmSettingTest, TheCursorIsBusyDuringTheRunAndRestoredOnEveryPath)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    std::vector<std::optional<Qt::CursorShape>> atBoxes;
    setMessageBoxHandler([&](const MessageBoxCall&) { atBoxes.push_back(cursorNow()); });
    std::vector<std::optional<Qt::CursorShape>> atReports;
    setErrorReportHandler([&](const Error&) { atReports.push_back(cursorNow()); });

    const std::vector<std::optional<Qt::CursorShape>> busyTwice = {Qt::WaitCursor, Qt::WaitCursor};
    writeDataFiles(kKemasan, kPelabuhan);
    pressOk(database); // completion
    EXPECT_EQ(busyTwice, atBoxes);
    EXPECT_EQ(std::nullopt, cursorNow());

    atBoxes.clear();
    pressOk(folder.file("Kolvarin2.mdb"));        // name check fails
    pressOk(folder.file("nowhere/Kolvarin.mdb")); // open fails
    EXPECT_EQ(busyTwice, atBoxes);
    EXPECT_EQ(std::nullopt, cursorNow());

    writeDataFiles({"AA;Satu", "no separator"}, kPelabuhan);
    pressOk(database); // error report
    EXPECT_EQ(1u, atReports.size());
    EXPECT_EQ(std::nullopt, cursorNow());

    atBoxes.clear();
    pressOk(""); // nothing at all
    EXPECT_TRUE(atBoxes.empty());
    EXPECT_EQ(std::nullopt, cursorNow());

    setMessageBoxHandler(nullptr);
    setErrorReportHandler(nullptr);
}

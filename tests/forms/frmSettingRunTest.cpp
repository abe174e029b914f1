#include "tests/forms/frmSettingFixture.h"

#include "modules/MdlMain.h"

#include <QFile>

#include <cstdlib>

namespace {

const std::vector<std::string> kKemasanX = {
    "AA;Satu", "BB;  Dua  ",
    "CC;Keterangan yang jauh lebih panjang dari lima puluh huruf, karena memo"};
const std::vector<std::string> kPelabuhanX = {"IDAAA;Pelabuhan A", "IDBBB;Pelabuhan B"};
const std::vector<std::string> kKemasanY = {"DD;Empat"};
const std::vector<std::string> kPelabuhanY = {"IDYYY;Pelabuhan Y"};

const std::vector<std::string> kRowsKemasanX = {
    "AA|Satu", "BB|Dua",
    "CC|Keterangan yang jauh lebih panjang dari lima puluh huruf, karena memo"};
const std::vector<std::string> kRowsPelabuhanX = {"IDAAA|Pelabuhan A", "IDBBB|Pelabuhan B"};
const std::vector<std::string> kRowsKemasanY = {"DD|Empat"};
const std::vector<std::string> kRowsPelabuhanY = {"IDYYY|Pelabuhan Y"};

std::int64_t lineCount(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readAll().count('\n');
}

} // namespace

TEST_F(frmSettingTest, OkReloadsBothTablesFromTheShippedDataFiles)
{
    for (const char* name : {"tblkemasan.dat", "tblpelabuhan.dat"}) {
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(TANDERA_SOURCE_DIR "/data/") + QString::fromLatin1(name),
                        QString::fromStdString(programDir.file(name))));
    }
    TempDir folder;
    const std::string database = makeDatabase(folder);

    pressOk(database);

    EXPECT_EQ(bothCompletions(), boxes.calls());
    EXPECT_TRUE(reports.errors().empty());
    EXPECT_EQ(lineCount(programDir.file("tblkemasan.dat")), rowCount(database, "Tblkemasan"));
    EXPECT_EQ(lineCount(programDir.file("tblpelabuhan.dat")), rowCount(database, "TblPelabuhan"));
    EXPECT_EQ(406, rowCount(database, "Tblkemasan"));
    EXPECT_EQ(60000, rowCount(database, "TblPelabuhan"));
}

// A text of blanks is not empty: it goes on to the name check like any other wrong name.
TEST_F(frmSettingTest, OkWithoutTheDatabaseNameOnlyShowsTheNameCheckMessage)
{
    writeDataFiles(kKemasanX, kPelabuhanX);
    TempDir folder;
    const std::string database = makeDatabase(folder);
    const std::string renamed = folder.file("Kolvarin2.mdb");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(database), QString::fromStdString(renamed)));

    for (const std::string& path : {std::string("   "), renamed, folder.file("zemo.mdb")}) {
        SCOPED_TRACE(path);
        boxes.clear();
        pressOk(path);
        EXPECT_EQ(std::vector<MessageBoxCall>{nameCheckFailed()}, boxes.calls());
        EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
    }
    EXPECT_EQ(3, rowCount(renamed, "Tblkemasan")) << "the demo database's old rows stay";
}

TEST_F(frmSettingTest, AFailedOpenEndsTheRunAfterItsMessage)
{
    writeDataFiles(kKemasanX, kPelabuhanX);
    TempDir folder;
    pressOk(folder.file("Kolvarin.mdb")); // passes the name check, but there is no such file

    ASSERT_EQ(1u, boxes.calls().size());
    EXPECT_EQ(MessageBoxFlag::Critical, boxes.calls()[0].flags);
    EXPECT_EQ(std::nullopt, boxes.calls()[0].title);
    EXPECT_TRUE(reports.errors().empty());
}

TEST_F(frmSettingTest, ASecondRunOnAnotherDatabaseReloadsThatOne)
{
    TempDir first;
    TempDir second;
    const std::string firstDatabase = makeDatabase(first);
    const std::string secondDatabase = makeDatabase(second);

    writeDataFiles(kKemasanX, kPelabuhanX);
    pressOk(firstDatabase);
    writeDataFiles(kKemasanY, kPelabuhanY);
    pressOk(secondDatabase);

    std::vector<MessageBoxCall> expected = bothCompletions();
    const std::vector<MessageBoxCall> again = bothCompletions();
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(expected, boxes.calls());
    EXPECT_EQ(kRowsKemasanX, rows(firstDatabase, "Tblkemasan"));
    EXPECT_EQ(kRowsPelabuhanX, rows(firstDatabase, "TblPelabuhan"));
    EXPECT_EQ(kRowsKemasanY, rows(secondDatabase, "Tblkemasan"));
    EXPECT_EQ(kRowsPelabuhanY, rows(secondDatabase, "TblPelabuhan"));
}

TEST_F(frmSettingTest, ASecondRunOnTheSameDatabaseReloadsItAgainSilently)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles(kKemasanX, kPelabuhanX);

    pressOk(database);
    pressOk(database);

    std::vector<MessageBoxCall> expected = bothCompletions();
    const std::vector<MessageBoxCall> again = bothCompletions();
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(expected, boxes.calls());
    EXPECT_TRUE(reports.errors().empty());
    EXPECT_EQ(kRowsKemasanX, rows(database, "Tblkemasan"));
}

// The connection an earlier run left open must not carry a wrongly named run on to rewrite
// the earlier database.
TEST_F(frmSettingTest, AWrongNameAfterARunLeavesTheEarlierDatabaseAlone)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles(kKemasanX, kPelabuhanX);
    pressOk(database);
    writeDataFiles(kKemasanY, kPelabuhanY);
    boxes.clear();

    pressOk(folder.file("Kolvarin2.mdb"));

    EXPECT_EQ(std::vector<MessageBoxCall>{nameCheckFailed()}, boxes.calls());
    EXPECT_EQ(kRowsKemasanX, rows(database, "Tblkemasan"));
    EXPECT_EQ(kRowsPelabuhanX, rows(database, "TblPelabuhan"));
}

TEST_F(frmSettingTest, AFailingReloadGoesToTheErrorReportAndKeepsTheOldRows)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    const std::vector<std::string> oldKemasan = rows(database, "Tblkemasan");
    const std::vector<std::string> oldPelabuhan = rows(database, "TblPelabuhan");
    writeDataFiles({"AA;Satu", "AA;Duplikat"}, kPelabuhanX);

    pressOk(database);

    ASSERT_EQ(1u, reports.errors().size());
    EXPECT_TRUE(boxes.calls().empty()) << "no completion message, no further reload";
    EXPECT_EQ(oldKemasan, rows(database, "Tblkemasan"));
    EXPECT_EQ(oldPelabuhan, rows(database, "TblPelabuhan"));

    // In a test nothing ends the program: the dialog takes the next press as a new run.
    writeDataFiles(kKemasanX, kPelabuhanX);
    pressOk(database);
    EXPECT_EQ(bothCompletions(), boxes.calls());
}

TEST_F(frmSettingTest, PressesDuringARunStartNothing)
{
    TempDir folder;
    const std::string database = makeDatabase(folder);
    writeDataFiles(kKemasanX, kPelabuhanX);

    // A message box of the run spins an event loop: presses that arrive there must be ignored.
    std::vector<MessageBoxCall> shown;
    setMessageBoxHandler([&](const MessageBoxCall& call) {
        shown.push_back(call);
        button("cmdOk").click();
        button("Command1").click();
    });
    pressOk(database);
    setMessageBoxHandler(nullptr);

    EXPECT_EQ(bothCompletions(), shown);
    EXPECT_TRUE(fileDialog.filters().empty());
}

// cnDatabase is program-wide and other cases in this program create it, so the check that an
// empty path creates none runs in a process of its own.
TEST(frmSettingDeathTest, OkWithAnEmptyPathDoesNothingAtAll)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (cnDatabaseExists())
                std::_Exit(2);
            RecordedBoxes boxes;
            RecordedErrorReports reports;
            frmSetting dialog;
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
            const bool nothing =
                !cnDatabaseExists() && boxes.calls().empty() && reports.errors().empty();
            std::_Exit(nothing ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

#include "modules/MdlMain.h"

#include "engine/Database.h"
#include "engine/Error.h"
#include "tests/support/Files.h"
#include "tests/support/HostileDatabase.h"
#include "tests/support/Seams.h"
#include "tests/support/SqliteRows.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const MessageBoxCall noDatabaseBox{
    "Database Kolvarin.mdb Tidak Ada\r\nHubungi Administrator anda !", 16, "Paht Tandera"};

MessageBoxCall failedOpenBox(const std::string& prompt)
{
    return {prompt, 16, std::nullopt};
}

std::string expectedConnectionText(const std::string& path)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
           ";Jet OLEDB:Database Password=rovak;";
}

// Whether the run's one insert went into the database at path.
bool hasTheRow(const std::string& path)
{
    return sqliteLines(path, "SELECT count(*) FROM T") == std::vector<std::string>{"1"};
}

class OpenDatabaseTest : public testing::Test
{
protected:
    // A database of ours at name inside the test's folder (sub-folders made as needed), with an
    // empty table T.
    std::string database(const std::string& name, const std::string& password = "rovak")
    {
        const std::string path = dir.file(name);
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
        engine::CreateDatabase(path, password);
        hostile::runOnFile(path, "CREATE TABLE T (c VARCHAR(5))");
        return path;
    }

    void expectOpenOn(const std::string& path)
    {
        EXPECT_EQ(Connection::adStateOpen, cnDatabase().State());
        EXPECT_EQ(expectedConnectionText(path), strConnection());
    }

    ClosedDatabaseConnection closedBeforeAndAfter;
    RecordedBoxes boxes;
    TempDir dir;
};

TEST_F(OpenDatabaseTest, OpensTheDatabaseInAnyLetterCaseSilently)
{
    for (const char* name : {"Kolvarin.mdb", "lower/kolvarin.mdb", "UPPER/KOLVARIN.MDB",
                             "copy/kolvarin.mdb.bak", "Gudang ürün/Kolvarin.mdb"}) {
        SCOPED_TRACE(name);
        const std::string path = database(name);
        OpenDatabase(path);
        expectOpenOn(path);
        cnDatabase().Close();
    }
    EXPECT_EQ(std::vector<MessageBoxCall>{}, boxes.calls());
}

TEST_F(OpenDatabaseTest, APathNotNamingKolvarinMdbIsRefusedUntouched)
{
    const std::string first = database("Kolvarin.mdb");
    OpenDatabase(first);
    cnDatabase().Close();

    for (const char* name : {"Kolvarin2.mdb", "Kolvarin.md", "Kolvarin_mdb", "KolvarinXmdb"}) {
        SCOPED_TRACE(name);
        OpenDatabase(database(name));
        EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
        EXPECT_EQ(expectedConnectionText(first), strConnection());
    }
    EXPECT_EQ(std::vector<MessageBoxCall>(4, noDatabaseBox), boxes.calls());
}

TEST_F(OpenDatabaseTest, AFailedOpenShowsNumberHyphenDescriptionUntitled)
{
    const std::string missing = dir.file("missing/Kolvarin.mdb");
    const std::string wrongPassword = database("password/Kolvarin.mdb", "other");
    const std::string notOurs = dir.file("text/Kolvarin.mdb");
    QDir().mkpath(QString::fromStdString(dir.file("text")));
    writeFile(notOurs, "Kode;Uraian\r\n");

    const struct
    {
        std::string path;
        std::string prompt;
    } cases[] = {
        {missing, "-2147467259-Could not find file '" + missing + "'."},
        {wrongPassword, "-2147217843-Not a valid password."},
        {notOurs, "-2147467259-Unrecognized database format '" + notOurs + "'."},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.path);
        boxes.clear();
        OpenDatabase(testCase.path);
        EXPECT_EQ(std::vector<MessageBoxCall>{failedOpenBox(testCase.prompt)}, boxes.calls());
        EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
        EXPECT_EQ(expectedConnectionText(testCase.path), strConnection());
    }
}

TEST_F(OpenDatabaseTest, ASecondRunSwitchesTheOpenConnectionToTheNewPath)
{
    const std::string first = database("first/Kolvarin.mdb");
    const std::string second = database("second/KOLVARIN.mdb");
    OpenDatabase(first);
    OpenDatabase(second);
    expectOpenOn(second);
    EXPECT_EQ(std::vector<MessageBoxCall>{}, boxes.calls());

    cnDatabase().Execute("INSERT INTO T VALUES('x')");
    cnDatabase().Close();
    EXPECT_TRUE(hasTheRow(second));
    EXPECT_FALSE(hasTheRow(first));
}

// Mended fault: a refused path used to leave the earlier run's connection open, and the
// caller then rewrote that database.
TEST_F(OpenDatabaseTest, ARefusedPathClosesTheConnectionOfAnEarlierRun)
{
    const std::string first = database("Kolvarin.mdb");
    OpenDatabase(first);
    OpenDatabase(database("Kolvarin2.mdb"));
    EXPECT_EQ(std::vector<MessageBoxCall>{noDatabaseBox}, boxes.calls());
    EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
    EXPECT_EQ(expectedConnectionText(first), strConnection());
}

// Mended fault: a failing reopen after an earlier run used to escape and end the program;
// it must read exactly as the same failure on a first run, and leave the connection closed.
TEST_F(OpenDatabaseTest, AFailedReopenReadsAsAFirstRunFailure)
{
    const std::string good = database("good/Kolvarin.mdb");
    const std::string paths[] = {dir.file("missing/Kolvarin.mdb"),
                                 database("password/Kolvarin.mdb", "other")};
    for (const std::string& failing : paths) {
        SCOPED_TRACE(failing);
        boxes.clear();
        OpenDatabase(failing);
        const std::vector<MessageBoxCall> firstRun = boxes.calls();
        ASSERT_EQ(1u, firstRun.size());

        boxes.clear();
        OpenDatabase(good);
        ASSERT_EQ(Connection::adStateOpen, cnDatabase().State());
        EXPECT_NO_THROW(OpenDatabase(failing));
        EXPECT_EQ(firstRun, boxes.calls());
        EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
        EXPECT_EQ(expectedConnectionText(failing), strConnection());

        // And the next run opens normally again.
        OpenDatabase(good);
        expectOpenOn(good);
        cnDatabase().Close();
    }
}

// Paths relative to a folder made current for the test, so that the expected connection texts
// can be written out in full.
class CurrentFolder
{
public:
    explicit CurrentFolder(const std::string& folder) : m_previous(QDir::currentPath())
    {
        EXPECT_TRUE(QDir::setCurrent(QString::fromStdString(folder)));
    }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString m_previous;
};

struct OddPathCase
{
    const char* path;
    const char* dataSource; // as it must stand in the connection text
    const char* decoy;      // what the path would open if it went in unquoted, or nullptr
};

class OddPathTest : public OpenDatabaseTest, public testing::WithParamInterface<OddPathCase>
{
};

// Mended fault: the path went into the connection text unquoted, so a ";" ended it early (a
// folder "semi;colon" opened the file "semi") and quotes or outer blanks were misread.
TEST_P(OddPathTest, OpensExactlyThePathTypedAndQuotesItInTheConnectionText)
{
    const OddPathCase& c = GetParam();
    const CurrentFolder current(dir.path());
    database(c.path);
    if (c.decoy)
        database(c.decoy);

    OpenDatabase(c.path);
    ASSERT_EQ(std::vector<MessageBoxCall>{}, boxes.calls());
    ASSERT_EQ(Connection::adStateOpen, cnDatabase().State());
    EXPECT_EQ(expectedConnectionText(c.dataSource), strConnection());
    cnDatabase().Execute("INSERT INTO T VALUES('x')");
    cnDatabase().Close();
    EXPECT_TRUE(hasTheRow(dir.file(c.path)));
    if (c.decoy) {
        EXPECT_FALSE(hasTheRow(dir.file(c.decoy)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OddPathTest,
    testing::Values(
        OddPathCase{"semi;colon/Kolvarin.mdb", "\"semi;colon/Kolvarin.mdb\"", "semi"},
        OddPathCase{"it's/Kolvarin.mdb", "\"it's/Kolvarin.mdb\"", nullptr},
        OddPathCase{"say \"hi\"/Kolvarin.mdb", "'say \"hi\"/Kolvarin.mdb'", nullptr},
        OddPathCase{"it's \"hi\";/Kolvarin.mdb", "\"it's \"\"hi\"\";/Kolvarin.mdb\"",
                    "it's \"hi\""},
        OddPathCase{"'quoted'/Kolvarin.mdb", "\"'quoted'/Kolvarin.mdb\"", "quoted"},
        OddPathCase{"\"dq\"/Kolvarin.mdb", "'\"dq\"/Kolvarin.mdb'", "dq"},
        OddPathCase{" lead/Kolvarin.mdb", "\" lead/Kolvarin.mdb\"", "lead/Kolvarin.mdb"},
        OddPathCase{"trail/Kolvarin.mdb ", "\"trail/Kolvarin.mdb \"", "trail/Kolvarin.mdb"}),
    [](const auto& info) { return "Path" + std::to_string(info.index); });

// Mended fault: a path carrying its own "Data Source=" passed the name check and then reloaded
// the database it named.
TEST_F(OpenDatabaseTest, APathCannotNameAnotherDatabaseThroughTheConnectionText)
{
    const std::string named = database("x/Kolvarin.mdb");
    const std::string target = database("other/target.db");
    const std::string namedBefore = readFile(named);
    const std::string targetBefore = readFile(target);
    const std::string typed = named + ";Data Source=" + target;

    OpenDatabase(typed);
    EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
    EXPECT_EQ(std::vector<MessageBoxCall>{failedOpenBox("-2147467259-Could not find file '" +
                                                        typed + "'.")},
              boxes.calls());
    EXPECT_EQ(targetBefore, readFile(target));
    EXPECT_EQ(namedBefore, readFile(named));
}

// Mended faults: a damaged file, or one carrying a trigger, was opened and rewritten; a file
// in write-ahead-log mode was called an unrecognized format. The operator gets the failed-open
// box saying what is wrong, and the file keeps every byte.
TEST_F(OpenDatabaseTest, AHostileFileGetsTheFailedOpenBoxAndStaysAsItWas)
{
    const std::string path = dir.file("Kolvarin.mdb");
    const struct
    {
        std::function<void()> spoil;
        std::string description;
    } cases[] = {
        {[&] { hostile::writeRandomBytesIntoTheMiddle(path); },
         "The database '" + path + "' needs to be repaired or isn't a database file."},
        {[&] {
             hostile::runOnFile(path, "CREATE TRIGGER ganti AFTER DELETE ON Tblkemasan BEGIN "
                                      "INSERT INTO Tblkemasan VALUES ('XX', 'x'); END");
         },
         "The database '" + path +
             "' holds the trigger 'ganti', which a Tandera database never has; it was not "
             "opened."},
        {[&] { hostile::runOnFile(path, "PRAGMA journal_mode = WAL"); },
         "The database '" + path +
             "' is in write-ahead-log mode, which a Tandera database never uses; it was not "
             "opened."},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.description);
        QFile::remove(QString::fromStdString(path));
        hostile::makeDatabase(path, 3000);
        testCase.spoil();
        const std::string before = readFile(path);
        boxes.clear();

        OpenDatabase(path);
        EXPECT_EQ(std::vector<MessageBoxCall>{failedOpenBox("-2147467259-" + testCase.description)},
                  boxes.calls());
        EXPECT_EQ(Connection::adStateClosed, cnDatabase().State());
        EXPECT_EQ(before, readFile(path));
    }
}

} // namespace

#include "tests/modules/MdlUtilFixture.h"
#include "tests/support/HostileDatabase.h"

#include "platform/TextFileInput.h"
#include "tests/support/FifoWatchdog.h"

#include <filesystem>

#include <sys/stat.h>

namespace {

using MdlUtilFaults = MdlUtilFixture;

struct BadLineCase
{
    std::string bytes;
    std::string description;
};

// The whole line stands where the code would end at ";", so it is the code the operator is shown.
TEST_F(MdlUtilFaults, LineWithoutSemicolonRollsBackAndSaysWhere)
{
    const std::string noSemicolon = "There is no \";\" in the line to end the code.";
    const std::vector<BadLineCase> cases = {
        {"AA;one\r\nBB;two\r\nCC;three\r\nno separator\r\nDD;four\r\n",
         "tblkemasan.dat, line 4, table Tblkemasan, code 'no separator': " + noSemicolon},
        {"AA;one\r\n\r\nBB;two",
         "tblkemasan.dat, line 2, table Tblkemasan, code '': " + noSemicolon},
        {"no separator",
         "tblkemasan.dat, line 1, table Tblkemasan, code 'no separator': " + noSemicolon},
        {"AA;one\nBB;two\rCC;three\r\nlast",
         "tblkemasan.dat, line 4, table Tblkemasan, code 'last': " + noSemicolon},
        {"AA;one\r\n" + std::string(100, 'x'), "tblkemasan.dat, line 2, table Tblkemasan, code '" +
                                                   std::string(40, 'x') + "...': " + noSemicolon},
    };
    for (const BadLineCase& c : cases) {
        writeData("tblkemasan.dat", c.bytes);
        const Error error = errorOf(UpdateTblKemasan);
        EXPECT_EQ(error.number(), ErrorNumber::InvalidProcedureCall);
        EXPECT_EQ(error.description(), c.description);
        EXPECT_EQ(kemasan(), kOldKemasan);
        EXPECT_FALSE(windowVisible());
    }
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
}

TEST_F(MdlUtilFaults, MissingDataFileLeavesTheTableAsItWas)
{
    const Error error = errorOf(UpdateTblPelabuhan);

    EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
    expectNamed(error, dataPath("tblpelabuhan.dat"));
    EXPECT_EQ(pelabuhan(), kOldPelabuhan);
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
    EXPECT_FALSE(windowVisible());
}

// Guards against a data file that is a FIFO hanging the run with the database's write lock
// held, and a device (here /dev/null) emptying the table as if it were an empty file.
TEST_F(MdlUtilFaults, DataFileThatIsNoRegularFileIsRefusedAndNothingChanges)
{
    ASSERT_EQ(::mkfifo(dataPath("tblpelabuhan.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", dataPath("tblkemasan.dat"));

    const std::vector<std::pair<void (*)(), std::string>> runs = {
        {UpdateTblPelabuhan, dataPath("tblpelabuhan.dat")},
        {UpdateTblKemasan, dataPath("tblkemasan.dat")},
    };
    for (const auto& [run, path] : runs) {
        FifoWatchdog watchdog(dataPath("tblpelabuhan.dat"));
        const Error error = errorOf(run);
        EXPECT_FALSE(watchdog.fired()) << path << " kept the reload waiting";
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
        expectNamed(error, path);
    }
    EXPECT_EQ(pelabuhan(), kOldPelabuhan);
    EXPECT_EQ(kemasan(), kOldKemasan);
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
    EXPECT_FALSE(windowVisible());
}

// A progress window that cuts the data file short while the reload is at a given line.
class TruncatingWindow : public ProgressWindow
{
public:
    TruncatingWindow(std::string path, int atLine) : m_path(std::move(path)), m_atLine(atLine) {}
    void Show() override {}
    void Hide() override {}
    void proses(const std::string&) override
    {
        if (++m_lines == m_atLine)
            std::filesystem::resize_file(m_path, 100);
    }

private:
    std::string m_path;
    int m_atLine;
    int m_lines = 0;
};

// Guards against the rows read so far being committed, with a completion box, when the data
// file is truncated or rewritten while its reload runs.
TEST_F(MdlUtilFaults, DataFileCutShortDuringTheReloadRollsBack)
{
    std::string bytes;
    for (int line = 0; line < 20'000; ++line)
        bytes += std::to_string(10000 + line) + ";Port " + std::to_string(line) + "\r\n";
    writeData("tblpelabuhan.dat", bytes);
    TruncatingWindow window(dataPath("tblpelabuhan.dat"), 10);
    setProgressWindowProvider([&window]() -> ProgressWindow& { return window; });

    const Error error = errorOf(UpdateTblPelabuhan);

    EXPECT_EQ(error.number(), ErrorNumber::FileChanged);
    expectNamed(error, dataPath("tblpelabuhan.dat"));
    EXPECT_EQ(pelabuhan(), kOldPelabuhan);
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
}

// Guards against a stray byte in a UTF-8 file, or a NUL, being stored wrong without a word.
TEST_F(MdlUtilFaults, UndecodableOrNulLineIsRefusedNamingFileAndLine)
{
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, int>> cases = {
        {"\xC3\x89"
         "COLE;x\r\nSECND;\xE9",
         2},
        {"\xEF\xBB\xBFIDJKT;Jakarta\r\nIDSUB;Surabaya\r\nIDSRG;Semarang \x96 Jawa\r\n", 3},
        {"IDJKT;Jakarta\r\nIDS\0B;Surabaya\r\n"s, 2},
    };
    for (const auto& [bytes, line] : cases) {
        writeData("tblpelabuhan.dat", bytes);
        const Error error = errorOf(UpdateTblPelabuhan);
        EXPECT_EQ(error.number(), ErrorNumber::InvalidFileFormat);
        const std::string where = dataPath("tblpelabuhan.dat") + ":" + std::to_string(line) + ":";
        EXPECT_EQ(error.description().substr(0, where.size()), where) << error.description();
        EXPECT_EQ(pelabuhan(), kOldPelabuhan);
        EXPECT_FALSE(windowVisible());
    }
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
}

// A duplicate code must be named: the operator has to find it among thousands of lines.
TEST_F(MdlUtilFaults, RefusedInsertRollsBackAndNamesItsLineTableAndCode)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        std::string where;
    };
    const std::vector<Case> cases = {
        {"duplicate code", "IDJKT;a\r\nIDSUB;b\r\nIDJKT;c\r\n",
         "tblpelabuhan.dat, line 3, table TblPelabuhan, code 'IDJKT': "},
        {"duplicate empty line", "\r\nPORT1;x\r\n\r\n",
         "tblpelabuhan.dat, line 3, table TblPelabuhan, code '': "},
    };
    for (const Case& c : cases) {
        writeData("tblpelabuhan.dat", c.bytes);
        const Error error = errorOf(UpdateTblPelabuhan);
        EXPECT_EQ(error.number(), ErrorNumber::ProviderFailure) << c.name;
        EXPECT_EQ(error.description().substr(0, c.where.size()), c.where) << error.description();
        EXPECT_GT(error.description().size(), c.where.size()) << "the engine's own words are kept";
        EXPECT_EQ(pelabuhan(), kOldPelabuhan) << c.name;
        EXPECT_FALSE(windowVisible());
    }
}

// The description column becomes a memo at every reload, so only a code can be too long: the
// error names the line, the table, the code and the column it does not fit.
TEST_F(MdlUtilFaults, OverLongCodeIsRefusedNamingLineTableCodeAndColumn)
{
    writeData("tblkemasan.dat", "AA;fits\r\nABC;three characters into TEXT(2)\r\n");
    const Error error = errorOf(UpdateTblKemasan);
    EXPECT_EQ(error.number(), ErrorNumber::FieldTooSmall);
    EXPECT_EQ(error.description().rfind("tblkemasan.dat, line 2, table Tblkemasan, code 'ABC': "
                                        "The field 'KDKEMAS' of table 'Tblkemasan' is too small",
                                        0),
              0u)
        << error.description();
    EXPECT_EQ(kemasan(), kOldKemasan);
}

TEST_F(MdlUtilFaults, ApostrophesInACodeAreStoredAsWritten)
{
    writeData("tblkemasan.dat", "O';it's\r\n'';two\r\n");
    writeData("tblpelabuhan.dat", "D'AB;quay\r\n'); d;x\r\n");

    UpdateTblKemasan();
    UpdateTblPelabuhan();

    EXPECT_EQ(kemasan(), (Rows{{"''", "two"}, {"O'", "it's"}}));
    EXPECT_EQ(pelabuhan(), (Rows{{"'); d", "d;x"}, {"D'AB;", "quay"}}));
}

TEST_F(MdlUtilFaults, SemicolonFarIntoAHundredThousandCharacterLine)
{
    const std::string description(100'000, 'k');
    writeData("tblkemasan.dat", "LG;" + description + "\r\n");
    const std::string portDescription(60'000, 'p');
    writeData("tblpelabuhan.dat", std::string(39'999, 'P') + ";" + portDescription);

    UpdateTblKemasan();
    UpdateTblPelabuhan();

    const Rows packaging = kemasan();
    ASSERT_EQ(packaging.size(), 1u);
    EXPECT_EQ(packaging[0].first, "LG");
    EXPECT_EQ(packaging[0].second.size(), description.size());
    EXPECT_EQ(packaging[0].second == description, true);
    const Rows ports = pelabuhan();
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].first, "PPPPP");
    EXPECT_EQ(ports[0].second.size(), portDescription.size());
}

TEST_F(MdlUtilFaults, RunsLeaveNoFileOpen)
{
    writeData("tblkemasan.dat", "AA;one\r\nBB;two\r\n");
    writeData("tblpelabuhan.dat", "PORT1;one\r\n");
    UpdateTblKemasan(); // first use may open what stays open for good (fonts, journal)
    UpdateTblPelabuhan();
    const std::size_t before = openFileHandles();

    for (int run = 0; run < 100; ++run) {
        UpdateTblKemasan();
        UpdateTblPelabuhan();
    }
    writeData("tblkemasan.dat", "AA;one\r\nbroken\r\n");
    for (int run = 0; run < 20; ++run)
        EXPECT_THROW(UpdateTblKemasan(), Error);

    EXPECT_EQ(openFileHandles(), before);
    EXPECT_EQ(boxes().size(), 202u);
}

TEST_F(MdlUtilFaults, MissingTableRaisesBeforeAnyLineIsRead)
{
    hostile::runOnFile(databasePath(), "DROP TABLE TblPelabuhan");
    writeData("tblpelabuhan.dat", "PORT1;one\r\n");

    const Error error = errorOf(UpdateTblPelabuhan);

    EXPECT_EQ(error.number(), ErrorNumber::TableNotFound);
    EXPECT_EQ(error.description().find("tblpelabuhan.dat"), std::string::npos)
        << "not caused by a data line: " << error.description();
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
    EXPECT_FALSE(windowVisible());
}

TEST_F(MdlUtilFaults, ClosedConnectionRaisesAndShowsNothing)
{
    writeData("tblkemasan.dat", "AA;one\r\n");
    cnDatabase().Close();

    const Error error = errorOf(UpdateTblKemasan);

    EXPECT_EQ(error.number(), ErrorNumber::ConnectionUnusable);
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
    EXPECT_FALSE(windowVisible());
}

} // namespace

#include "tests/modules/MdlUtilFixture.h"

#include "forms/ProgressBar.h"
#include "tests/support/Utf16Bytes.h"

#include <filesystem>

namespace {

using MdlUtilReload = MdlUtilFixture;

TEST_F(MdlUtilReload, ReplacesBothTablesAndReportsEachInTurn)
{
    writeData("tblkemasan.dat", "BX;  Box of 'large' size \r\n");
    writeData("tblpelabuhan.dat", "ABCDE;Harbour\r\nAB;Port\r\n");

    UpdateTblKemasan();
    UpdateTblPelabuhan();

    EXPECT_EQ(kemasan(), (Rows{{"BX", "Box of 'large' size"}}));
    EXPECT_EQ(pelabuhan(), (Rows{{"AB;Po", "Port"}, {"ABCDE", "Harbour"}}));
    EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{kKemasanDone, kPelabuhanDone}));
    EXPECT_FALSE(windowVisible());
}

TEST_F(MdlUtilReload, PelabuhanRecordShapesWithEveryLineEnd)
{
    // LF, then an empty line closed by a lone CR, CR LF, a lone CR, and no final line end.
    writeData("tblpelabuhan.dat", "AB;Port\n"
                                  "\r"
                                  "NOSEMI no separator \r\n"
                                  "IDJKT; a ;b\r"
                                  "TAB01;\tquay\t");

    UpdateTblPelabuhan();

    EXPECT_EQ(pelabuhan(), (Rows{{"", ""},
                                 {"AB;Po", "Port"},
                                 {"IDJKT", "a ;b"},
                                 {"NOSEM", "NOSEMI no separator"},
                                 {"TAB01", "\tquay\t"}}));
}

struct EncodingCase
{
    const char* name;
    std::string bytes;
    Rows rows;
};

TEST_F(MdlUtilReload, StoresTextAsUnicodeWhateverTheFileEncoding)
{
    const std::vector<EncodingCase> cases = {
        {"windows-1252", "SDG45;45\xB0 caf\xE9\r\n", {{"SDG45", "45\u00B0 caf\u00E9"}}},
        {"utf-8",
         "\xC3\x89"
         "COLE;\xC3\x89"
         "cole \xC2\xB0\r\n",
         {{"\u00C9COLE", "\u00C9cole \u00B0"}}},
        {"utf-8 with bom",
         "\xEF\xBB\xBF\xC3\x89"
         "COLE;\xC3\x89"
         "cole\r\n",
         {{"\u00C9COLE", "\u00C9cole"}}},
        {"utf-16 as notepad saves it",
         utf16Bytes("\u00C9COLE;\u00C9cole \u00B0\r\nSECND;x\r\n"),
         {{"SECND", "x"}, {"\u00C9COLE", "\u00C9cole \u00B0"}}},
        {"utf-16 big endian",
         utf16Bytes("\u00C9COLE;\u00C9cole\r\n", true),
         {{"\u00C9COLE", "\u00C9cole"}}},
    };
    for (const EncodingCase& c : cases) {
        writeData("tblpelabuhan.dat", c.bytes);
        UpdateTblPelabuhan();
        EXPECT_EQ(pelabuhan(), c.rows) << c.name;
    }
}

// Each data line moves the bar on by the table's step: 0.6 for packaging, 0.00167 for ports. A
// reload that stopped advancing it would show the operator a frozen window.
TEST_F(MdlUtilReload, EachLineAdvancesTheBarAndItWrapsWhenFull)
{
    ProgressBar& bar = Loading::instance().progressBar1();
    bar.SetValue(0.0f);
    writeData("tblkemasan.dat", "AA;one\r\nBB;two\r\nCC;three\r\n");
    UpdateTblKemasan();
    EXPECT_FLOAT_EQ(bar.Value(), 1.8f);

    // Within 0.3 of full the next line fills it, the one after empties it, and the climb starts
    // again.
    bar.SetValue(99.8f);
    writeData("tblpelabuhan.dat", "P0001;a\r\nP0002;b\r\nP0003;c\r\nP0004;d\r\n");
    UpdateTblPelabuhan();
    EXPECT_FLOAT_EQ(bar.Value(), 0.00334f);
    EXPECT_EQ(pelabuhan().size(), 4u);
}

TEST_F(MdlUtilReload, EmptyFilesEmptyTheTablesAndStillReport)
{
    writeData("tblkemasan.dat", "");
    writeData("tblpelabuhan.dat", "");

    UpdateTblKemasan();
    UpdateTblPelabuhan();

    EXPECT_EQ(kemasan(), Rows{});
    EXPECT_EQ(pelabuhan(), Rows{});
    EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{kKemasanDone, kPelabuhanDone}));
    EXPECT_FALSE(windowVisible());
}

TEST_F(MdlUtilReload, SecondRunReplacesWhatTheFirstInserted)
{
    writeData("tblkemasan.dat", "AA;first\r\nBB;second\r\n");
    writeData("tblpelabuhan.dat", "PORT1;one\r\n");

    for (int run = 0; run < 2; ++run) {
        UpdateTblKemasan();
        UpdateTblPelabuhan();
    }

    EXPECT_EQ(kemasan(), (Rows{{"AA", "first"}, {"BB", "second"}}));
    EXPECT_EQ(pelabuhan(), (Rows{{"PORT1", "one"}}));
    EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{kKemasanDone, kPelabuhanDone, kKemasanDone,
                                                    kPelabuhanDone}));
}

TEST_F(MdlUtilReload, ShippedDataFilesLoadCompletely)
{
    for (const char* name : {"tblkemasan.dat", "tblpelabuhan.dat"})
        std::filesystem::copy_file(std::string(TANDERA_SOURCE_DIR) + "/data/" + name,
                                   dataPath(name));

    UpdateTblKemasan();
    UpdateTblPelabuhan();

    const Rows packaging = kemasan();
    const Rows ports = pelabuhan();
    EXPECT_EQ(packaging.size(), 406u);
    EXPECT_EQ(ports.size(), 60'000u);
    // Windows-1252 letters arrive as Unicode; trailing spaces go.
    const auto port = [&ports](const std::string& code) {
        const auto found = std::find_if(ports.begin(), ports.end(),
                                        [&code](const auto& row) { return row.first == code; });
        return found == ports.end() ? std::string("<missing>") : found->second;
    };
    EXPECT_EQ(port("PFJOA"), "Saint-Duna\u00FAjv\u00E1ros Anchorage");
    EXPECT_EQ(port("BQJGJ"), "Aerodrom Port");
    // The only quote characters the shipped file uses: 0x91 and 0x92.
    EXPECT_EQ(port("FKL77"), "Ma\u2018an d'Ascoli");
    EXPECT_EQ(port("NE4EC"), "Ma\u2019ikel");
    EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{kKemasanDone, kPelabuhanDone}));
}

// A database the demo maker wrote before tables were made by a typed call: a new demo has the
// very same schema rows (the password table's included), and the old one opens and reloads.
TEST_F(MdlUtilReload, ADatabaseOfTheEarlierDemoMakerOpensAndReloads)
{
    const std::string earlier =
        std::string(TANDERA_SOURCE_DIR) + "/tests/modules/data/Kolvarin-demo-3cb4c1b.mdb";
    const std::string schema = "SELECT type, name, tbl_name, sql FROM sqlite_schema ORDER BY name";
    TempDir newDir;
    createDemoDatabase(newDir.file("Kolvarin.mdb"));
    EXPECT_EQ(sqliteLines(newDir.file("Kolvarin.mdb"), schema), sqliteLines(earlier, schema));

    cnDatabase().Close();
    std::filesystem::copy_file(earlier, databasePath(),
                               std::filesystem::copy_options::overwrite_existing);
    writeData("tblkemasan.dat", "BX;Box\r\n");
    writeData("tblpelabuhan.dat", "ABCDE;" + std::string(60, 'h') + "\r\n");
    OpenDatabase(databasePath());
    ASSERT_EQ(cnDatabase().State(), Connection::adStateOpen);
    UpdateTblKemasan();
    UpdateTblPelabuhan();

    EXPECT_EQ(kemasan(), (Rows{{"BX", "Box"}}));
    EXPECT_EQ(pelabuhan(), (Rows{{"ABCDE", std::string(60, 'h')}}));
    EXPECT_EQ(sqliteLines(databasePath(), "SELECT name, type FROM pragma_table_info('Tblkemasan') "
                                          "UNION ALL SELECT name, type FROM "
                                          "pragma_table_info('TblPelabuhan')"),
              (std::vector<std::string>{"KDKEMAS|VARCHAR(2)", "UREDI|LONGTEXT", "KDPORT|VARCHAR(5)",
                                        "nmport|LONGTEXT"}));
}

} // namespace

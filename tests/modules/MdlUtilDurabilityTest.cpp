#include "tests/modules/MdlUtilFixture.h"

#include "tests/support/CountingWindow.h"
#include "tests/support/FaultVfs.h"

#include <sqlite3.h>

#include <filesystem>

namespace {

// A five-character port code, distinct for each number below 260,000: a letter from first on,
// then four digits.
std::string portCode(char first, int number)
{
    std::string digits = std::to_string(10000 + number % 10000).substr(1);
    return std::string(1, static_cast<char>(first + number / 10000)) + digits;
}

// The update run on a disk with little room left: every connection the test opens, cnDatabase
// included, writes through a file layer that can stand for a nearly full disk.
class MdlUtilDisk : public MdlUtilFixture
{
protected:
    // Ports as an office keeps them: some 20,000 rows, a megabyte and more of the file.
    static constexpr int kOldPorts = 20'000;

    void SetUp() override
    {
        {
            engine::Database database = open();
            database.beginTransaction();
            for (int i = 0; i < kOldPorts; ++i)
                insertRow(database, kTblPelabuhan, portCode('Q', i),
                          "Pelabuhan lama nomor " + std::to_string(i));
            database.commitTransaction();
        }
        MdlUtilFixture::SetUp();
    }

    // cnDatabase goes before the file layer it writes through.
    void TearDown() override
    {
        if (cnDatabase().State() == Connection::adStateOpen)
            cnDatabase().Close();
    }

    // Leaves room for bytes more beside the database as it is now.
    void leaveRoom(std::int64_t bytes)
    {
        m_vfs.setCapacity(static_cast<std::int64_t>(std::filesystem::file_size(databasePath())) +
                          bytes);
    }

    static std::string portLines(int count)
    {
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes +=
                portCode('A', i) + ";Pelabuhan baru " + std::to_string(i) + " di pesisir utara\r\n";
        return bytes;
    }

    FaultVfs m_vfs;
};

// A reload of a few lines over a big old table once needed room for a copy of the whole old
// table (the delete journaled every freed page), and failed on a disk with megabytes free. It
// needs room for the copy it keeps of the table, and not for the table twice.
TEST_F(MdlUtilDisk, ReloadNeedsRoomForItsKeptCopyNotForTheOldTableTwice)
{
    writeData("tblpelabuhan.dat", portLines(kOldPorts));
    UpdateTblPelabuhan();
    const std::int64_t kept =
        std::stoll(sqliteRows(databasePath(), "SELECT sum(length(rows)) FROM MSysKeptRows")
                       .at(0)
                       .at(0)
                       .value());
    ASSERT_GT(kept, 500'000);
    leaveRoom(kept * 7 / 4);
    writeData("tblpelabuhan.dat", portLines(100));

    UpdateTblPelabuhan();

    EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{kPelabuhanDone, kPelabuhanDone}));
    const Rows ports = pelabuhan();
    ASSERT_EQ(ports.size(), 100u);
    EXPECT_EQ(ports.front(),
              (std::pair<std::string, std::string>{"A0000", "Pelabuhan baru 0 di pesisir utara"}));
}

// A full disk said only "Disk or network error", and the operator could not tell what to free.
TEST_F(MdlUtilDisk, FullDiskSaysSoNamesTheFileAndKeepsTheRows)
{
    const Rows before = pelabuhan();
    leaveRoom(50'000);
    // Twice the rows the old table freed: the file must grow.
    writeData("tblpelabuhan.dat", portLines(2 * kOldPorts));

    const Error error = errorOf(UpdateTblPelabuhan);

    EXPECT_EQ(error.number(), ErrorNumber::ProviderFailure);
    EXPECT_NE(error.description().find("is full"), std::string::npos) << error.description();
    expectNamed(error, databasePath());
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});
    EXPECT_FALSE(windowVisible());
    EXPECT_EQ(pelabuhan(), before);

    // Room made, the same connection runs the reload through.
    m_vfs.setCapacity(0);
    UpdateTblPelabuhan();
    EXPECT_EQ(pelabuhan().size(), static_cast<std::size_t>(2 * kOldPorts));
}

// A commit failing after the journal's delete was said to leave the table as it was, rows and all.
TEST_F(MdlUtilDisk, FailedCommitSaysWhetherItsRowsMayBeIn)
{
    writeData("tblkemasan.dat", "AA;one\r\n");
    const auto noteWhenFailing = [this](FaultVfs::Kind failing, int code) {
        m_vfs.setObserver([=](const FaultVfs::Event& event) {
            return event.kind == failing && event.role == FaultVfs::Role::Journal ? code : 0;
        });
        const Error error = errorOf(UpdateTblKemasan);
        m_vfs.setObserver({});
        return error.dataNote();
    };
    EXPECT_EQ(noteWhenFailing(FaultVfs::Kind::Delete, SQLITE_IOERR_DELETE),
              "Table Tblkemasan was left exactly as it was: none of its rows changed.");
    EXPECT_EQ(kemasan(), kOldKemasan);
    EXPECT_EQ(noteWhenFailing(FaultVfs::Kind::FolderSync, SQLITE_IOERR_DIR_FSYNC),
              "Table Tblkemasan may already hold its new rows: its commit failed too late to be "
              "undone.");
    EXPECT_EQ(kemasan(), (Rows{{"AA", "one"}}));
}

// A reader holding the file (another program with a query open) let the reload run every insert
// and fail at its commit, after the wait, with nothing to show for it.
using MdlUtilSharedFile = MdlUtilFixture;

TEST_F(MdlUtilSharedFile, ReaderHoldingTheFileStopsTheReloadBeforeItStarts)
{
    writeData("tblkemasan.dat", "AA;one\r\nBB;two\r\n");
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open_v2(databasePath().c_str(), &reader, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM Tblkemasan", nullptr, nullptr, nullptr),
        SQLITE_OK);
    CountingWindow window;
    setProgressWindowProvider([&]() -> ProgressWindow& { return window; });

    const Error error = errorOf(UpdateTblKemasan);

    EXPECT_EQ(error.number(), ErrorNumber::ProviderFailure);
    EXPECT_EQ(error.description(), "Could not use '" + databasePath() + "'; file already in use.");
    EXPECT_EQ(error.dataNote(),
              "Table Tblkemasan was left exactly as it was: none of its rows changed.");
    EXPECT_EQ(window.shown, 0) << "the reload started before it had the file";
    EXPECT_EQ(boxes(), std::vector<MessageBoxCall>{});

    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    EXPECT_EQ(kemasan(), kOldKemasan);
    UpdateTblKemasan();
    EXPECT_EQ(kemasan(), (Rows{{"AA", "one"}, {"BB", "two"}}));
    EXPECT_EQ(window.shown, 1);
}

} // namespace

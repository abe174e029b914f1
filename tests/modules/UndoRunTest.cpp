#include "tests/modules/MdlUtilFixture.h"

#include "modules/UndoRun.h"

namespace {

using UndoRun = MdlUtilFixture;

// The undo from the menu: the operator picks the database, is told which change of each table
// would go, and a No leaves both as they are; a Yes puts back what each held before.
TEST_F(UndoRun, FromTheMenuAsksFirstNamingEachChange)
{
    writeData("tblkemasan.dat", "AA;Satu\r\n");
    writeData("tblpelabuhan.dat", "PORT1;Satu\r\nPORT2;Dua\r\n");
    UpdateTblKemasan();
    UpdateTblPelabuhan();
    const std::string time = sqliteLines(databasePath(), "SELECT max(time) FROM MSysHistory").at(0);
    ScriptedFileDialog dialog;
    dialog.setNextFileName(databasePath());
    dialog.setNextFileName(databasePath());
    setMessageBoxAnswer(MessageBoxResult::No);

    EXPECT_FALSE(RunUndoWithDialogs());

    EXPECT_EQ(dialog.filters(), std::vector<std::string>{"Backup File|*.mdb"});
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes().back(),
              (MessageBoxCall{"Undo the last change of each table of " + databasePath() +
                                  "?\r\nTblkemasan: its change of " + time +
                                  ", from 2 rows to 1\r\nTblPelabuhan: its change of " + time +
                                  ", from 1 rows to 2",
                              MessageBoxFlag::YesNo | MessageBoxFlag::Question, "Tandera"}));
    EXPECT_EQ(kemasan(), (Rows{{"AA", "Satu"}}));

    setMessageBoxAnswer(MessageBoxResult::Yes);
    EXPECT_TRUE(RunUndoWithDialogs());
    EXPECT_EQ(kemasan(), kOldKemasan);
    EXPECT_EQ(pelabuhan(), kOldPelabuhan);
}

} // namespace

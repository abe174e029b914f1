#include "tests/engine/EngineFixture.h"

#include "modules/ReferenceTable.h"

using namespace enginetest;

namespace {

using Rows = std::vector<std::string>;

class Transactions : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        hostile::runOnFile(path, "CREATE INDEX ix_uredi ON Tblkemasan (UREDI);"
                                 "INSERT INTO Tblkemasan VALUES ('BX','Box');"
                                 "INSERT INTO Tblkemasan VALUES ('CT','Carton');");
    }
};

// What a failed reload must come back to: the delete, the alter and half the inserts undone.
TEST_F(Transactions, RollbackUndoesDeleteAlterAndInserts)
{
    const Rows schema = schemaOf(*db, "Tblkemasan");
    const Rows rows = rowsOf(*db, "SELECT rowid, * FROM Tblkemasan");

    db->beginTransaction();
    EXPECT_TRUE(db->inTransaction());
    EXPECT_EQ(db->execute(kTblKemasan.deleteStatement), 2);
    db->execute(kTblKemasan.alterStatement);
    db->execute("Insert Into tblkemasan values('PK','" + std::string(40, 'p') + "')");
    db->rollbackTransaction();

    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(schemaOf(*db, "Tblkemasan"), schema);
    EXPECT_EQ(rowsOf(*db, "SELECT rowid, * FROM Tblkemasan"), rows);
    // The size limit is back with the old shape.
    EXPECT_EQ(errorOf([&] {
                  db->execute("Insert Into tblkemasan values('PK','" + std::string(40, 'p') + "')");
              }).number(),
              -2147217887);
}

// The memo shape read in a rolled-back transaction must not make the next memo step pass over the
// column. The statements spell the table alike: only the begin makes the engine reread it.
TEST_F(Transactions, MemoStepAfterARollbackMakesTheMemoAgain)
{
    for (const bool commit : {false, true}) {
        db->beginTransaction();
        db->execute(kTblKemasan.alterStatement);
        db->execute("Insert Into Tblkemasan values('PK','" + std::string(40, 'p') + "')");
        commit ? db->commitTransaction() : db->rollbackTransaction();
    }
    EXPECT_EQ(rowsOf(*db, "SELECT type FROM pragma_table_info('Tblkemasan') WHERE name = 'UREDI'"),
              Rows{"LONGTEXT"});
}

TEST_F(Transactions, CommitKeepsEverything)
{
    db->beginTransaction();
    db->execute(kTblKemasan.deleteStatement);
    db->execute(kTblKemasan.alterStatement);
    db->execute("Insert Into tblkemasan values('PK','" + std::string(40, 'p') + "')");
    db->commitTransaction();
    EXPECT_FALSE(db->inTransaction());

    db.reset();
    engine::Database reopened = engine::Database::open(path, enginetest::Password);
    EXPECT_EQ(rowsOf(reopened, "SELECT KDKEMAS, length(UREDI) FROM Tblkemasan"), Rows{"PK|40"});
}

TEST_F(Transactions, AFailedStatementInsideKeepsTheRest)
{
    db->beginTransaction();
    db->execute(kTblKemasan.deleteStatement);
    db->execute("Insert Into tblkemasan values('N1','one')");
    EXPECT_EQ(errorOf([&] { db->execute("Insert Into tblkemasan values('N1','dup')"); }).number(),
              -2147467259);
    EXPECT_TRUE(db->inTransaction());
    db->commitTransaction();
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM Tblkemasan"), Rows{"N1|one"});
}

// One level only: a second begin must not pass for a savepoint that a later commit would keep.
TEST_F(Transactions, BeginInsideOneIsRefusedAndKeepsIt)
{
    db->beginTransaction();
    db->execute(kTblKemasan.deleteStatement);
    EXPECT_EQ(numbered(errorOf([&] { db->beginTransaction(); })),
              numbered(ErrorNumber::TransactionExists,
                       "Only one transaction can be active on this connection."));
    EXPECT_TRUE(db->inTransaction());
    db->rollbackTransaction();
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM Tblkemasan"), Rows{"2"});
}

TEST_F(Transactions, CommitOrRollbackWithoutOneIsAnError)
{
    const std::string none = numbered(-2147168242, "No transaction is active.");
    EXPECT_EQ(numbered(errorOf([&] { db->commitTransaction(); })), none);
    EXPECT_EQ(numbered(errorOf([&] { db->rollbackTransaction(); })), none);
    db->beginTransaction();
    db->commitTransaction();
    EXPECT_EQ(numbered(errorOf([&] { db->commitTransaction(); })), none);
}

TEST_F(Transactions, ClosingWithAnOpenTransactionKeepsNothingOfIt)
{
    db->beginTransaction();
    db->execute(kTblKemasan.deleteStatement);
    db.reset();
    engine::Database reopened = engine::Database::open(path, enginetest::Password);
    EXPECT_EQ(rowsOf(reopened, "SELECT count(*) FROM Tblkemasan"), Rows{"2"});
}

// A table made elsewhere may replace a row on a duplicate code instead of refusing it: the
// fingerprint a reload records must be of the rows the table holds, or no undo would take it.
TEST_F(Transactions, FingerprintIsOfTheRowsTheTableHolds)
{
    hostile::runOnFile(path, "DROP TABLE Tblkemasan; CREATE TABLE Tblkemasan (KDKEMAS "
                             "VARCHAR(2) PRIMARY KEY ON CONFLICT REPLACE, UREDI VARCHAR(50))");
    db->beginTransaction();
    db->execute(kTblKemasan.deleteStatement);
    db->execute("Insert Into tblkemasan values('BX','Box')");
    db->execute("Insert Into tblkemasan values('BX','Box of two')");
    const engine::TableFingerprint left = db->fingerprint("Tblkemasan");
    db->commitTransaction();

    db->beginTransaction(); // nothing counted: read from the table
    EXPECT_EQ(left, db->fingerprint("Tblkemasan"));
    EXPECT_EQ(left.rows, 1);
}

} // namespace

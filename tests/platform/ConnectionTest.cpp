#include "platform/Connection.h"

#include "engine/Database.h"
#include "engine/Error.h"
#include "tests/support/HostileDatabase.h"
#include "tests/support/RaisedError.h"
#include "tests/support/SqliteRows.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

const std::string closedText = "Operation is not allowed when the object is closed.";
const std::string openText = "Operation is not allowed when the object is open.";
const std::string unusableText = "The connection cannot be used to perform this operation. It "
                                 "is either closed or invalid in this context.";

std::string connectionTextFor(const std::string& path, const std::string& password = "rovak")
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
           ";Jet OLEDB:Database Password=" + password + ";";
}

std::size_t rowCount(const std::string& path, const std::string& table)
{
    return sqliteRows(path, "SELECT * FROM " + table).size();
}

class ConnectionTest : public testing::Test
{
protected:
    void SetUp() override { makeDatabase(path); }

    // A database of ours with one empty text table t.
    static void makeDatabase(const std::string& at)
    {
        engine::CreateDatabase(at, "rovak");
        hostile::runOnFile(at, "CREATE TABLE t (c VARCHAR(10))");
    }

    TempDir dir;
    const std::string path = dir.file("Kolvarin.mdb");
    const std::string text = connectionTextFor(path);
};

TEST_F(ConnectionTest, OpensClosesAndOpensAgain)
{
    Connection connection;
    EXPECT_EQ(Connection::adStateClosed, connection.State());
    connection.Open(text, "", "", -1);
    EXPECT_EQ(Connection::adStateOpen, connection.State());
    connection.Close();
    EXPECT_EQ(Connection::adStateClosed, connection.State());
    connection.Open(text);
    EXPECT_EQ(Connection::adStateOpen, connection.State());
}

struct ClosedCase
{
    const char* operation;
    std::function<void(Connection&)> call;
    std::int32_t number;
    const std::string* description;
};

TEST_F(ConnectionTest, EveryOperationButOpenIsRefusedWhenClosed)
{
    const ClosedCase cases[] = {
        {"Close", [](Connection& c) { c.Close(); }, ErrorNumber::ObjectClosed, &closedText},
        {"Execute", [](Connection& c) { c.Execute("DELETE FROM t"); },
         ErrorNumber::ConnectionUnusable, &unusableText},
        {"BeginTrans", [](Connection& c) { c.BeginTrans(); }, ErrorNumber::ConnectionUnusable,
         &unusableText},
        {"CommitTrans", [](Connection& c) { c.CommitTrans(); }, ErrorNumber::ConnectionUnusable,
         &unusableText},
        {"RollbackTrans", [](Connection& c) { c.RollbackTrans(); }, ErrorNumber::ConnectionUnusable,
         &unusableText},
    };
    for (const ClosedCase& testCase : cases) {
        SCOPED_TRACE(testCase.operation);
        // Never opened, and opened then closed, must answer alike.
        Connection fresh;
        Connection reclosed;
        reclosed.Open(text);
        reclosed.Close();
        for (Connection* connection : {&fresh, &reclosed}) {
            const Error error = errorOf([&] { testCase.call(*connection); });
            EXPECT_EQ(testCase.number, error.number());
            EXPECT_EQ(*testCase.description, error.description());
            EXPECT_EQ(Connection::adStateClosed, connection->State());
        }
    }
}

TEST_F(ConnectionTest, OpenOnAnOpenConnectionRaises3705AndKeepsTheFirstDatabase)
{
    TempDir otherDir;
    const std::string otherPath = otherDir.file("Kolvarin.mdb");
    makeDatabase(otherPath);

    Connection connection;
    connection.Open(text);
    const Error error = errorOf([&] { connection.Open(connectionTextFor(otherPath)); });
    EXPECT_EQ(ErrorNumber::ObjectOpen, error.number());
    EXPECT_EQ(openText, error.description());

    EXPECT_EQ(Connection::adStateOpen, connection.State());
    connection.Execute("INSERT INTO t VALUES('x')");
    connection.Close();
    EXPECT_EQ(1u, rowCount(path, "t"));
    EXPECT_EQ(0u, rowCount(otherPath, "t"));
}

TEST_F(ConnectionTest, AFailedOpenLeavesItClosedAndReusable)
{
    TempDir emptyDir;
    const std::string failing[] = {
        connectionTextFor(emptyDir.file("Kolvarin.mdb")), // no such file
        connectionTextFor(path, "wrong"),                 // wrong password
        "Provider=SQLOLEDB;Data Source=" + path + ";",    // another provider
    };
    Connection connection;
    for (const std::string& failingText : failing) {
        SCOPED_TRACE(failingText);
        EXPECT_THROW(connection.Open(failingText), Error);
        EXPECT_EQ(Connection::adStateClosed, connection.State());
        EXPECT_EQ(ErrorNumber::ObjectClosed, errorOf([&] { connection.Close(); }).number());
    }
    connection.Open(text);
    EXPECT_EQ(Connection::adStateOpen, connection.State());
}

TEST_F(ConnectionTest, ExecuteReportsRowsAffected)
{
    Connection connection;
    connection.Open(text);
    std::int64_t affected = -1;
    for (const char* value : {"a", "b", "c"})
        connection.Execute(std::string("INSERT INTO t VALUES('") + value + "')", &affected);
    EXPECT_EQ(1, affected);
    connection.Execute("DELETE FROM t", &affected);
    EXPECT_EQ(3, affected);
    connection.Execute("DELETE FROM t"); // no count asked for
}

TEST_F(ConnectionTest, TransactionsCommitAndRollBack)
{
    Connection connection;
    connection.Open(text);

    connection.BeginTrans();
    connection.Execute("INSERT INTO t VALUES('kept')");
    connection.CommitTrans();

    connection.BeginTrans();
    connection.Execute("INSERT INTO t VALUES('dropped')");
    connection.RollbackTrans();

    connection.Close();
    EXPECT_EQ(1u, rowCount(path, "t"));
}

TEST_F(ConnectionTest, ClosingWithAnOpenTransactionRollsItBack)
{
    Connection connection;
    connection.Open(text);
    connection.Execute("INSERT INTO t VALUES('kept')");

    connection.BeginTrans();
    connection.Execute("DELETE FROM t");
    connection.Close();
    EXPECT_EQ(Connection::adStateClosed, connection.State());
    EXPECT_EQ(1u, rowCount(path, "t"));

    // The next transaction starts clean on the reopened connection.
    connection.Open(text);
    connection.BeginTrans();
    connection.CommitTrans();
}

} // namespace

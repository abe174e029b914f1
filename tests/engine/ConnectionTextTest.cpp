#include "engine/ConnectionText.h"

#include "tests/engine/EngineFixture.h"

using namespace enginetest;

namespace {

struct ParseCase
{
    const char* text;
    const char* dataSource;
    const char* password;
};

class ConnectionTextParse : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ConnectionTextParse, ReadsSourceAndPassword)
{
    const ParseCase& c = GetParam();
    const engine::ConnectionSettings settings = engine::parseConnectionText(c.text);
    EXPECT_EQ(settings.dataSource, c.dataSource);
    EXPECT_EQ(settings.password, c.password);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ConnectionTextParse,
    ::testing::Values(
        // What the program sends, path unquoted with spaces and a semicolon-free oddity.
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Data Baru\\Kolvarin.mdb;"
                  "Jet OLEDB:Database Password=rovak;",
                  "C:\\Data Baru\\Kolvarin.mdb", "rovak"},
        ParseCase{"provider=MICROSOFT.JET.OLEDB.4.0;data source=/tmp/a (1)/Kolvarin.mdb;"
                  "JET OLEDB:DATABASE PASSWORD=Rovak",
                  "/tmp/a (1)/Kolvarin.mdb", "Rovak"},
        ParseCase{" Provider = Microsoft.Jet.OLEDB.4.0 ; Data Source=/x/Kolvarin.mdb;",
                  "/x/Kolvarin.mdb", ""},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/x;y/Kolvarin.mdb\";"
                  "Jet OLEDB:Database Password=\"pa;ss\"\"\"",
                  "/x;y/Kolvarin.mdb", "pa;ss\""},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;Mode=Share "
                  "Deny None;User ID=Admin;Data Source=/k.mdb;junk;",
                  "/k.mdb", ""},
        ParseCase{"Data Source=/first.mdb;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/second.mdb",
                  "/second.mdb", ""},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=;", "", ""},
        // Single quotes delimit as double ones do; blanks outside quotes are not the value's.
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source='/a;b/say \"hi\"/K.mdb';"
                  "Jet OLEDB:Database Password='it''s'",
                  "/a;b/say \"hi\"/K.mdb", "it's"},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source= \t/x/K.mdb \t;"
                  "Jet OLEDB:Database Password= \" pw \" ;",
                  "/x/K.mdb", " pw "},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/it's/a \"b\"/K.mdb;",
                  "/it's/a \"b\"/K.mdb", ""}));

struct QuoteCase
{
    const char* value;
    const char* quoted;
};

// ctest lists each case by its path, not by the bytes of its pointers.
[[maybe_unused]] void PrintTo(const QuoteCase& quote, std::ostream* out)
{
    *out << quote.value;
}

class ConnectionValueQuoting : public ::testing::TestWithParam<QuoteCase>
{
};

// A path that could end the value early, add a key, or lose its outer blanks is quoted as the
// OLE DB rules say, and reads back as exactly the path.
TEST_P(ConnectionValueQuoting, QuotesWhatTheParserWouldMisreadAndReadsItBack)
{
    const QuoteCase& c = GetParam();
    EXPECT_EQ(engine::quoteConnectionValue(c.value), c.quoted);
    const engine::ConnectionSettings settings = engine::parseConnectionText(
        std::string("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + c.quoted +
        ";Jet OLEDB:Database Password=" + engine::quoteConnectionValue(c.value) + ";");
    EXPECT_EQ(settings.dataSource, c.value);
    EXPECT_EQ(settings.password, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ConnectionValueQuoting,
    ::testing::Values(
        QuoteCase{"/data/Kolvarin.mdb", "/data/Kolvarin.mdb"},
        QuoteCase{"C:\\Data Baru\\a=b (1)\\Kolvarin.mdb", "C:\\Data Baru\\a=b (1)\\Kolvarin.mdb"},
        QuoteCase{"/data/semi;colon/Kolvarin.mdb", "\"/data/semi;colon/Kolvarin.mdb\""},
        QuoteCase{"/x/Kolvarin.mdb;Data Source=/other/target.db",
                  "\"/x/Kolvarin.mdb;Data Source=/other/target.db\""},
        QuoteCase{"/data/it's/Kolvarin.mdb", "\"/data/it's/Kolvarin.mdb\""},
        QuoteCase{"/data/say \"hi\"/Kolvarin.mdb", "'/data/say \"hi\"/Kolvarin.mdb'"},
        QuoteCase{"/data/it's \"hi\"/Kolvarin.mdb", "\"/data/it's \"\"hi\"\"/Kolvarin.mdb\""},
        QuoteCase{"'/data/Kolvarin.mdb", "\"'/data/Kolvarin.mdb\""},
        QuoteCase{"\"/data/Kolvarin.mdb\"", "'\"/data/Kolvarin.mdb\"'"},
        QuoteCase{" /data/Kolvarin.mdb", "\" /data/Kolvarin.mdb\""},
        QuoteCase{"/data/Kolvarin.mdb ", "\"/data/Kolvarin.mdb \""},
        QuoteCase{"/data/Kolvarin.mdb\t", "\"/data/Kolvarin.mdb\t\""}, QuoteCase{"\"", "'\"'"},
        QuoteCase{"'\"", "\"'\"\"\""}, QuoteCase{"", ""}),
    [](const auto& info) { return "Value" + std::to_string(info.index); });

TEST(ConnectionText, OtherOrMissingProviderRaises3706)
{
    const std::string expected =
        numbered(3706, "Provider cannot be found. It may not be properly installed.");
    for (const char* text : {"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/k.mdb;",
                             "Provider=Microsoft.Jet.OLEDB.3.51;Data Source=/k.mdb;",
                             "Data Source=/k.mdb;", "", "Provider=;"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(numbered(errorOf([&] { engine::parseConnectionText(text); })), expected);
    }
}

TEST(ConnectionText, OpensTheDatabaseItNames)
{
    TempDir dir;
    const std::string path = dir.file("Data Baru Kolvarin.mdb");
    engine::CreateDatabase(path, "rovak");
    engine::Database db = engine::Database::openConnectionText(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
        ";Jet OLEDB:Database Password=rovak;");
    EXPECT_EQ(db.path(), path);
    EXPECT_EQ(numbered(errorOf([&] {
                  engine::Database::openConnectionText("Provider=Microsoft.Jet.OLEDB.4.0;Data "
                                                       "Source=" +
                                                       path + ";");
              })),
              numbered(-2147217843, "Not a valid password."));
}

} // namespace

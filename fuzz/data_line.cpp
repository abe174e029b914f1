// Fuzz target: one data line through the program's whole reload (the reader's decoding, the
// record rules, escaping, the insert) into a scratch demo database, and read back. The first
// input byte picks the table (even: Tblkemasan, odd: TblPelabuhan); the rest, up to its first
// line end, is the line, written to the table's data file with CR LF after it.
//
// What is stored must be the record the rules below give for the line as the reader decodes
// it, and nothing else; the only failures allowed are the ones those rules name (no ";" in a
// packaging line, a code longer than its column), and after any failure the table keeps the
// rows it had. A line the reader itself refuses must fail the reload with the reader's number.

#include "engine/Sqlite.h"
#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "modules/ReferenceTable.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDirectory.h"
#include "platform/ProgressWindow.h"
#include "platform/TextFileInput.h"
#include "tests/support/Files.h"
#include "tests/support/TempDir.h"
#include "tools/DemoDatabase.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

struct Expected
{
    std::optional<std::int32_t> error; // the number the reload must fail with
    std::string code;
    std::string description;
};

std::size_t characters(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

// The record rules as the data files' format states them, written out plainly.
Expected recordFor(const ReferenceTable& table, std::string_view line)
{
    Expected expected;
    const std::size_t separator = line.find(';');
    if (&table == &kTblKemasan) {
        if (separator == std::string_view::npos) {
            expected.error = ErrorNumber::InvalidProcedureCall;
            return expected;
        }
        expected.code = std::string(line.substr(0, separator));
    } else {
        // Five characters: each a first byte and the continuation bytes after it.
        std::size_t end = 0;
        for (int taken = 0; taken < 5 && end < line.size(); ++taken) {
            ++end;
            while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
                ++end;
        }
        expected.code = std::string(line.substr(0, end));
    }
    expected.description =
        trimmed(separator == std::string_view::npos ? line : line.substr(separator + 1));
    if (characters(expected.code) > static_cast<std::size_t>(table.codeLength))
        expected.error = ErrorNumber::FieldTooSmall;
    return expected;
}

class NoWindow : public ProgressWindow
{
public:
    void Show() override {}
    void Hide() override {}
    void proses(const std::string&) override {}
};

[[noreturn]] void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "data line: %s: %.300s\n", what, detail.c_str());
    std::abort();
}

// The scratch program directory with its demo database open on cnDatabase, and a connection
// of its own to read the tables back.
class Harness
{
public:
    Harness()
    {
        setProgressWindowProvider([this]() -> ProgressWindow& { return m_window; });
        setMessageBoxHandler([this](const MessageBoxCall&) { ++m_boxes; });
        setProgramDirectoryForTests(m_dir.path());
        const std::string database = m_dir.file("Kolvarin.mdb");
        createDemoDatabase(database);
        OpenDatabase(database);
        if (cnDatabase().State() != Connection::adStateOpen)
            fail("the demo database did not open", database);
        sqlite3* reader = nullptr;
        if (sqlite3_open_v2(database.c_str(), &reader, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            fail("the demo database cannot be read", database);
        m_reader.reset(reader);
    }

    std::string dataPath(const ReferenceTable& table) const
    {
        return m_dir.file(std::string(table.fileName));
    }

    Rows rows(const ReferenceTable& table)
    {
        Rows rows;
        // Straight from SQLite, so that the engine's own reading cannot hide what it stored.
        engine::Statement select(m_reader.get(), "SELECT * FROM " + std::string(table.tableName));
        while (select.step()) {
            const auto code = select.columnText(0);
            const auto description = select.columnText(1);
            if (select.columnCount() != 2 || !code || !description)
                fail("a stored row is not two texts", std::string(table.tableName));
            rows.emplace_back(*code, *description);
        }
        return rows;
    }

    int takeBoxes() { return std::exchange(m_boxes, 0); }

private:
    TempDir m_dir;
    NoWindow m_window;
    int m_boxes = 0;
    engine::SqliteHandle m_reader;
};

// What the program's reader makes of the file: its one line, or the number it refuses the file
// with. nullopt when it reads some other count of lines (a UTF-16 file, say): the line reader's
// own target checks the splitting, this one needs a single line.
struct Decoded
{
    std::string line;
    std::optional<std::int32_t> refused;
};

std::optional<Decoded> decoded(const std::string& path)
{
    try {
        TextFileInput input(path);
        if (input.atEnd())
            return std::nullopt;
        Decoded result{input.readLine(), std::nullopt};
        if (!input.atEnd())
            return std::nullopt;
        return result;
    } catch (const Error& error) {
        return Decoded{{}, error.number()};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Harness harness;
    if (size == 0)
        return 0;
    const ReferenceTable& table = *kReferenceTables[data[0] % kReferenceTables.size()];
    std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
    line = line.substr(0, line.find_first_of("\r\n"));
    writeFile(harness.dataPath(table), std::string(line) + "\r\n");

    const std::optional<Decoded> read = decoded(harness.dataPath(table));
    if (!read)
        return 0;
    const std::string& text = read->line;
    const Expected expected =
        read->refused ? Expected{read->refused, {}, {}} : recordFor(table, text);
    const Rows before = harness.rows(table);
    harness.takeBoxes();

    std::optional<Error> raised;
    try {
        ReloadTable(table);
    } catch (const Error& error) {
        raised = error;
    }
    const Rows after = harness.rows(table);
    const int boxes = harness.takeBoxes();

    if (expected.error) {
        if (!raised)
            fail("the reload took a line the rules refuse", text);
        if (raised->number() != *expected.error)
            fail("the reload failed with another number than the rules name",
                 std::to_string(raised->number()) + " " + raised->description());
        if (after != before)
            fail("a failed reload changed the table", text);
        if (boxes != 0)
            fail("a failed reload showed a box", text);
        return 0;
    }
    if (raised)
        fail("the reload failed on a line the rules take",
             std::to_string(raised->number()) + " " + raised->description());
    if (after != Rows{{expected.code, expected.description}})
        fail("what is stored is not the record", text);
    if (boxes != 1)
        fail("a reload did not show its one completion box", text);
    return 0;
}

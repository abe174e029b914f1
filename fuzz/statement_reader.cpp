// Fuzz target: any bytes through engine::readStatement, the reader of the three statements the
// program sends. A text is either refused with the syntax error, or read into a statement that
// reads back the same when written out again in a plain spelling, each literal's value
// re-escaped: so the reader never accepts a text whose parts it then misplaces.

#include "engine/Error.h"
#include "engine/StatementReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using engine::ReadStatement;

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "statement reader: %s: %.300s\n", what, std::string(text).c_str());
    std::abort();
}

std::string escaped(std::string_view value)
{
    std::string out;
    for (const char c : value)
        out += c == '\'' ? std::string("''") : std::string(1, c);
    return out;
}

std::string written(const ReadStatement& read)
{
    const std::string table = "[" + std::string(read.table) + "]";
    switch (read.kind) {
    case ReadStatement::Kind::Delete:
        return "DELETE FROM " + table;
    case ReadStatement::Kind::AlterToMemo:
        return "ALTER TABLE " + table + " ALTER COLUMN [" + std::string(read.column) + "] MEMO";
    case ReadStatement::Kind::Insert:
        break;
    }
    std::string text = "INSERT INTO " + table + " VALUES (";
    std::string decoded;
    for (std::size_t i = 0; i < read.values.size(); ++i) {
        engine::decodeLiteral(read.values[i], decoded);
        if (escaped(decoded) != read.values[i])
            fail("a literal does not decode to what it says", read.values[i]);
        text += (i > 0 ? ", '" : "'") + escaped(decoded) + "'";
    }
    return text + ")";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ReadStatement read;
    try {
        engine::readStatement(text, read);
    } catch (const Error& error) {
        if (error.number() != ErrorNumber::SyntaxError)
            fail("refused with another number", text);
        return 0;
    }
    const std::string again = written(read);
    ReadStatement reread;
    try {
        engine::readStatement(again, reread);
    } catch (const Error&) {
        fail("its plain spelling is refused", again);
    }
    if (written(reread) != again || reread.table != read.table || reread.column != read.column)
        fail("its plain spelling reads back otherwise", again);
    return 0;
}

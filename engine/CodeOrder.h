#pragma once

#include "engine/Sqlite.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The rows a statement returns, read through once and then handed out in code order: by their
// first column, bytes compared, rows of one code in the order they came. Values come as UTF-8
// text, NULL as an empty text. Reading the table through and sorting here is several times
// faster than SQLite's walk of a key index, which looks up every row anew.
class CodeOrder
{
public:
    explicit CodeOrder(Statement rows);

    // Moves to the next row; false after the last.
    bool next();
    std::string_view code() const { return text(m_rows[m_at].code); }
    // The row's last column.
    std::string_view description() const { return text(m_rows[m_at].description); }

private:
    struct Span
    {
        std::size_t offset = 0;
        std::size_t size = 0;
    };
    struct Row
    {
        // The code's first 8 bytes as one big-endian number, so that most comparisons of the
        // sort are of one number, not of bytes strewn over the arena.
        std::uint64_t prefix = 0;
        Span code;
        Span description;
    };
    std::string_view text(Span span) const { return {m_bytes.data() + span.offset, span.size}; }

    std::string m_bytes;
    std::vector<Row> m_rows;
    std::size_t m_at = 0;
    bool m_started = false;
};

} // namespace engine

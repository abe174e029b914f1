#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// One of the three statements the program sends, as read from its text. Views point into the
// text, which must outlive them.
struct ReadStatement
{
    enum class Kind
    {
        Delete,      // DELETE FROM t
        AlterToMemo, // ALTER TABLE t ALTER [COLUMN] c MEMO
        Insert,      // INSERT INTO t VALUES ('...', ...)
    };
    Kind kind = Kind::Delete;
    std::string_view table;  // without its brackets
    std::string_view column; // AlterToMemo only
    // Insert only: each literal as written between its quotes, '' still doubled.
    std::vector<std::string_view> values;
};

// Reads sql as one of the three shapes into out, reusing its buffers: keywords in any letter
// case; blanks (space, tab, CR, LF) between tokens, optional around "(", "," and ")"; names bare
// or in [ ]; values only as '...' literals; at most one ";" at the end, then only blanks. Any
// other text raises the syntax error that quotes it.
void readStatement(std::string_view sql, ReadStatement& out);

// A literal's value: its doubled apostrophes made single, written over out.
void decodeLiteral(std::string_view literal, std::string& out);

} // namespace engine

#pragma once

#include <string>
#include <string_view>

namespace bench {

// The two tables a reload fills, with the statement texts and file the program uses for each.
enum class ReloadTable
{
    Kemasan,
    Pelabuhan
};

struct ReloadTexts
{
    std::string_view tableName;
    std::string_view dataFile;
    std::string_view deleteStatement;
    std::string_view alterStatement;
    std::string_view insertPrefix;
    // The table and description column as created, for the floors' own statements.
    std::string_view createdTable;
    std::string_view descriptionColumn;
    // The table as the memo step leaves it, under a temporary name.
    std::string_view memoTableDefinition;
};

const ReloadTexts& textsOf(ReloadTable table);

// A data line split as the reload splits it: code and description, both still Windows-1252
// bytes, the description trimmed of spaces (tabs stay). A Kemasan line without ";" raises
// std::invalid_argument, as the program rejects it.
struct Record
{
    std::string code;
    std::string description;
};
Record splitLine(ReloadTable table, std::string_view line);

// The insert text the program sends for a record: prefix + code + "','" + description with
// every "'" doubled + "')", converted to UTF-8 on the way.
std::string insertStatement(ReloadTable table, const Record& record);

} // namespace bench

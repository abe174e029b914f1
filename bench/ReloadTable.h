#pragma once

#include "modules/DataRecord.h"

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

// A data line of table's file split into code and description as the program splits it; the
// views point into line. A packaging line without ";" raises Error 5.
DataRecord recordOf(ReloadTable table, std::string_view line);

} // namespace bench

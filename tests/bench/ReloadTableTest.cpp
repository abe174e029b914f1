#include "bench/ReloadTable.h"

#include "engine/Error.h"

#include <gtest/gtest.h>

namespace {

using bench::ReloadTable;

// The floors must split each table's lines by that table's rule, as the program does.
TEST(ReloadTable, EachTableSplitsByItsOwnRule)
{
    const DataRecord port = bench::recordOf(ReloadTable::Pelabuhan, "AB;Port");
    EXPECT_EQ("AB;Po", port.code);
    EXPECT_EQ("Port", port.description);

    const DataRecord packaging = bench::recordOf(ReloadTable::Kemasan, "AB;Port");
    EXPECT_EQ("AB", packaging.code);
    EXPECT_EQ("Port", packaging.description);

    EXPECT_THROW(bench::recordOf(ReloadTable::Kemasan, "no semicolon"), Error);
    EXPECT_NO_THROW(bench::recordOf(ReloadTable::Pelabuhan, "no semicolon"));
}

} // namespace

#include "platform/FileDialog.h"

#include "platform/FileDialogFilter.h"
#include "tests/support/Seams.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialogFilter, ClassicPairsBecomeQtFilters)
{
    const struct
    {
        std::string classic;
        std::string qt;
    } cases[] = {
        {"Backup File|*.mdb", "Backup File (*.mdb)"},
        {"Backup File|*.mdb|All Files|*.*", "Backup File (*.mdb);;All Files (*.*)"},
        {"Databases|*.mdb;*.accdb", "Databases (*.mdb *.accdb)"},
        {"Anything", "Anything"},
        {"", ""},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(testCase.qt, qtFileDialogFilter(testCase.classic)) << testCase.classic;
}

TEST(FileDialogSeam, AnswersQueuedNamesThenCancelsAndRecordsFilters)
{
    ScriptedFileDialog dialog;
    dialog.setNextFileName("/data/Kolvarin.mdb");
    EXPECT_EQ("/data/Kolvarin.mdb", ShowOpen("Backup File|*.mdb"));
    EXPECT_EQ("", ShowOpen("Backup File|*.mdb"));
    const std::vector<std::string> expected = {"Backup File|*.mdb", "Backup File|*.mdb"};
    EXPECT_EQ(expected, dialog.filters());
}

} // namespace

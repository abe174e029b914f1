#include "platform/DataFiles.h"

#include "engine/Error.h"
#include "tests/support/Seams.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string notFound(const char* name)
{
    try {
        return "found " + dataFilePath(name);
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
        return error.description();
    }
}

// The places searched, in order (the installed-tree test checks which wins among the XDG ones):
// one skipped or out of turn reloads a table from data nobody brought, or misses what was.
TEST(DataFiles, EachFileIsLookedUpInTheProgramFolderThenTheXdgFolders)
{
    const TempDir root;
    const std::string program = root.file("program"), home = root.file("home");
    const std::string first = root.file("first"), second = root.file("second");
    const ProgramDirectoryOverride programDirectory(program);
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.c_str());
    // Relative folders would move with the current folder: they count as not set.
    qputenv("XDG_DATA_HOME", "relative");
    qputenv("XDG_DATA_DIRS", ("relative::" + first + ":" + second).c_str());

    EXPECT_EQ(notFound("b.dat"), "File not found in any of: '" + program + "/b.dat', '" + home +
                                     "/.local/share/tandera-patch/b.dat', '" + first +
                                     "/tandera-patch/b.dat', '" + second + "/tandera-patch/b.dat'");
    std::filesystem::create_directories(second + "/tandera-patch");
    std::ofstream{second + "/tandera-patch/a.dat"};
    EXPECT_EQ(dataFilePath("a.dat"), second + "/tandera-patch/a.dat");
    // An entry in the program's folder wins even when it cannot be read.
    std::filesystem::create_directories(program);
    std::filesystem::create_symlink(root.file("nowhere"), program + "/a.dat");
    EXPECT_EQ(dataFilePath("a.dat"), program + "/a.dat");

    // Without an absolute HOME or XDG_DATA_HOME the operator's folder is skipped.
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_DIRS");
    const std::string withoutHome = notFound("b.dat");
    EXPECT_EQ(withoutHome, "File not found in any of: '" + program +
                               "/b.dat', '/usr/local/share/tandera-patch/b.dat', "
                               "'/usr/share/tandera-patch/b.dat'");
    qputenv("HOME", "relative");
    EXPECT_EQ(notFound("b.dat"), withoutHome);
    qputenv("HOME", realHome);
    qunsetenv("XDG_DATA_HOME");
}

} // namespace

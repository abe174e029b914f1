#include "platform/DataFiles.h"

#include "engine/Error.h"
#include "tests/support/Seams.h"
#include "tests/support/TempDir.h"

#include <QByteArray>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// Each step of the search, in order: a file in the wrong place, or a step skipped or taken out
// of turn, reloads a table from data the operator did not bring.
TEST(DataFiles, EachFileIsLookedUpInTheProgramFolderThenTheXdgFolders)
{
    const TempDir root;
    const std::string program = root.file("program");
    const std::string home = root.file("home");
    const std::string first = root.file("first");
    const std::string second = root.file("second");
    for (const std::string& folder : {program, home + "/.local/share/tandera-patch",
                                      first + "/tandera-patch", second + "/tandera-patch"})
        std::filesystem::create_directories(folder);
    const ProgramDirectoryOverride programDirectory(program);
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.c_str());
    qunsetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", ("relative::" + first + ":" + second).c_str());
    const auto place = [](const std::string& file) {
        std::ofstream{file};
    };

    place(second + "/tandera-patch/a.dat");
    EXPECT_EQ(dataFilePath("a.dat"), second + "/tandera-patch/a.dat");
    place(first + "/tandera-patch/a.dat");
    EXPECT_EQ(dataFilePath("a.dat"), first + "/tandera-patch/a.dat");
    place(home + "/.local/share/tandera-patch/a.dat");
    EXPECT_EQ(dataFilePath("a.dat"), home + "/.local/share/tandera-patch/a.dat");
    // An entry in the program's folder wins even when it cannot be read.
    std::filesystem::create_symlink(root.file("nowhere"), program + "/a.dat");
    EXPECT_EQ(dataFilePath("a.dat"), program + "/a.dat");

    const auto notFound = [](const char* name) {
        try {
            dataFilePath(name);
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
            return error.description();
        }
        return std::string("found");
    };
    EXPECT_EQ(notFound("b.dat"), "File not found in any of: '" + program + "/b.dat', '" + home +
                                     "/.local/share/tandera-patch/b.dat', '" + first +
                                     "/tandera-patch/b.dat', '" + second + "/tandera-patch/b.dat'");
    // Without HOME and XDG_DATA_HOME the operator's folder is skipped.
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(notFound("b.dat"), "File not found in any of: '" + program +
                                     "/b.dat', '/usr/local/share/tandera-patch/b.dat', "
                                     "'/usr/share/tandera-patch/b.dat'");
    qputenv("HOME", realHome);
    qputenv("XDG_DATA_HOME", "/nonexistent/tandera-tests");
    qputenv("XDG_DATA_DIRS", "/nonexistent/tandera-tests");
}

} // namespace

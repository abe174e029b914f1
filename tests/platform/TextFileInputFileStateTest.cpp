#include "platform/TextFileInput.h"

#include "tests/support/FifoWatchdog.h"
#include "tests/support/Files.h"
#include "tests/support/RaisedError.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr std::size_t kChunk = 64 * 1024; // the reader's chunk size

void readToTheEnd(TextFileInput& input)
{
    while (!input.atEnd())
        input.readLine();
}

// Guards against a FIFO hanging the program (with the database's write lock held) and against
// a device such as /dev/null reading as an empty file that empties the table.
TEST(TextFileInputFileState, RefusesWhatIsNoRegularFileAtOnce)
{
    TempDir dir;
    const std::string fifo = dir.file("fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = dir.file("folder.dat");
    std::filesystem::create_directory(folder);
    const std::string device = dir.file("device.dat");
    std::filesystem::create_symlink("/dev/null", device);

    for (const std::string& path : {fifo, std::string("/dev/null"), device, folder}) {
        FifoWatchdog watchdog(fifo);
        const Error error = errorOf([&] {
            TextFileInput input(path);
            readToTheEnd(input);
        });
        EXPECT_FALSE(watchdog.fired()) << path << " kept the reader waiting";
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound) << path;
        expectNamed(error, path);
    }
}

// Every case starts from a file of three and a half chunks whose modification time lies in
// the past, opened and read one line into; the change comes next.
struct ChangeCase
{
    const char* name;
    std::function<void(const std::string& path, const std::string& bytes)> change;
};

// Guards against a file truncated or rewritten during a reload being loaded in part, or as a
// mix of two versions, and reported as done.
TEST(TextFileInputFileState, RaisesWhenTheFileChangesWhileItIsRead)
{
    std::string bytes;
    for (int line = 0; bytes.size() < kChunk * 7 / 2; ++line)
        bytes += "P" + std::to_string(100000 + line) + ";Port " + std::to_string(line) + "\r\n";
    const std::vector<ChangeCase> cases = {
        {"truncated to nothing",
         [](auto& path, auto&) {
             std::filesystem::resize_file(path, 0);
         }},
        {"truncated to half",
         [](auto& path, auto& old) {
             std::filesystem::resize_file(path, old.size() / 2);
         }},
        {"grown",
         [](auto& path, auto& old) {
             writeFile(path, old + "MORE1;more\r\n");
         }},
        {"rewritten at the same size",
         [](auto& path, auto& old) {
             writeFile(path, std::string(old.size(), 'x'));
         }},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.file("tblpelabuhan.dat");
        writeFile(path, bytes);
        const timespec past[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), past, 0), 0);

        const Error error = errorOf([&] {
            TextFileInput input(path);
            input.readLine();
            c.change(path, bytes);
            readToTheEnd(input);
        });
        EXPECT_EQ(error.number(), ErrorNumber::FileChanged);
        expectNamed(error, path);
    }
}

TEST(TextFileInputFileState, RaisesWhenASmallFileChangesAfterItsBytesAreIn)
{
    TempDir dir;
    const std::string path = dir.file("tblkemasan.dat");
    writeFile(path, "AA;one\r\nBB;two\r\n");
    TextFileInput input(path); // one chunk holds it all by now
    std::filesystem::resize_file(path, 8);
    const Error error = errorOf([&] { readToTheEnd(input); });
    EXPECT_EQ(error.number(), ErrorNumber::FileChanged) << error.description();
    expectNamed(error, path);
}

} // namespace

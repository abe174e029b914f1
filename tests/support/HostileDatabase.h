#pragma once

// Database files of ours as they might come back from an office share or a copied backup:
// changed behind the program's back by another SQLite client, or damaged on disk. Each starts
// as a real database made by engine::CreateDatabase.

#include "engine/Database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace hostile {

inline constexpr const char* Password = "rovak";

// Runs sql on the file through a plain SQLite connection, as any other tool would; one that
// brings a function tandera_fn(x) and a collation tandera_order of its own, which the engine
// does not have.
inline void runOnFile(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    sqlite3_create_function(
        db, "tandera_fn", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
        [](sqlite3_context* context, int, sqlite3_value** values) {
            sqlite3_result_value(context, values[0]);
        },
        nullptr, nullptr);
    sqlite3_create_collation(db, "tandera_order", SQLITE_UTF8, nullptr,
                             [](void*, int a, const void* x, int b, const void* y) {
                                 return std::string_view(static_cast<const char*>(x), a)
                                     .compare(std::string_view(static_cast<const char*>(y), b));
                             });
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message ? message : "";
    sqlite3_free(message);
    ASSERT_EQ(sqlite3_close(db), SQLITE_OK);
    ASSERT_EQ(rc, SQLITE_OK) << text;
}

// The two reference tables as another tool may have made them: a named key constraint, a column
// name in another case, a description narrower than the demo's.
inline constexpr const char* ReferenceTables =
    "CREATE TABLE Tblkemasan (KDKEMAS VARCHAR(2) NOT NULL, UREDI VARCHAR(30), "
    "CONSTRAINT PK_Tblkemasan PRIMARY KEY (KDKEMAS));"
    "CREATE TABLE TblPelabuhan (kdport VARCHAR(5) NOT NULL PRIMARY KEY, nmport VARCHAR(50));";

// A database of ours at path holding ReferenceTables, with one packaging row and rows port rows.
inline void makeDatabase(const std::string& path, int rows = 10)
{
    engine::CreateDatabase(path, Password);
    std::string sql =
        std::string("BEGIN;") + ReferenceTables + "INSERT INTO Tblkemasan VALUES ('BX', 'Box');";
    for (int i = 0; i < rows; ++i)
        sql += "INSERT INTO TblPelabuhan VALUES ('P" + std::to_string(i) + "', 'Pelabuhan nomor " +
               std::to_string(i) + " di pesisir utara Jawa');";
    runOnFile(path, sql + "COMMIT;");
}

// Writes count pseudo-random bytes (a fixed seed) over the start of the page in the middle of
// the file, as a bad sector or a half-copied file leaves it.
inline void writeRandomBytesIntoTheMiddle(const std::string& path, std::size_t count = 64)
{
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_TRUE(file.is_open());
    unsigned char sizeBytes[2] = {};
    file.seekg(16); // the page size, big-endian, in the file header
    file.read(reinterpret_cast<char*>(sizeBytes), 2);
    const std::uint64_t pageSize = (std::uint64_t{sizeBytes[0]} << 8) | sizeBytes[1];
    const std::uint64_t pages = std::filesystem::file_size(path) / pageSize;
    ASSERT_GT(pages, 8u);
    std::mt19937 random(11);
    std::vector<char> bytes(count);
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xff);
    file.seekp(static_cast<std::streamoff>((pages / 2) * pageSize));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good());
}

} // namespace hostile

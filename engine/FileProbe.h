#pragma once

#include <cstddef>
#include <string>

namespace engine {

// Looks at the file at path before SQLite may touch it, reading its header only: raises the
// open failure that fits (file not found, no permission, unrecognised format, a database of ours
// in write-ahead-log mode, one that cannot be written and why, a path too long) unless it is a
// regular, readable and writable SQLite file in rollback-journal mode that carries our
// application id, at a path SQLite takes. Never creates or changes anything.
void probeDatabaseFile(const std::string& path);

// The name to hand SQLite for path: absolute, so that a relative name beginning with "file:" is
// never read as a URI with options of its own.
std::string sqliteFileName(const std::string& path);

// The most bytes of UTF-8 the absolute path of a database may hold.
std::size_t maxPathBytes();

} // namespace engine

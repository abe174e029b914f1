#pragma once

#include <string>

// The directory the program's binary is in, as the bytes of its name (never decoded: any bytes
// a folder's name holds work), without a trailing separator: the first place the data files are
// looked for. Read from /proc/self/exe. Raises Error 53 naming the problem when that link cannot
// be read or the folder no longer exists; it never falls back to another folder.
std::string ProgramDirectory();

// What keeps ProgramDirectory() from working, worded for the user; empty when it works. main
// refuses to start on it.
std::string programDirectoryProblem();

// Test seam: points ProgramDirectory() elsewhere; an empty text restores the real one.
void setProgramDirectoryForTests(const std::string& directory);

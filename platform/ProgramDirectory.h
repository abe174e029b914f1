#pragma once

#include <string>

// The directory the program's binary is in, without a trailing separator: where the data
// files ship.
std::string ProgramDirectory();

// Test seam: points ProgramDirectory() elsewhere; an empty text restores the real one.
void setProgramDirectoryForTests(const std::string& directory);

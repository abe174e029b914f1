#pragma once

#include <cstdint>
#include <string>

namespace bench {

// Two-character packaging codes drawn from [0-9A-Z]: no file can hold more distinct ones.
inline constexpr std::int64_t kMaxKemasanLines = 36 * 36;
// Port codes: two letters, then three of [0-9A-Z].
inline constexpr std::int64_t kMaxPelabuhanLines = 26LL * 26 * 36 * 36 * 36;

// Data files in the shape that ships beside the program: Windows-1252 bytes, CR LF after every
// line, "CODE;Description". The same arguments always give the same bytes. Codes are unique
// within a file; descriptions carry, at about the shipped files' rates, apostrophes, non-ASCII
// Windows-1252 letters, trailing blanks, further ";" and a few over 50 characters.
// Both raise std::runtime_error when the file cannot be written; writeKemasanFile also when
// lines exceeds kMaxKemasanLines.
void writeKemasanFile(const std::string& path, std::int64_t lines);
void writePelabuhanFile(const std::string& path, std::int64_t lines);

} // namespace bench

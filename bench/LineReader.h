#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Reads a data file one line at a time, in fixed-size chunks so that memory does not grow with
// the file. A line ends at CR LF, LF or a lone CR; a line end that is the last thing in the file
// makes no further line. Opening or reading failures raise std::runtime_error naming the path.
class LineReader
{
public:
    explicit LineReader(const std::string& path);

    // The next line without its line end, valid until the next call; false at the end.
    bool next(std::string_view& line);

private:
    bool fill();

    struct Closer
    {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
    std::string m_path;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    bool m_skipLineFeed = false; // the last line ended in a CR at the end of a chunk
    std::string m_line;
};

} // namespace bench

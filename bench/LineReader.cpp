#include "bench/LineReader.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace bench {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

LineReader::LineReader(const std::string& path)
    : m_file(std::fopen(path.c_str(), "rb")), m_path(path), m_buffer(kChunk)
{
    if (!m_file)
        throw std::runtime_error("cannot open " + path);
}

bool LineReader::fill()
{
    if (m_eof)
        return false;
    m_begin = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file.get());
    if (std::ferror(m_file.get()))
        throw std::runtime_error("cannot read " + m_path);
    if (m_end < m_buffer.size())
        m_eof = true;
    return m_end > 0;
}

bool LineReader::next(std::string_view& line)
{
    m_line.clear();
    for (;;) {
        if (m_begin == m_end && !fill())
            break;
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (m_buffer[m_begin] == '\n' && ++m_begin == m_end)
                continue;
        }
        const char* begin = m_buffer.data() + m_begin;
        const char* end = m_buffer.data() + m_end;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        m_line.append(begin, stop);
        if (stop == end) {
            m_begin = m_end;
            continue;
        }
        m_begin = static_cast<std::size_t>(stop - m_buffer.data()) + 1;
        if (*stop == '\r') {
            if (m_begin < m_end) {
                if (m_buffer[m_begin] == '\n')
                    ++m_begin;
            } else {
                m_skipLineFeed = true;
            }
        }
        line = m_line;
        return true;
    }
    // Only a last line without a line end is left here.
    line = m_line;
    return !m_line.empty();
}

} // namespace bench

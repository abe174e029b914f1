#include "engine/CodeOrder.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace engine {

namespace {

std::uint64_t prefixOf(std::string_view code)
{
    unsigned char bytes[8] = {};
    std::memcpy(bytes, code.data(), std::min(code.size(), sizeof bytes));
    return qFromBigEndian<std::uint64_t>(bytes);
}

} // namespace

CodeOrder::CodeOrder(Statement rows)
{
    const int last = rows.columnCount() - 1;
    const auto take = [this, &rows](int column) {
        const auto* text =
            reinterpret_cast<const char*>(sqlite3_column_text(rows.handle(), column));
        const Span span{m_bytes.size(),
                        static_cast<std::size_t>(sqlite3_column_bytes(rows.handle(), column))};
        m_bytes.append(text ? text : "", span.size);
        return span;
    };
    while (rows.step()) {
        const Span code = take(0);
        m_rows.push_back({prefixOf(text(code)), code, take(last)});
    }
    // Rows of one code stay in the order they came, which is the order of their bytes.
    std::sort(m_rows.begin(), m_rows.end(), [this](const Row& a, const Row& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int order = text(a.code).compare(text(b.code));
        return order < 0 || (order == 0 && a.code.offset < b.code.offset);
    });
}

bool CodeOrder::next()
{
    if (m_started && m_at < m_rows.size())
        ++m_at;
    m_started = true;
    return m_at < m_rows.size();
}

} // namespace engine

#include "engine/CodeOrder.h"

#include <algorithm>

namespace engine {

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
    while (rows.step())
        m_rows.push_back({take(0), take(last)});
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [this](const Row& a, const Row& b) { return text(a.code) < text(b.code); });
}

bool CodeOrder::next()
{
    if (m_started && m_at < m_rows.size())
        ++m_at;
    m_started = true;
    return m_at < m_rows.size();
}

} // namespace engine

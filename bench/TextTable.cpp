#include "bench/TextTable.h"

#include <algorithm>
#include <cctype>

namespace bench {
namespace {

bool isNumber(const std::string& cell)
{
    return !cell.empty() && (std::isdigit(static_cast<unsigned char>(cell[0])) != 0 ||
                             cell[0] == '+' || cell[0] == '-');
}

} // namespace

TextTable::TextTable(std::vector<std::string> header)
{
    m_rows.push_back(std::move(header));
}

void TextTable::addRow(std::vector<std::string> cells)
{
    cells.resize(m_rows.front().size());
    m_rows.push_back(std::move(cells));
}

std::string TextTable::format() const
{
    std::vector<std::size_t> widths(m_rows.front().size(), 3);
    for (const auto& row : m_rows)
        for (std::size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());

    std::string text;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const auto& row = m_rows[r];
        text += '|';
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::string padding(widths[column] - row[column].size(), ' ');
            const bool right = r > 0 && isNumber(row[column]);
            text += ' ' + (right ? padding + row[column] : row[column] + padding) + " |";
        }
        text += '\n';
        if (r == 0) {
            text += '|';
            for (const std::size_t width : widths)
                text += ' ' + std::string(width, '-') + " |";
            text += '\n';
        }
    }
    return text;
}

} // namespace bench

#pragma once

#include <string>
#include <vector>

namespace bench {

// A Markdown table padded to even columns, so that it reads in a terminal and pastes into the
// README as it is. Numbers (cells starting with a digit, "+" or "-") are right-aligned.
class TextTable
{
public:
    explicit TextTable(std::vector<std::string> header);
    void addRow(std::vector<std::string> cells);
    std::string format() const;

private:
    std::vector<std::vector<std::string>> m_rows;
};

} // namespace bench

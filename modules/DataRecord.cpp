#include "modules/DataRecord.h"

#include "engine/Error.h"

#include <QCoreApplication>

namespace {

constexpr std::size_t kPortCodeCharacters = 5;

// Byte length of the first count code points of UTF-8 text.
std::size_t prefixBytes(std::string_view text, std::size_t count)
{
    std::size_t bytes = 0;
    for (std::size_t characters = 0; bytes < text.size(); ++bytes) {
        const bool continuation = (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count)
            break;
    }
    return bytes;
}

// Leading and trailing spaces removed; tabs and other white space stay.
std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void appendQuoted(std::string& out, std::string_view text)
{
    for (std::size_t apostrophe; (apostrophe = text.find('\'')) != std::string_view::npos;) {
        out.append(text.substr(0, apostrophe + 1));
        out.push_back('\'');
        text.remove_prefix(apostrophe + 1);
    }
    out.append(text);
}

} // namespace

DataRecord kemasanRecord(std::string_view line)
{
    const std::size_t separator = line.find(';');
    if (separator == std::string_view::npos)
        throw Error(ErrorNumber::InvalidProcedureCall,
                    QCoreApplication::translate("DataRecord",
                                                "There is no \";\" in the line to end the code.")
                        .toStdString());
    return {line.substr(0, separator), trimSpaces(line.substr(separator + 1))};
}

DataRecord pelabuhanRecord(std::string_view line)
{
    const std::size_t separator = line.find(';');
    const std::string_view description =
        separator == std::string_view::npos ? line : line.substr(separator + 1);
    return {line.substr(0, prefixBytes(line, kPortCodeCharacters)), trimSpaces(description)};
}

void buildInsert(std::string& statement, std::string_view prefix, const DataRecord& record)
{
    statement.clear();
    statement.append(prefix);
    appendQuoted(statement, record.code);
    statement.append("','");
    appendQuoted(statement, record.description);
    statement.append("')");
}

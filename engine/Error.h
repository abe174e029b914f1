#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <utility>

// A failure as the data-access layer and the platform raise it: a signed 32-bit number and a
// description. It lives in the lowest layer so that every layer above can raise and pass it on.
class Error : public std::exception
{
public:
    Error(std::int32_t number, std::string description)
        : m_number(number), m_description(std::move(description))
    {
    }

    std::int32_t number() const noexcept { return m_number; }
    const std::string& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

    // What the failure left of the data it stopped changing, said for the operator; empty when
    // the failure stopped no change. Apart from the description, which stays the failure's own.
    const std::string& dataNote() const noexcept { return m_dataNote; }
    Error withDataNote(std::string note) const
    {
        Error noted = *this;
        noted.m_dataNote = std::move(note);
        return noted;
    }

private:
    std::int32_t m_number;
    std::string m_description;
    std::string m_dataNote;
};

// The numbers callers rely on, as the Jet OLE DB provider and ADO raise them.
namespace ErrorNumber {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t InvalidPropertyValue = 380;
inline constexpr std::int32_t ObjectClosed = 3704;
inline constexpr std::int32_t ObjectOpen = 3705;
inline constexpr std::int32_t ProviderNotFound = 3706;
inline constexpr std::int32_t ConnectionUnusable = 3709;
inline constexpr std::int32_t ProviderFailure = -2147467259;  // 0x80004005
inline constexpr std::int32_t InvalidPassword = -2147217843;  // 0x80040E4D
inline constexpr std::int32_t SyntaxError = -2147217900;      // 0x80040E14
inline constexpr std::int32_t TableNotFound = -2147217865;    // 0x80040E37
inline constexpr std::int32_t FieldTooSmall = -2147217887;    // 0x80040E21
} // namespace ErrorNumber

#include "engine/ErrorNumber.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>

namespace {

struct PublishedNumber
{
    const char* name;
    std::int64_t published; // as the runtime's, ADO's or the HRESULT tables print it
    std::int32_t raised;
};

// An HRESULT as the operator sees it: its bits read as a signed 32-bit number.
constexpr std::int64_t signedHresult(std::uint32_t hresult)
{
    return static_cast<std::int64_t>(hresult) - 0x100000000LL;
}

// Other tests compare with these names, so a mistyped number here would pass them all while the
// operator is shown a number no reference lists.
TEST(ErrorNumbers, AreThePublishedOnes)
{
    const PublishedNumber runtime[] = {
        {"Invalid procedure call or argument", 5, ErrorNumber::InvalidProcedureCall},
        {"Overflow", 6, ErrorNumber::Overflow},
        {"Out of memory", 7, ErrorNumber::OutOfMemory},
        {"Internal error", 51, ErrorNumber::InternalError},
        {"File not found", 53, ErrorNumber::FileNotFound},
        {"Device I/O error", 57, ErrorNumber::FileChanged},
        {"Input past end of file", 62, ErrorNumber::InputPastEndOfFile},
        {"Invalid file format", 321, ErrorNumber::InvalidFileFormat},
        {"Invalid property value", 380, ErrorNumber::InvalidPropertyValue},
    };
    const PublishedNumber ado[] = {
        {"adErrObjectClosed", 3704, ErrorNumber::ObjectClosed},
        {"adErrObjectOpen", 3705, ErrorNumber::ObjectOpen},
        {"adErrProviderNotFound", 3706, ErrorNumber::ProviderNotFound},
        {"adErrInvalidConnection", 3709, ErrorNumber::ConnectionUnusable},
    };
    const PublishedNumber provider[] = {
        {"E_FAIL", signedHresult(0x80004005), ErrorNumber::ProviderFailure},
        {"DB_SEC_E_AUTH_FAILED", signedHresult(0x80040E4D), ErrorNumber::InvalidPassword},
        {"DB_E_ERRORSINCOMMAND", signedHresult(0x80040E14), ErrorNumber::SyntaxError},
        {"DB_E_NOTABLE", signedHresult(0x80040E37), ErrorNumber::TableNotFound},
        {"DB_E_ERRORSOCCURRED", signedHresult(0x80040E21), ErrorNumber::FieldTooSmall},
        {"DB_E_CANTCONVERTVALUE", signedHresult(0x80040E07), ErrorNumber::TypeMismatch},
        {"XACT_E_NOTRANSACTION", signedHresult(0x8004D00E), ErrorNumber::NoTransaction},
        {"XACT_E_XTIONEXISTS", signedHresult(0x8004D013), ErrorNumber::TransactionExists},
    };
    const std::span<const PublishedNumber> tables[] = {runtime, ado, provider};
    for (const auto table : tables) {
        for (const PublishedNumber& number : table)
            EXPECT_EQ(number.raised, number.published) << number.name;
    }
}

} // namespace

#pragma once

#include <cstdint>

// Every error number the program raises or relies on, each beside the name its reference table
// gives it.
namespace ErrorNumber {

// The classic runtime's, for the platform's failures. 53 is also raised for a file that cannot
// be read or is no regular file (a folder, a FIFO, a device); 57 for one that changed (its size
// or times) while it was read; 321 for a line that does not decode or holds a NUL character.
inline constexpr std::int32_t InvalidProcedureCall = 5;   // Invalid procedure call or argument
inline constexpr std::int32_t Overflow = 6;               // Overflow
inline constexpr std::int32_t OutOfMemory = 7;            // Out of memory
inline constexpr std::int32_t InternalError = 51;         // Internal error
inline constexpr std::int32_t FileNotFound = 53;          // File not found
inline constexpr std::int32_t FileChanged = 57;           // Device I/O error
inline constexpr std::int32_t InputPastEndOfFile = 62;    // Input past end of file
inline constexpr std::int32_t InvalidFileFormat = 321;    // Invalid file format
inline constexpr std::int32_t InvalidPropertyValue = 380; // Invalid property value

// ADO's.
inline constexpr std::int32_t ObjectClosed = 3704;       // adErrObjectClosed
inline constexpr std::int32_t ObjectOpen = 3705;         // adErrObjectOpen
inline constexpr std::int32_t ProviderNotFound = 3706;   // adErrProviderNotFound
inline constexpr std::int32_t ConnectionUnusable = 3709; // adErrInvalidConnection

// The Jet OLE DB provider's HRESULTs, as signed 32-bit values. E_FAIL is its general failure:
// file not found, unrecognised format, duplicate key, and the like.
inline constexpr std::int32_t ProviderFailure = -2147467259;   // 0x80004005 E_FAIL
inline constexpr std::int32_t InvalidPassword = -2147217843;   // 0x80040E4D DB_SEC_E_AUTH_FAILED
inline constexpr std::int32_t SyntaxError = -2147217900;       // 0x80040E14 DB_E_ERRORSINCOMMAND
inline constexpr std::int32_t TableNotFound = -2147217865;     // 0x80040E37 DB_E_NOTABLE
inline constexpr std::int32_t FieldTooSmall = -2147217887;     // 0x80040E21 DB_E_ERRORSOCCURRED
inline constexpr std::int32_t TypeMismatch = -2147217913;      // 0x80040E07 DB_E_CANTCONVERTVALUE
inline constexpr std::int32_t NoTransaction = -2147168242;     // 0x8004D00E XACT_E_NOTRANSACTION
inline constexpr std::int32_t TransactionExists = -2147168237; // 0x8004D013 XACT_E_XTIONEXISTS

} // namespace ErrorNumber

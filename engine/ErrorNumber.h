#pragma once

#include <cstdint>

// Every error number the program raises or relies on. The platform's failures carry the classic
// runtime's numbers, the database's those of ADO and the Jet OLE DB provider (an HRESULT as its
// signed 32-bit value, its hex beside it).
namespace ErrorNumber {

// Invalid procedure call or argument.
inline constexpr std::int32_t InvalidProcedureCall = 5;
// Overflow.
inline constexpr std::int32_t Overflow = 6;
// Out of memory.
inline constexpr std::int32_t OutOfMemory = 7;
// Internal error.
inline constexpr std::int32_t InternalError = 51;
// File not found; also raised for a file that cannot be read, and for one that is no regular
// file (a folder, a FIFO, a device).
inline constexpr std::int32_t FileNotFound = 53;
// Device I/O error: the file changed (its size or times) while it was read, so what was read
// is not one version of it.
inline constexpr std::int32_t FileChanged = 57;
// Input past end of file.
inline constexpr std::int32_t InputPastEndOfFile = 62;
// Invalid file format: a line that does not decode, or one that holds a NUL character.
inline constexpr std::int32_t InvalidFileFormat = 321;
// Invalid property value.
inline constexpr std::int32_t InvalidPropertyValue = 380;

// adErrObjectClosed: operation is not allowed when the object is closed.
inline constexpr std::int32_t ObjectClosed = 3704;
// adErrObjectOpen: operation is not allowed when the object is open.
inline constexpr std::int32_t ObjectOpen = 3705;
// adErrProviderNotFound: provider cannot be found.
inline constexpr std::int32_t ProviderNotFound = 3706;
// adErrInvalidConnection: the connection cannot be used to perform this operation.
inline constexpr std::int32_t ConnectionUnusable = 3709;

// E_FAIL, the provider's general failure: file not found, unrecognised format, duplicate key.
inline constexpr std::int32_t ProviderFailure = -2147467259; // 0x80004005
// DB_SEC_E_AUTH_FAILED: not a valid password.
inline constexpr std::int32_t InvalidPassword = -2147217843; // 0x80040E4D
// DB_E_ERRORSINCOMMAND: syntax error in the statement.
inline constexpr std::int32_t SyntaxError = -2147217900; // 0x80040E14
// DB_E_NOTABLE: the input table or query cannot be found.
inline constexpr std::int32_t TableNotFound = -2147217865; // 0x80040E37
// DB_E_ERRORSOCCURRED: the field is too small to accept the amount of data.
inline constexpr std::int32_t FieldTooSmall = -2147217887; // 0x80040E21
// DB_E_CANTCONVERTVALUE: data type mismatch in criteria expression.
inline constexpr std::int32_t TypeMismatch = -2147217913; // 0x80040E07
// DB_E_PERMISSIONDENIED: records cannot be read; no read permission.
inline constexpr std::int32_t NoReadPermission = -2147217911; // 0x80040E09
// XACT_E_NOTRANSACTION: no transaction is active.
inline constexpr std::int32_t NoTransaction = -2147168242; // 0x8004D00E

} // namespace ErrorNumber

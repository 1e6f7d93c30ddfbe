#pragma once

#include <cstdint>

namespace tornavel {

// Every error number the program raises itself, in one place. Errors that
// Windows or Winsock report are passed on with their own numbers.

// Run-time errors, numbered as the platform numbers them.
inline constexpr std::int32_t kErrOverflow = 6;
inline constexpr std::int32_t kErrOutOfMemory = 7;
inline constexpr std::int32_t kErrSubscriptOutOfRange = 9;
inline constexpr std::int32_t kErrTypeMismatch = 13;
inline constexpr std::int32_t kErrInternal = 51;
inline constexpr std::int32_t kErrFileNotFound = 53;
inline constexpr std::int32_t kErrInputPastEndOfFile = 62;
inline constexpr std::int32_t kErrPermissionDenied = 70;
inline constexpr std::int32_t kErrPathFileAccess = 75;
inline constexpr std::int32_t kErrInvalidPropertyValue = 380;  // the socket's remote port
inline constexpr std::int32_t kErrElementNotFound = 35601;     // a picture the exe lacks

// Winsock's numbers, for what our socket refuses before Winsock is asked.
inline constexpr std::int32_t kWsaMessageTooLong = 10040;  // WSAEMSGSIZE
inline constexpr std::int32_t kWsaHostNotFound = 11001;    // WSAHOST_NOT_FOUND

}  // namespace tornavel

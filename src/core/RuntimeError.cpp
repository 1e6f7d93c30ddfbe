#include "core/RuntimeError.h"

#include <utility>

namespace tornavel {

RuntimeError::RuntimeError(std::int32_t number, std::wstring description, std::wstring source)
    : std::runtime_error("run-time error " + std::to_string(number)),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

RuntimeError OverflowError() { return {kErrOverflow, L"Desbordamiento", kApplicationName}; }

RuntimeError SubscriptOutOfRangeError() {
    return {kErrSubscriptOutOfRange, L"Subíndice fuera del intervalo", kApplicationName};
}

RuntimeError TypeMismatchError() {
    return {kErrTypeMismatch, L"No coinciden los tipos", kApplicationName};
}

RuntimeError InputPastEndOfFileError() {
    return {kErrInputPastEndOfFile, L"La entrada ha pasado del final del archivo",
            kApplicationName};
}

}  // namespace tornavel

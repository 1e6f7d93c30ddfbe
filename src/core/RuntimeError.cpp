#include "core/RuntimeError.h"

#include <utility>

#include "core/SystemTexts.h"

namespace tornavel {

RuntimeError::RuntimeError(std::int32_t number, std::wstring description, std::wstring source)
    : std::runtime_error("run-time error " + std::to_string(number)),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

RuntimeError OverflowError() { return {kErrOverflow, L"Desbordamiento", texts::kApplicationName}; }

RuntimeError SubscriptOutOfRangeError() {
    return {kErrSubscriptOutOfRange, L"Subíndice fuera del intervalo", texts::kApplicationName};
}

RuntimeError TypeMismatchError() {
    return {kErrTypeMismatch, L"No coinciden los tipos", texts::kApplicationName};
}

RuntimeError InputPastEndOfFileError() {
    return {kErrInputPastEndOfFile, L"La entrada ha pasado del final del archivo",
            texts::kApplicationName};
}

}  // namespace tornavel

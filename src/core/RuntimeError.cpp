#include "core/RuntimeError.h"

#include <utility>

#include "core/SystemTexts.h"

namespace tornavel {

RuntimeError::RuntimeError(std::int32_t number, std::wstring description, std::wstring source)
    : std::runtime_error("run-time error " + std::to_string(number)),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

RuntimeError OverflowError() {
    return {kErrOverflow, texts::kOverflowDescription, texts::kApplicationName};
}

RuntimeError SubscriptOutOfRangeError() {
    return {kErrSubscriptOutOfRange, texts::kSubscriptOutOfRangeDescription,
            texts::kApplicationName};
}

RuntimeError TypeMismatchError() {
    return {kErrTypeMismatch, texts::kTypeMismatchDescription, texts::kApplicationName};
}

RuntimeError InputPastEndOfFileError() {
    return {kErrInputPastEndOfFile, texts::kInputPastEndOfFileDescription, texts::kApplicationName};
}

}  // namespace tornavel

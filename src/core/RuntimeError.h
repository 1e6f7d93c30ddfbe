#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/ErrorNumbers.h"

namespace tornavel {

// A run-time error: a number, a description and the name of whatever raised it.
// Handlers read all three; the error box shows them.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(std::int32_t number, std::wstring description, std::wstring source);

    std::int32_t Number() const noexcept { return number_; }
    const std::wstring& Description() const noexcept { return description_; }
    const std::wstring& Source() const noexcept { return source_; }

  private:
    std::int32_t number_;
    std::wstring description_;
    std::wstring source_;
};

// The program's own errors, with their Spanish descriptions.
RuntimeError OverflowError();
RuntimeError SubscriptOutOfRangeError();
RuntimeError TypeMismatchError();
RuntimeError InputPastEndOfFileError();

}  // namespace tornavel

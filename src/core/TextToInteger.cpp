#include "core/TextToInteger.h"

#include <algorithm>
#include <limits>

#include "core/RuntimeError.h"

namespace tornavel {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::int32_t TextToInteger(std::wstring_view text) {
    std::size_t at = 0;
    std::size_t end = text.size();
    while (at < end && IsBlank(text[at])) ++at;
    while (end > at && IsBlank(text[end - 1])) --end;

    bool negative = false;
    if (at < end && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }

    // Magnitude, saturated just past the 32-bit range so that long digit runs
    // stay a number (overflow), not a type mismatch.
    constexpr std::int64_t kPastRange = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; at < end && IsDigit(text[at]); ++at, ++digits) {
        magnitude = std::min(magnitude * 10 + (text[at] - L'0'), kPastRange);
    }

    // Fraction: only whether it is below, at or above one half matters.
    int half = -1;  // -1 below, 0 exactly one half, 1 above
    std::size_t fractionDigits = 0;
    if (at < end && text[at] == L'.') {
        ++at;
        for (; at < end && IsDigit(text[at]); ++at, ++fractionDigits) {
            const int d = text[at] - L'0';
            if (fractionDigits == 0) {
                half = d > 5 ? 1 : (d == 5 ? 0 : -1);
            } else if (half == 0 && d != 0) {
                half = 1;
            }
        }
    }
    if (at != end || digits + fractionDigits == 0) throw TypeMismatchError();
    if (fractionDigits == 0) half = -1;
    if (half > 0 || (half == 0 && magnitude % 2 == 1))
        magnitude = std::min(magnitude + 1, kPastRange);

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw OverflowError();
    return static_cast<std::int32_t>(value);
}

}  // namespace tornavel

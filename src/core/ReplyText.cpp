#include "core/ReplyText.h"

namespace tornavel {

bool IsBlankReply(std::wstring_view reply) noexcept {
    return reply.find_first_not_of(kBlank) == std::wstring_view::npos;
}

std::wstring TrimBlanks(std::wstring_view text) {
    if (IsBlankReply(text)) return {};
    const std::size_t first = text.find_first_not_of(kBlank);
    const std::size_t last = text.find_last_not_of(kBlank);
    return std::wstring(text.substr(first, last - first + 1));
}

}  // namespace tornavel

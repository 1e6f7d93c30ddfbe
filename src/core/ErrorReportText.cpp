#include "core/ErrorReportText.h"

#include "core/SystemTexts.h"

namespace tornavel {

std::wstring ComposeErrorReport(std::int32_t number, std::wstring_view description,
                                std::wstring_view source, std::wstring_view location,
                                std::wstring_view detail) {
    std::wstring text = texts::kErrorNumberLabel + std::to_wstring(number);
    text += L"\r\n";
    text += texts::kErrorDescriptionLabel;
    text += description;
    text += L"\r\n\r\n";
    text += texts::kErrorSourceLabel;
    text += source;
    text += L"\r\n";
    text += location;
    text += L"\r\n";
    text += texts::kErrorDetailLabel;
    text += detail;
    return text;
}

}  // namespace tornavel

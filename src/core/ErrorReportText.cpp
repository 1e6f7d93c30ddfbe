#include "core/ErrorReportText.h"

namespace tornavel {

std::wstring ComposeErrorReport(std::int32_t number, std::wstring_view description,
                                std::wstring_view source, std::wstring_view location,
                                std::wstring_view detail) {
    std::wstring text = L"N\u00FAmero: " + std::to_wstring(number);
    text += L"\r\nDescripci\u00F3n: ";
    text += description;
    text += L"\r\n\r\nFuente: ";
    text += source;
    text += L"\r\n";
    text += location;
    text += L"\r\nDetalle : ";
    text += detail;
    return text;
}

}  // namespace tornavel

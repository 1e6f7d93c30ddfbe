#include "core/ErrorReportText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

constexpr wchar_t kLocation[] = L"Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar";

TEST(ErrorReportText, SixLinesForAnErrorBeforeAnyDatagram) {
    EXPECT_EQ(ComposeErrorReport(9, L"Sub\u00EDndice fuera del intervalo", L"TornavelMensaje",
                                 kLocation, L""),
              L"N\u00FAmero: 9\r\n"
              L"Descripci\u00F3n: Sub\u00EDndice fuera del intervalo\r\n"
              L"\r\n"
              L"Fuente: TornavelMensaje\r\n"
              L"Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar\r\n"
              L"Detalle : ");
}

TEST(ErrorReportText, EmptyValuesLeaveTheirLabelsAndNegativeNumbersTheirSign) {
    EXPECT_EQ(ComposeErrorReport(-2147467259, L"", L"", L"", L""),
              L"N\u00FAmero: -2147467259\r\nDescripci\u00F3n: \r\n\r\nFuente: \r\n\r\nDetalle : ");
}

TEST(ErrorReportText, MultiLineDetailIsKeptWhole) {
    const std::wstring detail = L"MSG-ENVIAR\u00B6a\r\nb\u00B6c";
    const std::wstring text = ComposeErrorReport(13, L"d", L"s", kLocation, detail);
    EXPECT_EQ(text.substr(text.size() - detail.size()), detail);
    EXPECT_EQ(text.substr(text.size() - detail.size() - 10, 10), L"Detalle : ");
}

}  // namespace
}  // namespace tornavel

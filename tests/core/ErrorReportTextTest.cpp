#include "core/ErrorReportText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(ErrorReportText, SixCrLfLinesWithTheDetailLastAndWhole) {
    EXPECT_EQ(ComposeErrorReport(-2147467259, L"", L"", L"", L""),
              L"N\u00FAmero: -2147467259\r\nDescripci\u00F3n: \r\n\r\nFuente: \r\n\r\nDetalle : ");
    EXPECT_EQ(ComposeErrorReport(13, L"d", L"s", L"l", L"MSG\u00B6a\r\nb"),
              L"N\u00FAmero: 13\r\nDescripci\u00F3n: d\r\n\r\nFuente: s\r\nl\r\nDetalle : "
              L"MSG\u00B6a\r\nb");
}

}  // namespace
}  // namespace tornavel

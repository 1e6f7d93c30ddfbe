#include "startup/HandoffFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "RaisedError.h"

namespace tornavel {
namespace {

namespace fs = std::filesystem;
using namespace std::literals;

// A hand-off file in a fresh temporary folder; its bytes as code page 1252's.
class HandoffFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::GetACP(), 1252u) << "run under a locale of code page 1252";
    }
    void TearDown() override {
        ::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder_);
    }
    void Write(std::string_view bytes) const { std::ofstream(file_, std::ios::binary) << bytes; }
    // The first line, or the number of the error that opening or reading raised.
    std::variant<std::wstring, std::int32_t> FirstLine() const {
        std::wstring line;
        const std::int32_t error = RaisedError([&] {
            TextStream stream = TextStream::OpenForReading(file_);
            line = stream.ReadFirstLine();
            stream.Close();
        });
        return error != 0 ? decltype(FirstLine())(error) : line;
    }

    const fs::path folder_ = fs::temp_directory_path() / std::to_string(::GetCurrentProcessId());
    const fs::path file_ = (fs::create_directories(folder_), folder_ / "open.zelbarqin");
};

// A file held by its writer is left to the end-to-end start table.
TEST_F(HandoffFile, OnlyAPlainFileCountsAsThere) {
    EXPECT_EQ(std::get<std::int32_t>(FirstLine()), 53) << "gone before it was opened";
    Write("x");
    // clang-format off
    const std::pair<DWORD, bool> kinds[] = {{FILE_ATTRIBUTE_READONLY, true},
        {FILE_ATTRIBUTE_HIDDEN, false}, {FILE_ATTRIBUTE_SYSTEM, false}, {FILE_ATTRIBUTE_NORMAL, true}};
    // clang-format on
    for (const auto& [attributes, there] : kinds) {
        ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), attributes));
        EXPECT_EQ(OrdinaryFileExists(file_), there) << attributes;
    }
}

TEST_F(HandoffFile, ReadsTheFirstLineInTheCodePageOrAsMarkedUtf16) {
    // No characters at all; a lone LF or a lone CR ends the line as CR LF
    // does; a UTF-16 byte-order mark; the reader takes 64 KiB at a time, so
    // breaks on both sides of a block's edge.
    // clang-format off
    const std::string utf16le = "\xFF\xFE" "A\0\xB6\0" "B\0\r\0\n\0" "C\0"s;
    const std::string utf16be = "\xFE\xFF" "\0A\x20\xAC" "\0\n\0C"s;
    const std::pair<std::string, std::variant<std::wstring, std::int32_t>> cases[] = {
        {"", kErrInputPastEndOfFile}, {"\xFF\xFE", kErrInputPastEndOfFile}, {"\r\nsegunda", L""},
        {"sin salto", L"sin salto"}, {"uno\r\ndos\r\n", L"uno"}, {"uno\ndos", L"uno"},
        {"uno\rdos", L"uno"}, {"a\0b\r\n"s, L"a\0b"s},
        {"Ni\xF1o \x80\xB6\xA9", L"Ni\u00F1o \u20AC\u00B6\u00A9"},
        {"\xFF\xFE\r\0\n\0"s, L""}, {utf16le, L"A\u00B6B"}, {utf16be, L"A\u20AC"},
        {std::string(65535, 'a') + "\r\nb", std::wstring(65535, L'a')},
        {std::string(65536, 'a') + "\r\nb", std::wstring(65536, L'a')},
        {std::string(65537, 'a') + "\nb", std::wstring(65537, L'a')},
        {"\xFF\xFE" + std::string(65534, 'a') + "\r\0\n\0"s, std::wstring(32767, L'\u6161')}};
    // clang-format on
    for (const auto& [bytes, line] : cases) {
        Write(bytes);
        EXPECT_TRUE(FirstLine() == line) << ::testing::PrintToString(bytes.substr(0, 40));
    }
}

}  // namespace
}  // namespace tornavel

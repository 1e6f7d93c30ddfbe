#include "startup/HandoffFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/RuntimeError.h"

namespace tornavel {
namespace {

namespace fs = std::filesystem;
using namespace std::literals;

// A hand-off file in a fresh temporary folder, removed afterwards.
class HandoffFile : public ::testing::Test {
  protected:
    void SetUp() override {
        // The byte expectations below are those of code page 1252.
        ASSERT_EQ(::GetACP(), 1252u) << "run under a locale whose ANSI code page is 1252";
        fs::create_directories(folder_);
    }
    void TearDown() override {
        ::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder_);
    }
    void Write(std::string_view bytes) const {
        std::ofstream(fs::path(file_), std::ios::binary | std::ios::trunc) << bytes;
    }
    std::wstring FirstLine() const {
        TextStream stream = TextStream::OpenForReading(file_);
        std::wstring line = stream.ReadFirstLine();
        stream.Close();
        return line;
    }
    std::int32_t ErrorOpeningAndReading() const {
        try {
            (void)FirstLine();
        } catch (const RuntimeError& e) {
            return e.Number();
        }
        return 0;
    }

    const fs::path folder_ = fs::temp_directory_path() / ("handoff-" + std::to_string(::GetCurrentProcessId()));
    const std::wstring file_ = (folder_ / "open.zelbarqin").wstring();
};

TEST_F(HandoffFile, OnlyAPlainFileCountsAsThere) {
    EXPECT_FALSE(OrdinaryFileExists(file_));
    Write("x");
    const std::pair<DWORD, bool> cases[] = {{FILE_ATTRIBUTE_NORMAL, true},
                                            {FILE_ATTRIBUTE_READONLY, true},
                                            {FILE_ATTRIBUTE_HIDDEN, false},
                                            {FILE_ATTRIBUTE_SYSTEM, false}};
    for (const auto& [attributes, there] : cases) {
        ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), attributes));
        EXPECT_EQ(OrdinaryFileExists(file_), there) << std::hex << attributes;
    }
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL));
    fs::remove(file_);
    fs::create_directory(file_);
    EXPECT_FALSE(OrdinaryFileExists(file_)) << "a directory of that name";
}

TEST_F(HandoffFile, ReadsTheFirstLineInTheCodePageOrAsMarkedUtf16) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"\r\n"s, L""},
        {"\r\nsegunda"s, L""},
        {"sin salto"s, L"sin salto"},
        {"uno\r\ndos\r\n"s, L"uno"},
        // A lone LF or a lone CR ends the line as CR LF does.
        {"uno\ndos"s, L"uno"},
        {"uno\rdos"s, L"uno"},
        {"a\0b\r\n"s, L"a\0b"s},
        {"Ni\xF1o \x80\xB6\xA9"s, L"Ni\u00F1o \u20AC\u00B6\u00A9"},
        {"\xFF\xFE\r\0\n\0"s, L""},
        {"\xFF\xFE" "A\0\xB6\0" "B\0\r\0\n\0" "C\0"s, L"A\u00B6B"},
        {"\xFE\xFF" "\0A\x20\xAC" "\0\n\0C"s, L"A\u20AC"},
        // The reader takes 64 KiB at a time: breaks on both sides of an edge.
        {std::string(65535, 'a') + "\r\nb", std::wstring(65535, L'a')},
        {std::string(65536, 'a') + "\r\nb", std::wstring(65536, L'a')},
        {std::string(65537, 'a') + "\nb", std::wstring(65537, L'a')},
        {"\xFF\xFE" + std::string(65534, 'a') + "\r\0\n\0"s, std::wstring(32767, L'\u6161')},
    };
    for (const auto& [bytes, line] : cases) {
        Write(bytes);
        EXPECT_EQ(FirstLine(), line) << ::testing::PrintToString(bytes.substr(0, 40));
    }
    std::string huge(10'000'000, 'x');
    huge[999] = '\xB6';
    Write(huge + "\r\nsegunda");
    const std::wstring read = FirstLine();
    EXPECT_EQ(read.size(), huge.size());
    EXPECT_EQ(read[999], L'\u00B6');
}

TEST_F(HandoffFile, NoCharactersIsError62AndTheStreamStaysToBeClosed) {
    for (std::string_view bytes : {""sv, "\xFF\xFE"sv}) {
        Write(bytes);
        TextStream stream = TextStream::OpenForReading(file_);
        EXPECT_THROW((void)stream.ReadFirstLine(), RuntimeError);
        EXPECT_TRUE(stream.IsOpen());
        stream.Close();
    }
    EXPECT_EQ(ErrorOpeningAndReading(), kErrInputPastEndOfFile);
}

TEST_F(HandoffFile, AMissingFileOrOneHeldWithoutSharingFailsToOpen) {
    EXPECT_EQ(ErrorOpeningAndReading(), 53) << "missing";
    Write("a\xB6" "b");
    UniqueFile writer(::CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(ErrorOpeningAndReading(), 70) << "held without sharing";
    EXPECT_FALSE(DeleteTextFile(file_));
    writer.Reset();
    EXPECT_EQ(FirstLine(), L"a\u00B6b");
    EXPECT_TRUE(DeleteTextFile(file_));
    EXPECT_FALSE(fs::exists(file_));
}

}  // namespace
}  // namespace tornavel

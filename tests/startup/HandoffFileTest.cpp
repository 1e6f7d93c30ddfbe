#include "startup/HandoffFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/RuntimeError.h"

namespace tornavel {
namespace {

using namespace std::string_literals;

using testing::TempFolder;
using testing::WriteBytes;

std::wstring FirstLineOf(const std::wstring& path) {
    TextStream stream = TextStream::OpenForReading(path);
    std::wstring line = stream.ReadFirstLine();
    stream.Close();
    return line;
}

class HandoffFile : public ::testing::Test {
  protected:
    void SetUp() override {
        // The byte expectations below are those of code page 1252.
        ASSERT_EQ(::GetACP(), 1252u) << "run under a locale whose ANSI code page is 1252";
    }
    TempFolder folder_;
    std::wstring file_ = folder_.File(L"open.zelbarqin");
};

TEST_F(HandoffFile, OrdinaryFileExistsOnlyForPlainFiles) {
    EXPECT_FALSE(OrdinaryFileExists(file_)) << "no file yet";

    WriteBytes(file_, "x");
    EXPECT_TRUE(OrdinaryFileExists(file_));
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(OrdinaryFileExists(file_)) << "read-only is still an ordinary file";
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(OrdinaryFileExists(file_)) << "hidden counts as absent";
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_SYSTEM));
    EXPECT_FALSE(OrdinaryFileExists(file_)) << "system counts as absent";
    ASSERT_TRUE(::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(::DeleteFileW(file_.c_str()));

    ASSERT_TRUE(::CreateDirectoryW(file_.c_str(), nullptr));
    EXPECT_FALSE(OrdinaryFileExists(file_)) << "a directory of that name counts as absent";
}

TEST_F(HandoffFile, ReadsTheFirstLineOnly) {
    struct Case {
        std::string bytes;
        std::wstring line;
    };
    const Case cases[] = {
        {"a\xB6"
         "b"s,
         L"a\u00B6b"},
        {"uno\r\ndos\r\n"s, L"uno"},
        {"\r\nsegunda"s, L""},
        {"\r\n"s, L""},
        {"sin salto"s, L"sin salto"},
        {"Ni\xF1o \xE1\xE9\xED\xF3\xFA \x80\xB6"
         "\xA9"s,
         L"Ni\u00F1o \u00E1\u00E9\u00ED\u00F3\u00FA \u20AC\u00B6\u00A9"},
        // A lone LF or a lone CR ends the line as CR LF does.
        {"uno\ndos"s, L"uno"},
        {"uno\rdos"s, L"uno"},
        // A NUL byte is a character like any other.
        {"a\0b\r\n"s, std::wstring(L"a\0b", 3)},
        // A UTF-16 byte-order mark selects UTF-16 of that order.
        {"\xFF\xFE"
         "A\0\xB6\0"
         "B\0\r\0\n\0"
         "C\0"s,
         L"A\u00B6B"},
        {"\xFE\xFF"
         "\0A\x20\xAC"
         "\0\n\0C"s,
         L"A\u20AC"},
        {"\xFF\xFE\r\0\n\0"s, L""},
    };
    for (const Case& c : cases) {
        WriteBytes(file_, c.bytes);
        EXPECT_EQ(FirstLineOf(file_), c.line) << ::testing::PrintToString(c.bytes);
    }
}

TEST_F(HandoffFile, FileWithoutCharactersFailsAtTheRead) {
    for (std::string_view bytes : {std::string_view(""), std::string_view("\xFF\xFE")}) {
        WriteBytes(file_, bytes);
        TextStream stream = TextStream::OpenForReading(file_);
        try {
            (void)stream.ReadFirstLine();
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), kErrInputPastEndOfFile);
        }
        EXPECT_TRUE(stream.IsOpen()) << "a failed read leaves the stream open to be closed";
        stream.Close();
    }
}

TEST_F(HandoffFile, HugeFirstLineIsReadWhole) {
    std::string line(10'000'000, 'x');
    for (std::size_t i = 0; i < line.size(); i += 1000) line[i] = '\xB6';
    WriteBytes(file_, line + "\r\nsegunda");
    const std::wstring read = FirstLineOf(file_);
    ASSERT_EQ(read.size(), line.size());
    EXPECT_EQ(read[0], L'\u00B6');
    EXPECT_EQ(read[1000], L'\u00B6');
    EXPECT_EQ(read.back(), L'x');
}

TEST_F(HandoffFile, LineBreakAtABlockBoundary) {
    // The reader takes 64 KiB at a time; put the break on either side of it.
    for (std::size_t length : {65535u, 65536u, 65537u}) {
        WriteBytes(file_, std::string(length, 'a') + "\r\nb");
        EXPECT_EQ(FirstLineOf(file_).size(), length);
    }
}

TEST_F(HandoffFile, FileHeldWithoutSharingFailsToOpenAndCannotBeDeleted) {
    WriteBytes(file_,
               "a\xB6"
               "b");
    UniqueFile writer(::CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_THROW(TextStream::OpenForReading(file_), RuntimeError);
    EXPECT_FALSE(DeleteTextFile(file_));
    writer.Reset();
    EXPECT_EQ(FirstLineOf(file_), L"a\u00B6b");
}

TEST_F(HandoffFile, MissingFileFailsToOpen) {
    try {
        (void)TextStream::OpenForReading(file_);
        FAIL() << "opened a missing file";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_FALSE(e.Description().empty());
    }
}

}  // namespace
}  // namespace tornavel

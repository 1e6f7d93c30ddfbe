#include "startup/HandoffFile.h"

#include <algorithm>
#include <string_view>

#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "util/CodePage.h"
#include "util/SystemMessage.h"

// How the first line is found and decoded:
// - ANSI text (the normal case) is decoded from the machine's ANSI code page.
// - A file that begins with a UTF-16 byte-order mark (FF FE or FE FF) is read
//   as UTF-16 of that byte order, the mark dropped; the ANSI reading of such a
//   file would be noise.
// - The first CR LF ends the line. So does a lone LF or a lone CR: no field may
//   hold a line break, so a writer that ends its line otherwise still works.
// - The file is read in blocks until the first line break or its end, so a
//   huge line costs linear time and nothing after the break is read.

namespace tornavel {
namespace {

constexpr DWORD kBlockBytes = 64 * 1024;

RuntimeError FileError(DWORD code) {
    std::int32_t number = kErrPathFileAccess;
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) number = kErrFileNotFound;
    if (code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
        code == ERROR_LOCK_VIOLATION)
        number = kErrPermissionDenied;
    return RuntimeError(number, SystemErrorText(code), texts::kApplicationName);
}

enum class Encoding { kAnsi, kUtf16LittleEndian, kUtf16BigEndian };

Encoding DetectEncoding(std::string_view head) {
    if (head.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(head[0]);
        const auto b1 = static_cast<unsigned char>(head[1]);
        if (b0 == 0xFF && b1 == 0xFE) return Encoding::kUtf16LittleEndian;
        if (b0 == 0xFE && b1 == 0xFF) return Encoding::kUtf16BigEndian;
    }
    return Encoding::kAnsi;
}

std::size_t UnitSize(Encoding encoding) { return encoding == Encoding::kAnsi ? 1 : 2; }

// Position of the first CR or LF unit at or after `from` (a multiple of the unit
// size), or npos.
std::size_t FindLineBreak(std::string_view bytes, std::size_t from, Encoding encoding) {
    if (encoding == Encoding::kAnsi) return bytes.find_first_of("\r\n", from);
    const std::size_t low = encoding == Encoding::kUtf16LittleEndian ? 0 : 1;
    for (std::size_t at = from; at + 1 < bytes.size(); at += 2) {
        const char unit = bytes[at + low];
        if ((unit == '\r' || unit == '\n') && bytes[at + 1 - low] == '\0') return at;
    }
    return std::string_view::npos;
}

std::wstring DecodeUtf16(std::string_view bytes, Encoding encoding) {
    std::wstring text(bytes.size() / 2, L'\0');
    const bool little = encoding == Encoding::kUtf16LittleEndian;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<wchar_t>(little ? first | (second << 8) : (first << 8) | second);
    }
    return text;
}

}  // namespace

bool OrdinaryFileExists(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    UniqueFind search(::FindFirstFileW(path.c_str(), &found));
    if (!search) return false;
    constexpr DWORD kNotOrdinary =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return found.cFileName[0] != L'\0' && (found.dwFileAttributes & kNotOrdinary) == 0;
}

bool DeleteTextFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != FALSE; }

TextStream TextStream::OpenForReading(const std::wstring& path) {
    // Sharing read and write lets a writer that keeps the file open with
    // sharing go on; a writer that holds it without sharing makes this fail.
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw FileError(::GetLastError());
    return TextStream(std::move(file));
}

std::wstring TextStream::ReadFirstLine() {
    if (!file_) throw FileError(ERROR_INVALID_HANDLE);
    std::string bytes;
    Encoding encoding = Encoding::kAnsi;
    std::size_t searched = 0;
    std::size_t lineEnd = std::string::npos;
    bool atEnd = false;
    while (lineEnd == std::string::npos && !atEnd) {
        const std::size_t old = bytes.size();
        bytes.resize(old + kBlockBytes);
        DWORD got = 0;
        if (!::ReadFile(file_.Get(), bytes.data() + old, kBlockBytes, &got, nullptr)) {
            throw FileError(::GetLastError());
        }
        bytes.resize(old + got);
        atEnd = got == 0;
        if (old == 0) {
            encoding = DetectEncoding(bytes);
            searched = encoding == Encoding::kAnsi ? 0 : 2;
        }
        lineEnd = FindLineBreak(bytes, searched, encoding);
        // Resume at the first whole unit not yet searched.
        const std::size_t unit = UnitSize(encoding);
        searched = std::max(searched, bytes.size() - bytes.size() % unit);
    }

    const std::size_t start = encoding == Encoding::kAnsi ? 0 : 2;
    if (bytes.size() <= start + (UnitSize(encoding) - 1)) throw InputPastEndOfFileError();
    const std::size_t end = lineEnd == std::string::npos ? bytes.size() : lineEnd;
    const std::string_view line = std::string_view(bytes).substr(start, end - start);
    return encoding == Encoding::kAnsi ? FromCodePage(line) : DecodeUtf16(line, encoding);
}

void TextStream::Close() {
    if (!file_) throw FileError(ERROR_INVALID_HANDLE);
    file_.Reset();
}

}  // namespace tornavel

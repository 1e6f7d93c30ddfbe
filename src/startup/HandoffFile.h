#pragma once

#include <string>
#include <utility>

#include "util/UniqueHandle.h"

namespace tornavel {

// Our stand-in for the scripting file-system component: the three things the
// start-up needs of a text file, and nothing more.

// True when `path` names an ordinary file. Hidden files, system files and
// directories count as absent.
bool OrdinaryFileExists(const std::wstring& path);

// Deletes the file; false when it cannot be deleted (held open, read-only, gone).
bool DeleteTextFile(const std::wstring& path);

// A text file opened for reading. Every failure is a RuntimeError.
class TextStream {
  public:
    // Fails when the file is gone, access is denied, or its writer still holds
    // it without sharing it for reading.
    static TextStream OpenForReading(const std::wstring& path);

    // The file's first line, decoded into UTF-16. Nothing after the first line
    // break is read. A file with no characters at all raises error 62 (input
    // past end of file); a file that begins with a line break gives "".
    std::wstring ReadFirstLine();

    // Closes the file; closing a stream that is not open raises an error.
    void Close();

  private:
    explicit TextStream(UniqueFile file) : file_(std::move(file)) {}

    UniqueFile file_;
};

}  // namespace tornavel

#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// The directory that holds `exePath`, without a trailing separator, except that
// a drive root keeps its own ("C:\").
std::wstring DirectoryOf(std::wstring_view exePath);

// The application directory, one backslash (always, so a drive root gives two
// in a row), and the file name. Nothing for no directory: "\\open.zelbarqin"
// would be a file at the root of the current drive, not ours.
std::wstring ComposeHandoffPath(std::wstring_view applicationDirectory);

}  // namespace tornavel

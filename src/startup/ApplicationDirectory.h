#pragma once

#include <string>

namespace tornavel {

// The directory of the running executable, as DirectoryOf() gives it; empty
// when it cannot be found.
std::wstring ApplicationDirectory();

}  // namespace tornavel

#pragma once

#include <string>

namespace tornavel {

// The directory of the running executable, as DirectoryOf() gives it.
std::wstring ApplicationDirectory();

}  // namespace tornavel

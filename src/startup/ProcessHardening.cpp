#include "startup/ProcessHardening.h"

#include "util/Win32.h"

namespace tornavel {

void HardenProcess() noexcept {
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ::HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
}

}  // namespace tornavel

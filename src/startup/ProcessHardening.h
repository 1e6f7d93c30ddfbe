#pragma once

namespace tornavel {

// The first thing the program does. The exe lives in a folder that another
// program writes to, so DLLs that are loaded by name from here on come from
// System32 only, never from the exe's folder or the current one; and a
// corrupted heap ends the process instead of running on.
void HardenProcess() noexcept;

}  // namespace tornavel

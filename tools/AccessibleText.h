#pragma once

// What a screen reader reads of an accessible object (MSAA): its name, or its
// value, of the object itself; nothing when it has none. The probe and the
// accessibility tests read it the same way.
#include <optional>
#include <string>

#include "util/Win32.h"

#include <ole2.h>
#include <oleacc.h>

namespace tools {

inline std::optional<std::wstring> AccessibleText(IAccessible* object, bool name) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT read = name ? object->get_accName(self, &text) : object->get_accValue(self, &text);
    std::optional<std::wstring> found;
    if (SUCCEEDED(read) && text != nullptr) found = text;
    ::SysFreeString(text);
    return found;
}

}  // namespace tools

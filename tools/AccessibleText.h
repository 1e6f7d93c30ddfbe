#pragma once

// What a screen reader reads of an accessible object (MSAA): a text of the
// object itself (its name, value or description), or its role or state;
// nothing when it has none. The probe, the listener and the accessibility
// tests read it the same way.
#include <optional>
#include <string>

#include "util/Win32.h"

#include <ole2.h>
#include <oleacc.h>

namespace tools {

inline VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// `read` is &IAccessible::get_accName, get_accValue or get_accDescription.
inline std::optional<std::wstring> AccessibleText(IAccessible* object,
                                                  decltype(&IAccessible::get_accName) read) {
    BSTR text = nullptr;
    const HRESULT hr = (object->*read)(Self(), &text);
    std::optional<std::wstring> found;
    if (SUCCEEDED(hr) && text != nullptr) found = text;
    ::SysFreeString(text);
    return found;
}

// `read` is &IAccessible::get_accRole or get_accState.
inline std::optional<long> AccessibleNumber(IAccessible* object,
                                            decltype(&IAccessible::get_accRole) read) {
    VARIANT number{};
    const HRESULT hr = (object->*read)(Self(), &number);
    std::optional<long> found;
    if (SUCCEEDED(hr) && number.vt == VT_I4) found = number.lVal;
    ::VariantClear(&number);
    return found;
}

}  // namespace tools

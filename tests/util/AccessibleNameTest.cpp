#include "util/AccessibleName.h"

#include <gtest/gtest.h>

#include <ole2.h>
#include <oleacc.h>

#include "AccessibleText.h"
#include "util/AccessibleIid.h"
#include "util/ComPtr.h"
#include "window/ReplyBox.h"

namespace tornavel {
namespace {

std::wstring NameOf(IUnknown* object) {
    ComPtr<IAccessible> accessible;
    if (FAILED(object->QueryInterface(kIidAccessible, accessible.Out()))) return L"<none>";
    return tools::AccessibleText(accessible.Get(), &IAccessible::get_accName).value_or(L"<none>");
}

// A client in our own process (an accessibility hook, say) that goes
// through any interface of the reply box's object and back still hears
// "Respuesta", and always meets the same object.
TEST(AccessibleName, EveryInterfaceLeadsBackToTheNamedObject) {
    ::CoInitialize(nullptr);
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                    nullptr, nullptr);
    ReplyBox box;
    ASSERT_TRUE(box.Create(parent));
    ComPtr<IAccessible> object;
    ASSERT_EQ(::AccessibleObjectFromWindow(box.Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                           kIidAccessible, object.Out()),
              S_OK);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, identity.Out()), S_OK);
    for (const IID& iid :
         {IID_IUnknown, IID_IDispatch, kIidAccessible, IID_IOleWindow, IID_IEnumVARIANT}) {
        ComPtr<IUnknown> other;
        ASSERT_EQ(object->QueryInterface(iid, other.Out()), S_OK) << &iid;
        ComPtr<IUnknown> itsIdentity;
        other->QueryInterface(IID_IUnknown, itsIdentity.Out());
        EXPECT_EQ(itsIdentity.Get(), identity.Get()) << "one object, whichever way";
        EXPECT_EQ(NameOf(other.Get()), L"Respuesta");
    }
    // A late-bound client, through IDispatch.
    DISPPARAMS none{};
    VARIANT name{};
    EXPECT_EQ(object->Invoke(DISPID_ACC_NAME, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &name,
                             nullptr, nullptr),
              S_OK);
    EXPECT_TRUE(name.vt == VT_BSTR && std::wstring(name.bstrVal) == L"Respuesta");
    ::VariantClear(&name);
    for (const IID& iid : {IID_IServiceProvider, IID_IPersist})
        EXPECT_EQ(object->QueryInterface(iid, ComPtr<IUnknown>().Out()), E_NOINTERFACE);
    ::DestroyWindow(parent);
}

}  // namespace
}  // namespace tornavel

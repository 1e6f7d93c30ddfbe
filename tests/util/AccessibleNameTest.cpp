#include "util/AccessibleName.h"

#include <gtest/gtest.h>

#include <ole2.h>
#include <oleacc.h>

#include "AccessibleText.h"
#include "core/MessageText.h"
#include "util/AccessibleIid.h"
#include "util/ComPtr.h"
#include "util/WindowText.h"
#include "window/MessageWindow.h"

namespace tornavel {
namespace {

ComPtr<IAccessible> ClientObject(HWND hwnd) {
    ComPtr<IAccessible> object;
    EXPECT_EQ(::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                           object.Out()),
              S_OK);
    return object;
}

std::wstring NameOf(IUnknown* object) {
    ComPtr<IAccessible> accessible;
    if (FAILED(object->QueryInterface(kIidAccessible, accessible.Out()))) return L"<none>";
    return tools::AccessibleText(accessible.Get(), &IAccessible::get_accName).value_or(L"<none>");
}

// A client in our own process (an accessibility hook, say) that goes
// through any interface of the reply box's object, or of the window's, and
// back still hears its name, and always meets the same object.
TEST(AccessibleName, EveryInterfaceLeadsBackToTheNamedObject) {
    ::CoInitialize(nullptr);
    MessageWindow window;
    window.SetTitle(L"Ana");
    HWND reply = ::GetWindow(::GetWindow(window.Handle(), GW_CHILD), GW_HWNDNEXT);
    for (const auto& [hwnd, expected] :
         {std::pair{reply, L"Respuesta"}, std::pair{window.Handle(), L"Mensaje de Ana"}}) {
        const ComPtr<IAccessible> object = ClientObject(hwnd);
        ASSERT_TRUE(object);
        ComPtr<IUnknown> identity;
        ASSERT_EQ(object->QueryInterface(IID_IUnknown, identity.Out()), S_OK);
        for (const IID& iid :
             {IID_IUnknown, IID_IDispatch, kIidAccessible, IID_IOleWindow, IID_IEnumVARIANT}) {
            ComPtr<IUnknown> other;
            ASSERT_EQ(object->QueryInterface(iid, other.Out()), S_OK) << &iid;
            ComPtr<IUnknown> itsIdentity;
            other->QueryInterface(IID_IUnknown, itsIdentity.Out());
            EXPECT_EQ(itsIdentity.Get(), identity.Get()) << "one object, whichever way";
            EXPECT_EQ(NameOf(other.Get()), expected);
        }
        // A late-bound client, through IDispatch.
        DISPPARAMS none{};
        VARIANT name{};
        EXPECT_EQ(object->Invoke(DISPID_ACC_NAME, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &name,
                                 nullptr, nullptr),
                  S_OK);
        EXPECT_TRUE(name.vt == VT_BSTR && std::wstring(name.bstrVal) == expected);
        ::VariantClear(&name);
        for (const IID& iid : {IID_IServiceProvider, IID_IPersist})
            EXPECT_EQ(object->QueryInterface(iid, ComPtr<IUnknown>().Out()), E_NOINTERFACE);
    }
}

// What a screen reader hears of the window as it arrives: an alert named for
// the sender, described by exactly the message box's text, whatever the
// hand-off file held. A question with a bad child id or a null pointer is
// refused, never a crash.
TEST(AccessibleName, TheWindowIsAnAlertSayingWhoWroteAndWhatTheBoxShows) {
    ::CoInitialize(nullptr);
    struct Row {
        std::wstring sender, message, name;
    };
    const Row rows[] = {{L"Ana", L"Hola{ENTER}\u00BFqu\u00E9 tal?", L"Mensaje de Ana"},
                        {L"",
                         L"a\x01"
                         L"b\tc\x7F\x1B",
                         L"Mensaje de "},
                        {L"Bo\x07\tb ", std::wstring(20000, L'x'), L"Mensaje de Bo b"}};
    for (const Row& row : rows) {
        MessageWindow window;
        window.SetTitle(row.sender);
        window.SetMessage(ClipForDisplay(ExpandEnterTokens(row.message)));  // as at the start
        const std::wstring shown = WindowText(::GetWindow(window.Handle(), GW_CHILD));
        const ComPtr<IAccessible> object = ClientObject(window.Handle());
        ASSERT_TRUE(object);
        IAccessible* alert = object.Get();
        EXPECT_EQ(tools::AccessibleNumber(alert, &IAccessible::get_accRole), ROLE_SYSTEM_ALERT);
        EXPECT_TRUE(tools::AccessibleNumber(alert, &IAccessible::get_accState).value_or(0) &
                    STATE_SYSTEM_ALERT_MEDIUM);
        EXPECT_EQ(tools::AccessibleText(alert, &IAccessible::get_accName), row.name);
        EXPECT_EQ(tools::AccessibleText(alert, &IAccessible::get_accDescription), shown);
        EXPECT_LE(shown.size(), kMostShownMessageChars + 1);
        VARIANT bad{}, number{};
        bad.vt = VT_I4;
        bad.lVal = 99;
        BSTR text = nullptr;
        for (const HRESULT hr :
             {alert->get_accName(bad, &text), alert->get_accValue(bad, &text),
              alert->get_accDescription(bad, &text), alert->get_accRole(bad, &number),
              alert->get_accState(bad, &number)})
            EXPECT_EQ(hr, E_INVALIDARG);
        const VARIANT self = tools::Self();
        long x = 0;
        for (const HRESULT hr :
             {alert->get_accName(self, nullptr), alert->get_accValue(self, nullptr),
              alert->get_accDescription(self, nullptr), alert->get_accRole(self, nullptr),
              alert->get_accState(self, nullptr), alert->get_accParent(nullptr),
              alert->get_accChildCount(nullptr), alert->get_accFocus(nullptr),
              alert->accHitTest(0, 0, nullptr), alert->accLocation(&x, &x, nullptr, &x, self)})
            EXPECT_EQ(hr, E_POINTER);
    }
}

}  // namespace
}  // namespace tornavel

#include "util/AccessibleName.h"

#include <ole2.h>
#include <oleacc.h>

#include <atomic>

#include "util/AccessibleIid.h"
#include "util/ComPtr.h"

namespace tornavel {
namespace {

struct Accessibility {
    decltype(&::CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::SysAllocString) allocString = nullptr;
};

const Accessibility& Library() {
    static const Accessibility library = [] {
        Accessibility found;
        HMODULE oleacc = ::LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        HMODULE oleaut = ::LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (oleacc == nullptr || oleaut == nullptr) return found;
        found.createStandard = reinterpret_cast<decltype(found.createStandard)>(
            reinterpret_cast<void*>(::GetProcAddress(oleacc, "CreateStdAccessibleObject")));
        found.lresultFromObject = reinterpret_cast<decltype(found.lresultFromObject)>(
            reinterpret_cast<void*>(::GetProcAddress(oleacc, "LresultFromObject")));
        found.allocString = reinterpret_cast<decltype(found.allocString)>(
            reinterpret_cast<void*>(::GetProcAddress(oleaut, "SysAllocString")));
        return found;
    }();
    return library;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// True when any of the pointers a caller passed for an answer is null.
template <typename... Out>
bool AnyNull(Out*... out) {
    return ((out == nullptr) || ...);
}

// The standard object with our face: every call but the face's goes to it.
// A COM object: its reference count owns it, and the last Release frees it.
// It keeps COM's identity rule: it answers for the interfaces it implements,
// each leading back to it (the window and the child enumerator it wraps,
// when the standard object has them), and for nothing else. A null pointer
// for an answer is refused with E_POINTER, whatever the standard object
// would do with it; a bad child id, the standard object refuses.
class FacedAccessible final : public IAccessible, public IOleWindow, public IEnumVARIANT {
  public:
    FacedAccessible(ComPtr<IAccessible> standard, AccessibleFace face,
                    ComPtr<IEnumVARIANT> children = {})
        : standard_(std::move(standard)), face_(std::move(face)), children_(std::move(children)) {
        standard_->QueryInterface(IID_IOleWindow, window_.Out());
        if (!children_) standard_->QueryInterface(IID_IEnumVARIANT, children_.Out());
    }
    FacedAccessible(const FacedAccessible&) = delete;
    FacedAccessible& operator=(const FacedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidAccessible)
            *out = static_cast<IAccessible*>(this);
        else if (iid == IID_IOleWindow && window_)
            *out = static_cast<IOleWindow*>(this);
        else if (iid == IID_IEnumVARIANT && children_)
            *out = static_cast<IEnumVARIANT*>(this);
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr) return E_POINTER;
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        return Copy(face_.name, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (description == nullptr) return E_POINTER;
        if (!IsSelf(child) || face_.description.empty())
            return standard_->get_accDescription(child, description);
        return Copy(face_.description, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) return E_POINTER;
        if (!IsSelf(child) || face_.role == 0) return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = face_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (state == nullptr) return E_POINTER;
        const HRESULT hr = standard_->get_accState(child, state);
        if (hr == S_OK && IsSelf(child) && state->vt == VT_I4) state->lVal |= face_.state;
        return hr;
    }

    // The rest, as the standard object answers it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        return standard_->GetTypeInfoCount(n);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
        return standard_->GetTypeInfo(i, l, t);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l,
                                            DISPID* d) override {
        return standard_->GetIDsOfNames(r, n, c, l, d);
    }
    // A late-bound client asks for the face through here: ours, as above.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                                     EXCEPINFO* e, UINT* a) override {
        const bool ours = d == DISPID_ACC_NAME || d == DISPID_ACC_DESCRIPTION ||
                          d == DISPID_ACC_ROLE || d == DISPID_ACC_STATE;
        if (!ours || (f & DISPATCH_PROPERTYGET) == 0)
            return standard_->Invoke(d, r, l, f, p, v, e, a);
        if (v == nullptr) return E_POINTER;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const VARIANT child = p != nullptr && p->cArgs > 0 ? p->rgvarg[0] : self;
        if (d == DISPID_ACC_ROLE) return get_accRole(child, v);
        if (d == DISPID_ACC_STATE) return get_accState(child, v);
        BSTR text = nullptr;
        const HRESULT hr =
            d == DISPID_ACC_NAME ? get_accName(child, &text) : get_accDescription(child, &text);
        v->vt = SUCCEEDED(hr) && text != nullptr ? VT_BSTR : VT_EMPTY;
        v->bstrVal = text;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override {
        return AnyNull(p) ? E_POINTER : standard_->get_accParent(p);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override {
        return AnyNull(n) ? E_POINTER : standard_->get_accChildCount(n);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** d) override {
        return AnyNull(d) ? E_POINTER : standard_->get_accChild(c, d);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override {
        return AnyNull(v) ? E_POINTER : standard_->get_accValue(c, v);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override {
        return AnyNull(h) ? E_POINTER : standard_->get_accHelp(c, h);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, long* t) override {
        return AnyNull(f, t) ? E_POINTER : standard_->get_accHelpTopic(f, c, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* k) override {
        return AnyNull(k) ? E_POINTER : standard_->get_accKeyboardShortcut(c, k);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override {
        return AnyNull(f) ? E_POINTER : standard_->get_accFocus(f);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override {
        return AnyNull(s) ? E_POINTER : standard_->get_accSelection(s);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* a) override {
        return AnyNull(a) ? E_POINTER : standard_->get_accDefaultAction(c, a);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override {
        return standard_->accSelect(f, c);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
        return AnyNull(x, y, w, h) ? E_POINTER : standard_->accLocation(x, y, w, h, c);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long n, VARIANT s, VARIANT* e) override {
        return AnyNull(e) ? E_POINTER : standard_->accNavigate(n, s, e);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* c) override {
        return AnyNull(c) ? E_POINTER : standard_->accHitTest(x, y, c);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override {
        return standard_->accDoDefaultAction(c);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override {
        return standard_->put_accName(c, n);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override {
        return standard_->put_accValue(c, v);
    }

    // IOleWindow: the window it presents.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        return AnyNull(hwnd) ? E_POINTER : window_->GetWindow(hwnd);
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return window_->ContextSensitiveHelp(enter);
    }

    // IEnumVARIANT: the children; a clone presents itself like this one.
    HRESULT STDMETHODCALLTYPE Next(ULONG n, VARIANT* items, ULONG* got) override {
        return children_->Next(n, items, got);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG n) override { return children_->Skip(n); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
        if (out == nullptr) return E_POINTER;
        ComPtr<IEnumVARIANT> copy;
        const HRESULT hr = children_->Clone(reinterpret_cast<IEnumVARIANT**>(copy.Out()));
        if (FAILED(hr)) return hr;
        standard_->AddRef();
        *out = new FacedAccessible(ComPtr<IAccessible>(standard_.Get()), face_, std::move(copy));
        return S_OK;
    }

  private:
    ~FacedAccessible() = default;

    static HRESULT Copy(const std::wstring& text, BSTR* out) {
        *out = Library().allocString(text.c_str());
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    ComPtr<IAccessible> standard_;
    AccessibleFace face_;
    ComPtr<IEnumVARIANT> children_;
    ComPtr<IOleWindow> window_;
    std::atomic<ULONG> references_{1};
};

}  // namespace

std::optional<LRESULT> AnswerAs(HWND window, WPARAM wParam, LPARAM lParam, AccessibleFace face) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return std::nullopt;
    const Accessibility& library = Library();
    if (library.createStandard == nullptr || library.lresultFromObject == nullptr ||
        library.allocString == nullptr)
        return std::nullopt;
    ComPtr<IAccessible> standard;
    if (FAILED(library.createStandard(window, OBJID_CLIENT, kIidAccessible, standard.Out())) ||
        !standard)
        return std::nullopt;
    // Ours until LresultFromObject takes its own reference; when it cannot,
    // the window answers as it would without us.
    const ComPtr<IAccessible> named(new FacedAccessible(std::move(standard), std::move(face)));
    const LRESULT result = library.lresultFromObject(kIidAccessible, wParam, named.Get());
    if (FAILED(static_cast<HRESULT>(result))) return std::nullopt;
    return result;
}

}  // namespace tornavel

#include "util/PrivateFonts.h"

namespace tornavel {

PrivateFonts::PrivateFonts(std::span<const int> ids) {
    HMODULE exe = ::GetModuleHandleW(nullptr);
    for (const int id : ids) {
        // A resource's memory lives as long as the exe: nothing to free.
        HRSRC found = ::FindResourceW(exe, MAKEINTRESOURCEW(id), RT_RCDATA);
        HGLOBAL loaded = found != nullptr ? ::LoadResource(exe, found) : nullptr;
        void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
        if (bytes == nullptr) continue;
        DWORD faces = 0;
        // Windows copies the font: the resource need not stay locked.
        UniqueFontResource font(
            ::AddFontMemResourceEx(bytes, ::SizeofResource(exe, found), nullptr, &faces));
        if (font) fonts_.push_back(std::move(font));
    }
}

}  // namespace tornavel

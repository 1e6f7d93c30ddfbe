#include "controls/ImageList.h"

#include "core/RuntimeError.h"

namespace tornavel {

void ImageList::Add(std::wstring key, UniqueIcon picture) {
    images_.emplace_back(std::move(key), std::move(picture));
}

HICON ImageList::Picture(std::wstring_view key) const {
    for (const auto& [name, picture] : images_) {
        if (name == key) return picture.Get();
    }
    throw RuntimeError(35601, L"No se encontr\u00F3 el elemento", L"ImageList");
}

}  // namespace tornavel

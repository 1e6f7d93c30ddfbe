#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "util/UniqueHandle.h"

namespace tornavel {

// A keyed store of pictures. It owns them; callers borrow the handles.
class ImageList {
  public:
    void Add(std::wstring key, UniqueIcon picture);

    // The picture under `key` (keys match exactly). A key the list lacks raises
    // run-time error 35601 ("element not found").
    HICON Picture(std::wstring_view key) const;

    std::size_t Count() const noexcept { return images_.size(); }

  private:
    std::vector<std::pair<std::wstring, UniqueIcon>> images_;
};

}  // namespace tornavel

#pragma once

#include <span>
#include <vector>

#include "util/UniqueHandle.h"

namespace tornavel {

// Fonts that the exe carries as RCDATA resources, loaded for this process
// alone while the owner lives. A font of the process's own is chosen before
// an installed one of the same name, so the design's faces look the same on
// every desk, whatever version of them it has installed, if any.
class PrivateFonts {
  public:
    // Loads each of the exe's font resources `ids`. One that is missing, or
    // that Windows refuses, is left out: text in that face is then drawn in
    // whatever the font mapper gives, and nothing else changes.
    explicit PrivateFonts(std::span<const int> ids);

  private:
    using UniqueFontResource = UniqueHandle<NullableHandleTraits<HANDLE, &::RemoveFontMemResourceEx>>;
    std::vector<UniqueFontResource> fonts_;
};

}  // namespace tornavel

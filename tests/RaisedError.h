#pragma once

#include <cstdint>

#include "core/RuntimeError.h"

namespace tornavel {

// The number of the run-time error that `call` raises, or 0 when it returns;
// `said` gets its description and source.
template <typename Call>
std::int32_t RaisedError(Call call, std::wstring* said = nullptr) {
    try {
        call();
    } catch (const RuntimeError& e) {
        if (said != nullptr) *said = e.Description() + L" (" + e.Source() + L")";
        return e.Number();
    }
    return 0;
}

}  // namespace tornavel

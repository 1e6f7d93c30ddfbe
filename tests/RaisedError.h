#pragma once

#include <cstdint>

#include "core/RuntimeError.h"

namespace tornavel {

// The number of the run-time error that `call` raises, or 0 when it returns.
template <typename Call>
std::int32_t RaisedError(Call call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

}  // namespace tornavel

#pragma once

#include "core/FieldRecord.h"

namespace tornavel {

// The fields of the hand-off line: filled once at start-up, read until the end
// of the run.
extern FieldRecord HandoffRecord;

}  // namespace tornavel

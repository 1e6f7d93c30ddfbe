#pragma once

#include <cstddef>

#include "core/FieldRecord.h"
#include "util/CodePage.h"

namespace tornavel {

// How many bytes of the code page a reply may take for `record`: what one
// datagram leaves beside the line's fields, the longer token, the widest id
// and a stamp, so that a reply the box took always fits. A line too short
// to send (Enter then says error 9) leaves a whole datagram.
std::size_t ReplyRoomInBytes(const FieldRecord& record, unsigned codePage = kAnsiCodePage);

}  // namespace tornavel

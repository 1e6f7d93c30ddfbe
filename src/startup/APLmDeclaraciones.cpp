#include "startup/APLmDeclaraciones.h"

namespace tornavel {

FieldRecord HandoffRecord;

}  // namespace tornavel

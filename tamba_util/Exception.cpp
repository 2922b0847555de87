#include "tamba_util/Exception.h"

namespace tamba::util {

Exception::Exception(const String& message) : message_(message + "\n") {}

} // namespace tamba::util

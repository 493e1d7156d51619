#include "platform/error.h"

#include <cstring>

namespace qv {

Error SystemError(const std::string& file, int err) {
  return Error(std::strerror(err), file);
}

}  // namespace qv

#include "platform/error.h"

#include <cstring>

namespace qv {

Error SystemError(const std::string& file, int err, long line) {
  return Error(std::strerror(err), file, line);
}

}  // namespace qv

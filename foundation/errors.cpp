#include "foundation/errors.h"

void ThrowInvalidFile(const std::string& message) {
    throw EInvalidFile(message);
}

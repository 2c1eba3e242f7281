#include "foundation/record_fields.h"

#include "foundation/errors.h"

std::string CutToWidth(std::string text, int width) {
    if (width >= 0 && text.size() > static_cast<std::size_t>(width))
        text.resize(static_cast<std::size_t>(width));
    return text;
}

void FieldValueOutOfRange(const char* record, const char* field, std::int64_t value, std::int64_t minValue,
                          std::int64_t maxValue) {
    ThrowInvalidFile(std::string(record) + ": " + field + " " + std::to_string(value) + " is outside " +
                     std::to_string(minValue) + ".." + std::to_string(maxValue));
}

std::string ComposeRawText(const std::string& text, const std::string& held, std::size_t width) {
    std::string bytes = held;
    bytes.resize(width, '\0');
    bytes.replace(0, std::min(text.size(), width), text, 0, std::min(text.size(), width));
    return bytes;
}

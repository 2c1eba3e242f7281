#include "world/record_fields.h"

#include "foundation/errors.h"

#include <algorithm>
#include <vector>

void WriteFixedText(TBinaryWriter& out, const std::string& text, std::size_t width) {
    const std::size_t length = std::min(text.size(), width);
    out.U8(static_cast<std::uint8_t>(length));
    out.Bytes(reinterpret_cast<const std::uint8_t*>(text.data()), length);
    for (std::size_t i = length; i < width; ++i) out.U8(0);
}

std::string ReadFixedText(TBinaryReader& in, std::size_t width, const std::string& what) {
    const std::uint8_t length = in.U8();
    const std::vector<std::uint8_t> bytes = in.Bytes(width);
    if (length > width) ThrowInvalidFile(what + " longer than its field");
    return std::string(bytes.begin(), bytes.begin() + length);
}

int ReadCount(TBinaryReader& in, const std::string& message) {
    const std::int16_t count = in.I16();
    if (count < 0) ThrowInvalidFile(message);
    return count;
}

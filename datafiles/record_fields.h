#pragma once
// The team files' use of the field tables (foundation/record_fields.h): the data-format versions that
// decide which fields a record carries on disk.
#include "foundation/record_fields.h"

// Data-format versions: 2002 and later carry the tagged header and the extended player fields.
constexpr int kDataFormat98 = 98;
constexpr int kDataFormat2002 = 2002;
inline bool HasExtendedFormat(int version) {
    return version >= kDataFormat2002;
}

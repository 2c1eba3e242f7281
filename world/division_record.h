#pragma once
// The divisions in the saved game: an i16 count, then per division, little-endian:
//   winPrestige i32, totalBalance i32, referenceLevel i16, name: a length byte and 20 bytes (the bytes past
//   the name as they were read), then an i16 count and the ids (i16) of its clubs in table order.
#include <memory>

class TBinaryReader;
class TBinaryWriter;
class TDivision;
class TFieldSink;
class TFieldSource;
class TWorld;

void WriteDivision(TFieldSink& out, const TDivision& division);
// Club ids not found among the world's clubs are skipped. A name longer than its field or a bad club count
// raises EInvalidFile.
std::unique_ptr<TDivision> ReadDivision(TFieldSource& in, TWorld& world);
// The world's Divisions as a list, and back (appended to Divisions, which a load starts empty).
void WriteDivisions(TFieldSink& out, const TWorld& world);
void ReadDivisions(TFieldSource& in, TWorld& world);

// The same on the binary primitives.
void WriteDivision(TBinaryWriter& out, const TDivision& division);
std::unique_ptr<TDivision> ReadDivision(TBinaryReader& in, TWorld& world);
void WriteDivisions(TBinaryWriter& out, const TWorld& world);
void ReadDivisions(TBinaryReader& in, TWorld& world);

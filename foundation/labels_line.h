#pragma once
// The line coding of the language files. Every line that is not an empty entry ("X") holds two check
// characters followed by one pair of characters per plain character: a free filler and the plain character
// shifted by its position and by the filler. The check characters are derived from the sum of all pair
// characters, so a line that was edited or damaged by hand is refused.
#include <string>
#include <string_view>

// The message of the EInvalidFile raised for a line that fails its check.
inline constexpr const char* kLabelsLineError = "Error in labels file";

// Decodes one coded line (without its line end). Raises EInvalidFile "Error in labels file" when the line is
// shorter than 3 characters or fails its check. A trailing odd character takes no part.
std::string DecodeLabelsLine(std::string_view line);

// Codes a plain text as one line that decodes back to it. Deterministic: the same text always gives the same
// line. No byte of the result is below 32 or 127, so a line never holds a CR, LF, NUL or end-of-file mark,
// and the last byte is never a blank (editors that strip trailing blanks cannot damage it).
std::string EncodeLabelsLine(std::string_view text);

// True for the bytes a coded line may contain.
bool IsSafeLabelsByte(unsigned char c);

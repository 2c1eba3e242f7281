#pragma once
// The two pictures the exported pages use besides the flags: the link icon (a football) and the page
// background (grass). They are drawn here and stored as PNG data; browsers recognise a picture by its
// contents, so the names the pages use ("bolafut.gif", "grama2.jpg") serve.
#include <cstdint>
#include <vector>

std::vector<std::uint8_t> BallIconPicture();
std::vector<std::uint8_t> GrassPicture();

// Decoding of the tutorial picture: JPEG bytes to a top-down RGB pixel buffer.
#pragma once

#include <cstddef>
#include <vector>

namespace vantrelle {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // rows top-down, 3 bytes per pixel: R, G, B
};

// Decodes a JPEG picture held in memory. Returns false, and leaves `picture` empty, for
// anything it cannot decode completely: empty or foreign data, damaged or truncated files,
// pictures larger than kMaxPictureSide on a side. Never throws a libjpeg error at the caller.
bool decodeJpegPicture(const unsigned char* data, std::size_t size, Picture& picture);

// Largest width or height accepted; the tutorial picture is far below it.
constexpr int kMaxPictureSide = 8192;

}  // namespace vantrelle

#include "panel/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <limits>
#include <new>

#include <jpeglib.h>

namespace vantrelle {
namespace {

// libjpeg reports a fatal error through error_exit, which must not return. Ours jumps back
// into the one small function below that called setjmp (createDecoder, readHeader,
// startDecoding or readPixels); only libjpeg's own C frames lie between, so no destructor of
// ours is skipped.
struct DecoderErrors {
  jpeg_error_mgr manager;
  std::jmp_buf fatal;
};

void jumpOnFatalError(j_common_ptr info) {
  DecoderErrors* errors = reinterpret_cast<DecoderErrors*>(info->err);
  std::longjmp(errors->fatal, 1);
}

// Warnings (level -1) mean damaged data, such as a premature end of the file that libjpeg
// pads with an EOI marker. They are counted, never printed; trace messages are dropped.
void countWarning(j_common_ptr info, int level) {
  if (level < 0) ++info->err->num_warnings;
}

void printNothing(j_common_ptr) {}

// jpeg_create_decompress reports its own errors (library version mismatch, no memory) through
// error_exit as well.
bool createDecoder(jpeg_decompress_struct* info, DecoderErrors* errors) {
  if (setjmp(errors->fatal) != 0) return false;
  jpeg_create_decompress(info);
  return true;
}

// Reads the markers up to the first scan. No C++ object with a destructor lives in this frame.
bool readHeader(jpeg_decompress_struct* info, DecoderErrors* errors, const unsigned char* data,
                unsigned long size) {
  if (setjmp(errors->fatal) != 0) return false;
  jpeg_mem_src(info, data, size);
  return jpeg_read_header(info, TRUE) == JPEG_HEADER_OK;
}

// Sets up RGB output and starts decompressing. No C++ object with a destructor lives here.
bool startDecoding(jpeg_decompress_struct* info, DecoderErrors* errors) {
  if (setjmp(errors->fatal) != 0) return false;
  info->out_color_space = JCS_RGB;
  if (!jpeg_start_decompress(info)) return false;
  return info->output_components == 3;
}

// Decodes every scanline into `pixels` (rows of `rowBytes`) and reads on to the EOI marker.
// No C++ object with a destructor lives in this frame.
bool readPixels(jpeg_decompress_struct* info, DecoderErrors* errors, unsigned char* pixels,
                std::size_t rowBytes) {
  if (setjmp(errors->fatal) != 0) return false;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = pixels + static_cast<std::size_t>(info->output_scanline) * rowBytes;
    if (jpeg_read_scanlines(info, &row, 1) != 1) return false;
  }
  return jpeg_finish_decompress(info) != 0;
}

bool decodeInto(jpeg_decompress_struct* info, DecoderErrors* errors, const unsigned char* data,
                std::size_t size, Picture& picture) {
  if (!readHeader(info, errors, data, static_cast<unsigned long>(size))) return false;
  // Checked before libjpeg allocates anything of the picture's size.
  if (info->image_width == 0 || info->image_height == 0 ||
      info->image_width > static_cast<JDIMENSION>(kMaxPictureSide) ||
      info->image_height > static_cast<JDIMENSION>(kMaxPictureSide))
    return false;
  if (!startDecoding(info, errors)) return false;
  if (info->output_width != info->image_width || info->output_height != info->image_height)
    return false;
  const std::size_t rowBytes = static_cast<std::size_t>(info->output_width) * 3;
  picture.rgb.assign(rowBytes * info->output_height, 0);
  if (!readPixels(info, errors, picture.rgb.data(), rowBytes)) return false;
  if (errors->manager.num_warnings != 0) return false;
  picture.width = static_cast<int>(info->output_width);
  picture.height = static_cast<int>(info->output_height);
  return true;
}

}  // namespace

bool decodeJpegPicture(const unsigned char* data, std::size_t size, Picture& picture) {
  picture = Picture{};
  if (data == nullptr || size == 0 || size > std::numeric_limits<unsigned long>::max())
    return false;

  jpeg_decompress_struct info{};
  DecoderErrors errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = jumpOnFatalError;
  errors.manager.emit_message = countWarning;
  errors.manager.output_message = printNothing;
  if (!createDecoder(&info, &errors)) return false;

  bool decoded = false;
  try {
    decoded = decodeInto(&info, &errors, data, size, picture);
  } catch (const std::bad_alloc&) {
    decoded = false;
  }
  jpeg_destroy_decompress(&info);
  if (!decoded) picture = Picture{};
  return decoded;
}

}  // namespace vantrelle

#include "panel/jpeg_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes readTutorialFile() {
  std::ifstream file(VANTRELLE_TUTORIAL_JPEG, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

const Bytes& tutorialBytes() {
  static const Bytes bytes = readTutorialFile();
  return bytes;
}

// Offset of the first marker segment `marker` (FF xx) before the scan, or 0 when absent.
std::size_t findSegment(const Bytes& jpeg, unsigned char marker) {
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    if (jpeg[at + 1] == marker) return at;
    if (jpeg[at + 1] == 0xDA) break;
    at += 2 + (static_cast<std::size_t>(jpeg[at + 2]) << 8 | jpeg[at + 3]);
  }
  return 0;
}

// A picture with leftovers from an earlier use, to see that a failure clears it.
vantrelle::Picture usedPicture() {
  vantrelle::Picture picture;
  picture.width = 2;
  picture.height = 1;
  picture.rgb.assign(6, 0x55);
  return picture;
}

void expectRejected(const Bytes& data, const std::string& what) {
  vantrelle::Picture picture = usedPicture();
  EXPECT_FALSE(vantrelle::decodeJpegPicture(data.data(), data.size(), picture)) << what;
  EXPECT_EQ(picture.width, 0) << what;
  EXPECT_EQ(picture.height, 0) << what;
  EXPECT_TRUE(picture.rgb.empty()) << what;
}

TEST(TutorialAsset, IsABaselineJfifPicture) {
  const Bytes& jpeg = tutorialBytes();
  ASSERT_GT(jpeg.size(), 1000u) << VANTRELLE_TUTORIAL_JPEG;
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  EXPECT_EQ(jpeg[2], 0xFF);
  ASSERT_EQ(jpeg[3], 0xE0) << "APP0 must come first";
  EXPECT_EQ(std::string(jpeg.begin() + 6, jpeg.begin() + 11), std::string("JFIF\0", 5));

  const std::size_t frame = findSegment(jpeg, 0xC0);
  ASSERT_NE(frame, 0u) << "no baseline SOF0 frame";
  EXPECT_EQ(findSegment(jpeg, 0xC2), 0u) << "progressive frame";
  EXPECT_EQ(jpeg[frame + 4], 8) << "sample precision";
  EXPECT_EQ(jpeg[frame + 5] << 8 | jpeg[frame + 6], 606);
  EXPECT_EQ(jpeg[frame + 7] << 8 | jpeg[frame + 8], 821);
  EXPECT_EQ(jpeg[frame + 9], 3) << "colour components";
}

TEST(DecodeJpegPicture, DecodesTheTutorialAtItsSize) {
  const Bytes& jpeg = tutorialBytes();
  vantrelle::Picture picture = usedPicture();
  ASSERT_TRUE(vantrelle::decodeJpegPicture(jpeg.data(), jpeg.size(), picture));
  EXPECT_EQ(picture.width, 821);
  EXPECT_EQ(picture.height, 606);
  EXPECT_EQ(picture.rgb.size(), 821u * 606u * 3u);
}

// Places of the drawing whose colour is known from assets/make_tutorial.sh. Top-down rows and
// R, G, B order show here: the caption bar is at the top, the status bar at the bottom.
TEST(DecodeJpegPicture, TutorialPixelsHaveTheDrawnColours) {
  struct Sample {
    int x, y;
    int r, g, b;
    const char* what;
  };
  const Sample samples[] = {
      {400, 12, 0x2A, 0x63, 0xB8, "caption bar"},
      {200, 592, 0xDD, 0xE8, 0xF6, "status bar"},
      {80, 470, 0xFF, 0xFF, 0xFF, "empty rows of the file list"},
      {234, 470, 0xE3, 0x17, 0x0A, "shaft of the red arrow"},
      {244, 540, 0x3A, 0xA9, 0x35, "green Add button"},
      {600, 500, 0xFF, 0xFF, 0xFF, "empty rows of the task list"},
  };
  const Bytes& jpeg = tutorialBytes();
  vantrelle::Picture picture;
  ASSERT_TRUE(vantrelle::decodeJpegPicture(jpeg.data(), jpeg.size(), picture));
  for (const Sample& s : samples) {
    const std::size_t at = (static_cast<std::size_t>(s.y) * picture.width + s.x) * 3;
    const int r = picture.rgb[at], g = picture.rgb[at + 1], b = picture.rgb[at + 2];
    const int tolerance = 28;  // JPEG's loss and its halved colour resolution
    EXPECT_LE(std::abs(r - s.r), tolerance) << s.what << " R " << r;
    EXPECT_LE(std::abs(g - s.g), tolerance) << s.what << " G " << g;
    EXPECT_LE(std::abs(b - s.b), tolerance) << s.what << " B " << b;
  }
}

TEST(DecodeJpegPicture, RejectsTruncatedFiles) {
  const Bytes& jpeg = tutorialBytes();
  const std::size_t scan = findSegment(jpeg, 0xDA);
  ASSERT_NE(scan, 0u);
  const std::size_t cuts[] = {1, 2, 11, scan, scan + 14, jpeg.size() / 2, jpeg.size() - 300,
                              jpeg.size() - 2, jpeg.size() - 1};
  for (std::size_t cut : cuts)
    expectRejected(Bytes(jpeg.begin(), jpeg.begin() + cut), "cut at " + std::to_string(cut));
}

TEST(DecodeJpegPicture, PrintsNothingAboutDamagedData) {
  const Bytes& jpeg = tutorialBytes();
  vantrelle::Picture picture;
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  vantrelle::decodeJpegPicture(jpeg.data(), jpeg.size() - 2, picture);  // premature end: a warning
  vantrelle::decodeJpegPicture(jpeg.data(), 11, picture);               // a fatal error
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "");
}

TEST(DecodeJpegPicture, RejectsDamagedFiles) {
  const Bytes& jpeg = tutorialBytes();
  const std::size_t frame = findSegment(jpeg, 0xC0);
  const std::size_t quant = findSegment(jpeg, 0xDB);
  const std::size_t huffman = findSegment(jpeg, 0xC4);
  ASSERT_NE(frame, 0u);
  ASSERT_NE(quant, 0u);
  ASSERT_NE(huffman, 0u);
  struct Damage {
    std::size_t at;
    Bytes bytes;
    const char* what;
  };
  const std::size_t middle = jpeg.size() / 2;
  const Damage damages[] = {
      {0, {0x00, 0x00}, "no start-of-image marker"},
      {frame + 5, {0x00, 0x00}, "height 0"},
      {frame + 7, {0x23, 0x28}, "width 9000, above the limit"},
      {frame + 9, {0x07}, "seven components in a three-component frame"},
      {quant + 2, {0xFF, 0xFF}, "quantisation table longer than the file"},
      {huffman + 4, {0x37}, "undefined Huffman table class"},
      {middle, {0xFF, 0xD9}, "end-of-image marker in the middle of the scan"},
      {middle, Bytes(200, 0xFF), "run of fill bytes in the middle of the scan"},
      {middle, Bytes(64, 0x00), "zeroed bytes in the middle of the scan"},
  };
  for (const Damage& damage : damages) {
    Bytes broken = jpeg;
    std::copy(damage.bytes.begin(), damage.bytes.end(), broken.begin() + damage.at);
    expectRejected(broken, damage.what);
  }
}

TEST(DecodeJpegPicture, RejectsInputThatIsNoJpeg) {
  const Bytes inputs[] = {
      {},
      {0xFF},
      {0xFF, 0xD8},
      {0xFF, 0xD8, 0xFF, 0xD9},
      {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'},
      Bytes(4096, 0x00),
      Bytes(4096, 0xFF),
  };
  for (const Bytes& input : inputs) expectRejected(input, std::to_string(input.size()) + " bytes");

  vantrelle::Picture picture = usedPicture();
  EXPECT_FALSE(vantrelle::decodeJpegPicture(nullptr, 100, picture));
  EXPECT_TRUE(picture.rgb.empty());
}

TEST(DecodeJpegPicture, SucceedsAgainAfterAFailure) {
  const Bytes& jpeg = tutorialBytes();
  vantrelle::Picture picture;
  ASSERT_FALSE(vantrelle::decodeJpegPicture(jpeg.data(), jpeg.size() / 3, picture));
  ASSERT_TRUE(vantrelle::decodeJpegPicture(jpeg.data(), jpeg.size(), picture));
  EXPECT_EQ(picture.width, 821);
}

}  // namespace

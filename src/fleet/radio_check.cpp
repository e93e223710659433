#include "fleet/radio_check.h"

#include "files/image_report.h"
#include "link/comm_write.h"

namespace {
constexpr int kLastWrittenBlock = 62;
}  // namespace

RadioImage AsWritten(RadioImage plan, int modelCode) {
  PrepareForWrite(plan, modelCode);
  return plan;
}

std::vector<int> DifferingBlocks(const RadioImage& radio, const RadioImage& sent) {
  std::vector<int> blocks;
  for (int b = 0; b <= kLastWrittenBlock; ++b) {
    for (int c = 0; c < RadioImage::kBlockBytes; ++c) {
      if (radio.at(b, c) == sent.at(b, c)) continue;
      blocks.push_back(b);
      break;
    }
  }
  return blocks;
}

std::vector<std::string> RadioDifferenceLines(const RadioImage& radio, const RadioImage& sent,
                                              bool chinese) {
  // Only the written blocks count: the rest of the radio's view is the plan's.
  RadioImage seen = sent;
  for (int b = 0; b <= kLastWrittenBlock; ++b) {
    for (int c = 0; c < RadioImage::kBlockBytes; ++c) seen.at(b, c) = radio.at(b, c);
  }
  return DiffLines(sent, seen, chinese);
}

#include "image/image_history.h"

void UndoHistory::Reset(const RadioImage& image) {
  undo_.clear();
  redo_.clear();
  settled_ = image;
  lastSource_ = 0;
}

bool UndoHistory::Checkpoint(const RadioImage& image, Source source) {
  if (image == settled_) {
    if (source == 0) lastSource_ = 0;
    return false;
  }
  const bool sameTyping = source != 0 && source == lastSource_ && !undo_.empty();
  if (!sameTyping) {
    undo_.push_back(settled_);
    if (undo_.size() > steps_) undo_.pop_front();
  }
  redo_.clear();
  settled_ = image;
  lastSource_ = source;
  return true;
}

bool UndoHistory::Undo(RadioImage& image) {
  return Step(undo_, redo_, image);
}

bool UndoHistory::Redo(RadioImage& image) {
  return Step(redo_, undo_, image);
}

// Undo and redo are mirror images: the shown image goes onto one list (never
// more than steps_ deep) and the last of the other comes back.
bool UndoHistory::Step(std::deque<RadioImage>& from, std::deque<RadioImage>& to,
                       RadioImage& image) {
  Checkpoint(image);
  lastSource_ = 0;
  if (from.empty()) return false;
  to.push_back(image);
  if (to.size() > steps_) to.pop_front();
  image = from.back();
  from.pop_back();
  settled_ = image;
  return true;
}

void SavedBaseline::Normalise(const RadioImage& before, const RadioImage& after) {
  for (int r = 0; r < RadioImage::kRows; ++r) {
    for (int c = 0; c < RadioImage::kCols; ++c) {
      const std::uint8_t was = before.at(r, c);
      if (was != after.at(r, c) && baseline_.at(r, c) == was) baseline_.at(r, c) = after.at(r, c);
    }
  }
}

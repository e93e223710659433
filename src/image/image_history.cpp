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
  Checkpoint(image);
  lastSource_ = 0;
  if (undo_.empty()) return false;
  redo_.push_back(image);
  image = undo_.back();
  undo_.pop_back();
  settled_ = image;
  return true;
}

bool UndoHistory::Redo(RadioImage& image) {
  Checkpoint(image);
  lastSource_ = 0;
  if (redo_.empty()) return false;
  undo_.push_back(image);
  if (undo_.size() > steps_) undo_.pop_front();
  image = redo_.back();
  redo_.pop_back();
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

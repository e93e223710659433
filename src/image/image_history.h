#pragma once
// What the image was before: undo and redo over whole-image snapshots, and the
// image last read, loaded, saved or written, against which "changed" is judged.
// The shell decides when a user's change begins and ends; this only keeps score.
#include <cstddef>
#include <cstdint>
#include <deque>

#include "image/radio_image.h"

class UndoHistory {
 public:
  static constexpr std::size_t kSteps = 200;

  // Who made a change: 0 for anyone, or a token for typing in one text box, whose
  // keystrokes in a row make one step.
  using Source = std::uintptr_t;

  explicit UndoHistory(std::size_t steps = kSteps) : steps_(steps) {}

  // Forgets every step; image is where undo stops.
  void Reset(const RadioImage& image);
  // The image as it stands after a user's action: a change since the last
  // checkpoint becomes one undo step (or joins the step before when both came
  // from typing in the same text box) and clears the redo steps. A checkpoint
  // without a change from someone else ends a typing run. True when it recorded.
  bool Checkpoint(const RadioImage& image, Source source = 0);
  // Takes image as it stands without a step: what decoding a window writes back.
  void Settle(const RadioImage& image) { settled_ = image; }

  // Checkpoints image, then restores the image before the last step (after the
  // last undo). False, image untouched, when there is nothing to undo (redo).
  bool Undo(RadioImage& image);
  bool Redo(RadioImage& image);

  std::size_t UndoSteps() const { return undo_.size(); }
  std::size_t RedoSteps() const { return redo_.size(); }

 private:
  bool Step(std::deque<RadioImage>& from, std::deque<RadioImage>& to, RadioImage& image);

  std::size_t steps_;
  std::deque<RadioImage> undo_;
  std::deque<RadioImage> redo_;
  RadioImage settled_;
  Source lastSource_ = 0;
};

// The image a user would lose by quitting now is any image other than this one.
class SavedBaseline {
 public:
  // The image was just read, loaded, saved, written, or the program started.
  void Mark(const RadioImage& image) { baseline_ = image; }
  // A window decoded the image and wrote normalised values back, changing it from
  // before to after: the baseline takes the same values where it held what the
  // window found, so that only looking at a window never counts as a change.
  void Normalise(const RadioImage& before, const RadioImage& after);
  bool ChangedSince(const RadioImage& image) const { return !(image == baseline_); }

 private:
  RadioImage baseline_;
};

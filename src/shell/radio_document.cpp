#include "shell/radio_document.h"

#include <algorithm>

#include "codec/channel_record.h"
#include "features/option_codec.h"

void InitImageDefaults(RadioImage& image) {
  for (int r = 0; r <= 255; ++r) {
    for (int c = 0; c <= 15; ++c) image.at(r, c) = RadioImage::kErased;
  }
  const std::uint8_t row59[] = {0x00, 0x40, 0x00, 0x47};
  for (int c = 0; c < 4; ++c) image.at(59, c) = row59[c];
  const std::uint8_t row60[] = {5, 0, 0, 0x84, 0, 7, 15, 0x13, 1, 4, 1, 4, 0, 0, 0, 0};
  for (int c = 0; c < 16; ++c) image.at(60, c) = row60[c];
}

RadioImage StartupImage() {
  RadioImage image;
  InitImageDefaults(image);
  return image;
}

void NormaliseErasedChannels(RadioImage& image) {
  for (int n = 1; n <= kChannelCount; ++n) {
    if (ChannelEmpty(image, n)) ClearChannel(image, n);
  }
}

namespace {
constexpr int kStartBand = 3;

std::array<std::uint8_t, 4> Row59(const RadioImage& image) {
  return {image.at(59, 0), image.at(59, 1), image.at(59, 2), image.at(59, 3)};
}
}  // namespace

RadioDocument::RadioDocument() : image_(StartupImage()) {
  UseBand({BandTableLimits(kStartBand), kStartBand});
  FollowRow59();
  settled_ = image_;
}

void RadioDocument::FollowRow59(bool entering) {
  row59_ = Row59(image_);
  const auto limits = DecodeBandLimits(image_);
  if (!limits) return;
  // An image that enters brings its band too: the options window checks a range
  // against it, and a write stamps it when row 59 names no band exactly. An edit of
  // the range (the options window's, inside the band) leaves the band as it is.
  UseBand({*limits, entering ? BandHolding(*limits, band_) : std::nullopt});
}

void RadioDocument::UseBand(const BandState& state) {
  limits_ = state.limits;
  if (state.band) {
    band_ = *state.band;
    lowInt_ = BandEdgesOf(band_)[0];
    highInt_ = BandEdgesOf(band_)[1];
  }
}

void RadioDocument::ApplyBand(int b) {
  UseBand(::ApplyBand(b, image_));
  row59_ = Row59(image_);
  Notify(ImageSource::Band);
}

std::array<int, 2> RadioDocument::Edges() const {
  if (const auto limits = DecodeBandLimits(image_)) {
    return {static_cast<int>(limits->low.units / Freq10Hz::kPerMHz),
            static_cast<int>(limits->high.units / Freq10Hz::kPerMHz)};
  }
  return {lowInt_, highInt_};
}

int RadioDocument::ModelCode() const {
  // A row 59 that is no band (an erased radio) leaves the band chosen in the model dialog.
  return WriteModelCode(image_, std::nullopt).value_or(band_);
}

bool RadioDocument::Checkpoint(Source source) {
  if (image_ == settled_) {
    if (source == 0) lastSource_ = 0;
    return false;
  }
  const bool sameTyping = source != 0 && source == lastSource_ && !undo_.empty();
  if (!sameTyping) {
    undo_.push_back({settled_, revision_});
    if (undo_.size() > kUndoSteps) undo_.pop_front();
  }
  redo_.clear();
  settled_ = image_;
  lastSource_ = source;
  revision_ = nextRevision_++;
  // An edit of row 59 (the options window's range) moves the limits with it.
  if (Row59(image_) != row59_) FollowRow59(false);
  return true;
}

void RadioDocument::Enter(const RadioImage& image, ImageSource source) {
  Checkpoint();
  lastSource_ = 0;
  image_ = image;
  NormaliseErasedChannels(image_);
  NormaliseFeatureCells(image_);
  FollowRow59();
  Checkpoint();
  // The image the program starts with (a file given at start-up) is where undo stops.
  if (source == ImageSource::Start) {
    undo_.clear();
    redo_.clear();
  }
  if (source != ImageSource::Import && source != ImageSource::Band) MarkSaved();
  Notify(source);
}

void RadioDocument::New() {
  Enter(StartupImage(), ImageSource::New);
}

bool RadioDocument::Move(std::deque<Step>& from, std::deque<Step>& to) {
  Checkpoint();
  lastSource_ = 0;
  if (from.empty()) return false;
  to.push_back({image_, revision_});
  if (to.size() > kUndoSteps) to.pop_front();
  image_ = from.back().image;
  revision_ = from.back().revision;
  from.pop_back();
  settled_ = image_;
  FollowRow59();
  return true;
}

bool RadioDocument::Undo() {
  if (!Move(undo_, redo_)) return false;
  Notify(ImageSource::Undo);
  return true;
}

bool RadioDocument::Redo() {
  if (!Move(redo_, undo_)) return false;
  Notify(ImageSource::Redo);
  return true;
}

void RadioDocument::MarkSaved() {
  Checkpoint();
  savedRevision_ = revision_;
}

bool RadioDocument::Unsaved() const {
  // An edit not yet checkpointed is work too.
  return image_ != settled_ || revision_ != savedRevision_;
}

int RadioDocument::AddObserver(Observer observer) {
  observers_.emplace_back(nextHandle_, std::move(observer));
  return nextHandle_++;
}

void RadioDocument::RemoveObserver(int handle) {
  std::erase_if(observers_, [handle](const auto& entry) { return entry.first == handle; });
}

void RadioDocument::Notify(ImageSource source) {
  // An observer may add or remove observers (a window opening or closing): call a copy.
  const auto observers = observers_;
  for (const auto& [handle, observer] : observers) {
    const bool stillThere = std::any_of(observers_.begin(), observers_.end(),
                                        [h = handle](const auto& e) { return e.first == h; });
    if (stillThere) observer({source});
  }
}

#include "image/image_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr Cell kCell{1, 0};
constexpr UndoHistory::Source kBoxA = 1;
constexpr UndoHistory::Source kBoxB = 2;

// One user action on the image and what the history holds afterwards.
struct Action {
  enum Kind { Change, Pending, Decode, Look, Undo, Redo } kind;
  int value;  // Change, Pending, Decode: the cell's new value
  UndoHistory::Source source;
  int shown;  // the cell afterwards
  std::size_t undoSteps;
  std::size_t redoSteps;
};

struct Script {
  const char* name;
  std::size_t limit;
  std::vector<Action> actions;
};

class UndoHistoryTest : public ::testing::TestWithParam<Script> {};

TEST_P(UndoHistoryTest, Script) {
  RadioImage image;
  UndoHistory history(GetParam().limit);
  history.Reset(image);
  int n = 0;
  for (const Action& a : GetParam().actions) {
    SCOPED_TRACE("action " + std::to_string(n++));
    switch (a.kind) {
      case Action::Change:
        image.at(kCell) = static_cast<std::uint8_t>(a.value);
        history.Checkpoint(image, a.source);
        break;
      case Action::Pending:
        image.at(kCell) = static_cast<std::uint8_t>(a.value);
        break;
      case Action::Decode:
        image.at(kCell) = static_cast<std::uint8_t>(a.value);
        history.Settle(image);
        break;
      case Action::Look:
        history.Checkpoint(image, a.source);
        break;
      case Action::Undo:
        history.Undo(image);
        break;
      case Action::Redo:
        history.Redo(image);
        break;
    }
    EXPECT_EQ(image.at(kCell), a.shown);
    EXPECT_EQ(history.UndoSteps(), a.undoSteps);
    EXPECT_EQ(history.RedoSteps(), a.redoSteps);
  }
}

using A = Action;
INSTANTIATE_TEST_SUITE_P(
    Scripts, UndoHistoryTest,
    ::testing::Values(
        Script{"UndoTwiceRedoOnce",
               200,
               {{A::Change, 1, 0, 1, 1, 0},
                {A::Change, 2, 0, 2, 2, 0},
                {A::Undo, 0, 0, 1, 1, 1},
                {A::Undo, 0, 0, 0, 0, 2},
                {A::Undo, 0, 0, 0, 0, 2},
                {A::Redo, 0, 0, 1, 1, 1}}},
        Script{"ANewChangeDropsRedo",
               200,
               {{A::Change, 1, 0, 1, 1, 0},
                {A::Change, 2, 0, 2, 2, 0},
                {A::Undo, 0, 0, 1, 1, 1},
                {A::Change, 3, 0, 3, 2, 0},
                {A::Redo, 0, 0, 3, 2, 0},
                {A::Undo, 0, 0, 1, 1, 1}}},
        Script{"TypingInOneBoxIsOneStep",
               200,
               {{A::Change, 1, kBoxA, 1, 1, 0},
                {A::Look, 0, kBoxA, 1, 1, 0},
                {A::Change, 12, kBoxA, 12, 1, 0},
                {A::Change, 123, kBoxA, 123, 1, 0},
                {A::Undo, 0, 0, 0, 0, 1}}},
        Script{"OtherInputOrAnotherBoxEndsTheRun",
               200,
               {{A::Change, 1, kBoxA, 1, 1, 0},
                {A::Look, 0, 0, 1, 1, 0},
                {A::Change, 2, kBoxA, 2, 2, 0},
                {A::Change, 3, kBoxB, 3, 3, 0},
                {A::Undo, 0, 0, 2, 2, 1},
                {A::Change, 4, kBoxB, 4, 3, 0}}},
        Script{"DecodingIsNoStep",
               200,
               {{A::Decode, 5, 0, 5, 0, 0}, {A::Change, 6, 0, 6, 1, 0}, {A::Undo, 0, 0, 5, 0, 1}}},
        Script{"AChangeNotYetCheckpointedIsUndoneFirst",
               200,
               {{A::Change, 1, 0, 1, 1, 0},
                {A::Pending, 7, 0, 7, 1, 0},
                {A::Undo, 0, 0, 1, 1, 1},
                {A::Redo, 0, 0, 7, 2, 0}}},
        Script{"BackToTheSameImageIsNoStep", 200, {{A::Change, 0, 0, 0, 0, 0}}},
        Script{"OnlyTheNewestStepsAreKept",
               3,
               {{A::Change, 1, 0, 1, 1, 0},
                {A::Change, 2, 0, 2, 2, 0},
                {A::Change, 3, 0, 3, 3, 0},
                {A::Change, 4, 0, 4, 3, 0},
                {A::Change, 5, 0, 5, 3, 0},
                {A::Undo, 0, 0, 4, 2, 1},
                {A::Undo, 0, 0, 3, 1, 2},
                {A::Undo, 0, 0, 2, 0, 3},
                {A::Undo, 0, 0, 2, 0, 3}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(UndoHistoryLimit, HoldsAtLeastHundredSteps) {
  RadioImage image;
  UndoHistory history;
  history.Reset(image);
  for (int v = 1; v <= 150; ++v) {
    image.at(kCell) = static_cast<std::uint8_t>(v);
    history.Checkpoint(image);
  }
  for (int v = 149; v >= 0; --v) {
    ASSERT_TRUE(history.Undo(image));
    ASSERT_EQ(image.at(kCell), v);
  }
}

// The kept image (last read, loaded, saved, written) against the image now, in one
// cell: whether exiting would ask.
struct BaselineCase {
  const char* name;
  int kept;
  int decodedFrom;  // -1: no window decoded
  int decodedTo;
  int now;
  bool changed;
};

class SavedBaselineTest : public ::testing::TestWithParam<BaselineCase> {};

TEST_P(SavedBaselineTest, ChangedSince) {
  const BaselineCase& c = GetParam();
  RadioImage image;
  image.at(kCell) = static_cast<std::uint8_t>(c.kept);
  SavedBaseline baseline;
  baseline.Mark(image);
  if (c.decodedFrom >= 0) {
    RadioImage before = image;
    before.at(kCell) = static_cast<std::uint8_t>(c.decodedFrom);
    RadioImage after = image;
    after.at(kCell) = static_cast<std::uint8_t>(c.decodedTo);
    baseline.Normalise(before, after);
  }
  image.at(kCell) = static_cast<std::uint8_t>(c.now);
  EXPECT_EQ(baseline.ChangedSince(image), c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SavedBaselineTest,
    ::testing::Values(BaselineCase{"Untouched", 5, -1, 0, 5, false},
                      BaselineCase{"Edited", 5, -1, 0, 6, true},
                      BaselineCase{"EditedBack", 5, -1, 0, 5, false},
                      BaselineCase{"LookingNormalisesTheKeptValue", 255, 255, 9, 9, false},
                      BaselineCase{"AnEditThenNormalisedStillCounts", 5, 200, 9, 9, true},
                      BaselineCase{"NormalisedThenEdited", 255, 255, 9, 3, true}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace

#include "shell/radio_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/channel_record.h"
#include "codec/frequency.h"
#include "features/option_codec.h"
#include "image/radio_image.h"
#include "shell/model_band.h"

namespace {

constexpr Cell kCell{100, 20};  // 0 in the start-up image
constexpr RadioDocument::Source kBoxA = 1;
constexpr RadioDocument::Source kBoxB = 2;

TEST(RadioDocument, StartValues) {
  RadioDocument doc;
  EXPECT_EQ(doc.BandIndex(), 3);
  EXPECT_EQ(doc.FreqLow(), Freq10Hz::MHz(400));
  EXPECT_EQ(doc.FreqHigh(), Freq10Hz::MHz(470));  // no +1 until a band is applied
  EXPECT_EQ(doc.FreqLowInt(), 400);
  EXPECT_EQ(doc.FreqHighInt(), 470);
  EXPECT_EQ(doc.Cur_Chann, 1);
  EXPECT_FALSE(doc.Unsaved());
  EXPECT_EQ(doc.UndoSteps(), 0u);
  const AppSettings settings;
  EXPECT_TRUE(settings.LangChinese);
  EXPECT_EQ(settings.ComPort, 1);
  EXPECT_EQ(settings.VersionText, "Ver1.2");
}

TEST(RadioDocument, StartupImage) {
  const RadioImage image = RadioDocument().Image();
  const std::uint8_t row59[16] = {0x00, 0x40, 0x00, 0x47, 0xFF, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const std::uint8_t row60[16] = {5, 0, 0, 132, 0, 7, 15, 19, 1, 4, 1, 4, 0, 0, 0, 0};
  for (int r = 0; r <= 300; ++r) {
    for (int c = 0; c < 33; ++c) {
      const bool block = r <= 255 && c < 16;
      const int expected = !block ? 0 : r == 59 ? row59[c] : r == 60 ? row60[c] : 0xFF;
      ASSERT_EQ(image.at(r, c), expected) << r << "," << c;
    }
  }
}

// Row 59 of an entering image and the limits that follow.
struct EntryCase {
  const char* name;
  std::uint8_t row59[4];
  int low;  // whole MHz afterwards
  int high;
  int band;  // the band the options window checks a range against
};

class EntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryTest, LimitsFollowRow59WhereverTheImageEnters) {
  for (ImageSource source : {ImageSource::Open, ImageSource::Read, ImageSource::Import}) {
    RadioDocument doc;
    doc.ApplyBand(4);  // 465-521: what an undecodable row keeps
    RadioImage image = StartupImage();
    for (int c = 0; c < 4; ++c) image.at(59, c) = GetParam().row59[c];
    doc.Enter(image, source);
    EXPECT_EQ(doc.FreqLow(), Freq10Hz::MHz(GetParam().low));
    EXPECT_EQ(doc.FreqHigh(), Freq10Hz::MHz(GetParam().high));
    EXPECT_EQ(doc.BandIndex(), GetParam().band);
    EXPECT_EQ(doc.FreqLowInt(), kBandEdges[static_cast<std::size_t>(GetParam().band)][0]);
    // Undo goes back to the band's image and limits; redo brings the entry back.
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.FreqHigh(), Freq10Hz::MHz(520));
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.FreqLow(), Freq10Hz::MHz(GetParam().low));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EntryTest,
    ::testing::Values(EntryCase{"VHF", {0x60, 0x13, 0x40, 0x17}, 136, 174, 0},
                      EntryCase{"TenthsIgnored", {0x65, 0x13, 0x49, 0x17}, 136, 174, 0},
                      EntryCase{"PartOfABand", {0x00, 0x41, 0x00, 0x43}, 410, 430, 3},
                      EntryCase{"InTwoBandsKeepsTheCurrent", {0x60, 0x46, 0x00, 0x47}, 466, 470, 4},
                      EntryCase{"InNoBandKeepsTheBand", {0x00, 0x10, 0x00, 0x20}, 100, 200, 4},
                      EntryCase{"ErasedKeepsTheLimits", {0xFF, 0xFF, 0xFF, 0xFF}, 465, 521, 4},
                      EntryCase{"NotDigitsKeepsTheLimits", {0x00, 0x4A, 0x00, 0x47}, 465, 521, 4}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(RadioDocument, AnEnteringImageHasItsErasedChannelsErasedWhole) {
  RadioDocument doc;
  RadioImage image = StartupImage();
  image.at(2, 0) = 0xFF;
  image.at(2, 8) = 0x12;  // a stray tone behind an erased receive frequency
  image.at(3, 0) = 0x00;
  image.at(3, 8) = 0x12;
  doc.Enter(image, ImageSource::Open);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(doc.Image().at(2, c), 0xFF) << c;
  EXPECT_EQ(doc.Image().at(3, 8), 0x12);  // a channel that exists keeps its record
}

TEST(RadioDocument, ObserversAreCalledOncePerChangeWithItsSource) {
  RadioDocument doc;
  std::vector<ImageSource> seen;
  const int handle = doc.AddObserver([&](const DocumentChange& c) { seen.push_back(c.source); });
  doc.Enter(StartupImage(), ImageSource::Read);
  doc.EditImage().at(kCell) = 1;
  doc.Checkpoint();  // an editor's change: the editor shows it already
  doc.Undo();
  doc.Redo();
  doc.Redo();  // nothing to redo: no change, no call
  doc.New();
  doc.ApplyBand(0);
  doc.RemoveObserver(handle);
  doc.Undo();
  EXPECT_EQ(seen, (std::vector<ImageSource>{ImageSource::Read, ImageSource::Undo, ImageSource::Redo,
                                            ImageSource::New, ImageSource::Band}));
}

TEST(RadioDocument, AnObserverMayRemoveAnotherWhileCalled) {
  RadioDocument doc;
  int second = 0;
  int calls = 0;
  doc.AddObserver([&](const DocumentChange&) { doc.RemoveObserver(second); });
  second = doc.AddObserver([&](const DocumentChange&) { ++calls; });
  doc.New();
  EXPECT_EQ(calls, 0);
}

// One user action and what the document holds afterwards.
struct Action {
  enum Kind { Change, Pending, Look, Undo, Redo, Save, Import, New } kind;
  int value;  // Change, Pending, Import: the cell's new value
  RadioDocument::Source source;
  int shown;  // the cell afterwards
  std::size_t undoSteps;
  std::size_t redoSteps;
  bool unsaved;
};

struct Script {
  const char* name;
  std::vector<Action> actions;
};

class DocumentScript : public ::testing::TestWithParam<Script> {};

TEST_P(DocumentScript, Steps) {
  RadioDocument doc;
  const std::size_t base = 0;
  int n = 0;
  for (const Action& a : GetParam().actions) {
    SCOPED_TRACE("action " + std::to_string(n++));
    switch (a.kind) {
      case Action::Change:
        doc.EditImage().at(kCell) = static_cast<std::uint8_t>(a.value);
        doc.Checkpoint(a.source);
        break;
      case Action::Pending:
        doc.EditImage().at(kCell) = static_cast<std::uint8_t>(a.value);
        break;
      case Action::Look:
        doc.Checkpoint(a.source);
        break;
      case Action::Undo:
        doc.Undo();
        break;
      case Action::Redo:
        doc.Redo();
        break;
      case Action::Save:
        doc.MarkSaved();
        break;
      case Action::Import: {
        RadioImage image = doc.Image();
        image.at(kCell) = static_cast<std::uint8_t>(a.value);
        doc.Enter(image, ImageSource::Import);
        break;
      }
      case Action::New:
        doc.New();
        break;
    }
    EXPECT_EQ(doc.Image().at(kCell), a.shown);
    EXPECT_EQ(doc.UndoSteps() - base, a.undoSteps);
    EXPECT_EQ(doc.RedoSteps(), a.redoSteps);
    EXPECT_EQ(doc.Unsaved(), a.unsaved);
  }
}

using A = Action;
INSTANTIATE_TEST_SUITE_P(
    Scripts, DocumentScript,
    ::testing::Values(Script{"UndoTwiceRedoOnce",
                             {{A::Change, 1, 0, 1, 1, 0, true},
                              {A::Change, 2, 0, 2, 2, 0, true},
                              {A::Undo, 0, 0, 1, 1, 1, true},
                              {A::Undo, 0, 0, 0, 0, 2, false},
                              {A::Undo, 0, 0, 0, 0, 2, false},
                              {A::Redo, 0, 0, 1, 1, 1, true}}},
                      Script{"ANewChangeDropsRedo",
                             {{A::Change, 1, 0, 1, 1, 0, true},
                              {A::Change, 2, 0, 2, 2, 0, true},
                              {A::Undo, 0, 0, 1, 1, 1, true},
                              {A::Change, 3, 0, 3, 2, 0, true},
                              {A::Redo, 0, 0, 3, 2, 0, true},
                              {A::Undo, 0, 0, 1, 1, 1, true}}},
                      Script{"TypingInOneBoxIsOneStep",
                             {{A::Change, 1, kBoxA, 1, 1, 0, true},
                              {A::Look, 0, kBoxA, 1, 1, 0, true},
                              {A::Change, 12, kBoxA, 12, 1, 0, true},
                              {A::Change, 123, kBoxA, 123, 1, 0, true},
                              {A::Undo, 0, 0, 0, 0, 1, false}}},
                      Script{"OtherInputOrAnotherBoxEndsTheRun",
                             {{A::Change, 1, kBoxA, 1, 1, 0, true},
                              {A::Look, 0, 0, 1, 1, 0, true},
                              {A::Change, 2, kBoxA, 2, 2, 0, true},
                              {A::Change, 3, kBoxB, 3, 3, 0, true},
                              {A::Undo, 0, 0, 2, 2, 1, true},
                              {A::Change, 4, kBoxB, 4, 3, 0, true}}},
                      Script{"AChangeNotYetCheckpointedIsUndoneFirst",
                             {{A::Change, 1, 0, 1, 1, 0, true},
                              {A::Pending, 7, 0, 7, 1, 0, true},
                              {A::Undo, 0, 0, 1, 1, 1, true},
                              {A::Redo, 0, 0, 7, 2, 0, true}}},
                      Script{"BackToTheSameImageIsNoStep", {{A::Change, 0, 0, 0, 0, 0, false}}},
                      Script{"EditedBackByHandIsStillUnsaved",
                             {{A::Change, 5, 0, 5, 1, 0, true}, {A::Change, 0, 0, 0, 2, 0, true}}},
                      Script{"SavedThenUndoneIsUnsavedAgain",
                             {{A::Change, 5, 0, 5, 1, 0, true},
                              {A::Save, 0, 0, 5, 1, 0, false},
                              {A::Undo, 0, 0, 0, 0, 1, true},
                              {A::Redo, 0, 0, 5, 1, 0, false}}},
                      Script{"UndoAcrossAnImport",
                             {{A::Change, 1, 0, 1, 1, 0, true},
                              {A::Import, 9, 0, 9, 2, 0, true},
                              {A::Undo, 0, 0, 1, 1, 1, true},
                              {A::Undo, 0, 0, 0, 0, 2, false},
                              {A::Redo, 0, 0, 1, 1, 1, true},
                              {A::Redo, 0, 0, 9, 2, 0, true}}},
                      Script{"NewIsOneStepAndNothingToSave",
                             {{A::Change, 1, 0, 1, 1, 0, true},
                              {A::New, 0, 0, 0, 2, 0, false},
                              {A::Undo, 0, 0, 1, 1, 1, true}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(RadioDocument, OnlyTheNewestStepsAreKept) {
  RadioDocument doc;
  for (int v = 1; v <= 250; ++v) {
    doc.EditImage().at(kCell) = static_cast<std::uint8_t>(v);
    doc.Checkpoint();
  }
  EXPECT_EQ(doc.UndoSteps(), RadioDocument::kUndoSteps);
  for (int v = 249; v >= 50; --v) {
    ASSERT_TRUE(doc.Undo());
    ASSERT_EQ(doc.Image().at(kCell), v);
  }
  EXPECT_FALSE(doc.Undo());
}

TEST(RadioDocument, ABandAppliedAndEditsOfRow59) {
  RadioDocument doc;
  doc.ApplyBand(0);
  EXPECT_EQ(doc.BandIndex(), 0);
  EXPECT_EQ(doc.FreqHigh(), Freq10Hz::MHz(175));  // one MHz above the upper edge
  EXPECT_EQ(doc.FreqLowInt(), 136);
  EXPECT_EQ(doc.FreqHighInt(), 174);
  doc.Checkpoint();
  EXPECT_EQ(doc.FreqHigh(), Freq10Hz::MHz(175));  // the band's own row 59 is no edit
  StoreRangeEdge(160, kRangeHighCell, doc.EditImage());
  doc.Checkpoint();
  EXPECT_EQ(doc.FreqHigh(), Freq10Hz::MHz(160));
  EXPECT_EQ(doc.BandIndex(), 0);
}

struct BandCase {
  int band;
  std::uint8_t row59[4];
  const char* panel;
};

TEST(ModelBand, ApplyingABandMovesLimitsAndRewritesRow59) {
  const BandCase cases[] = {
      {0, {0x60, 0x13, 0x40, 0x17}, " 136-- 174 MHZ"},
      {1, {0x50, 0x24, 0x00, 0x25}, " 245-- 250 MHZ"},
      {2, {0x00, 0x35, 0x00, 0x39}, " 350-- 390 MHZ"},
      {3, {0x00, 0x40, 0x00, 0x47}, " 400-- 470 MHZ"},
      {4, {0x50, 0x46, 0x00, 0x52}, " 465-- 520 MHZ"},
  };
  for (const auto& c : cases) {
    RadioImage image;
    const BandState state = ApplyBand(c.band, image);
    EXPECT_EQ(BandPanelText(c.band), c.panel);
    const auto& edges = kBandEdges[static_cast<std::size_t>(c.band)];
    EXPECT_EQ(state.band, c.band);
    EXPECT_EQ(state.limits, (BandLimits{Freq10Hz::MHz(edges[0]), Freq10Hz::MHz(edges[1] + 1)}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(image.at(59, i), c.row59[i]) << c.band << " " << i;
    // Decoding row 59 gives the edges back, without the +1.
    EXPECT_EQ(DecodeBandLimits(image), BandTableLimits(c.band));
    EXPECT_EQ(BandOfRow59(image), c.band);
  }
}

// The model code of a write: the one rule of the windows and the command line.
TEST(ModelBand, WriteModelCode) {
  RadioImage vhf;
  ApplyBand(0, vhf);
  RadioImage odd = vhf;
  StoreRangeEdge(160, kRangeHighCell, odd);
  RadioImage erased;
  erased.Fill(0xFF);
  EXPECT_EQ(WriteModelCode(vhf, std::nullopt), 0);
  EXPECT_EQ(WriteModelCode(vhf, 2), 2);
  EXPECT_EQ(WriteModelCode(odd, std::nullopt), std::nullopt);
  EXPECT_EQ(WriteModelCode(erased, std::nullopt), std::nullopt);
  // The windows: a row 59 that is no band stamps the band chosen last.
  RadioDocument doc;
  doc.Enter(vhf, ImageSource::Open);
  EXPECT_EQ(doc.ModelCode(), 0);  // not the start-up band 3
  doc.ApplyBand(1);
  StoreRangeEdge(160, kRangeHighCell, doc.EditImage());
  EXPECT_EQ(doc.ModelCode(), 1);
}

}  // namespace

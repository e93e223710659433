#pragma once
// Driving the channel windows as a user does: clicks on cells and list entries,
// keys into whatever has the focus.
#include <QAbstractItemView>
#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <QTest>
#include <array>
#include <string>

#include "channels/forms/frm_chann.h"
#include "codec/channel_record.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace channel_test {

inline QString U(const char* s) {
  return QString::fromUtf8(s);
}

using Record = std::array<int, 16>;

inline Record RecordOf(int n) {
  Record r{};
  for (int c = 0; c < 16; ++c) r[static_cast<std::size_t>(c)] = Image(n, c);
  return r;
}

inline Record Erased() {
  Record r;
  r.fill(0xFF);
  return r;
}

// A channel as a read or a file would leave it.
inline void PutChannel(int n, const char* rx, const char* tx = nullptr) {
  ClearChannel(TheImage(), n);
  std::string text = rx;
  StoreFreqText(TheImage(), text, n, kRxFreqCol);
  New_Chann(TheImage(), n);
  if (tx) {
    text = tx;
    StoreFreqText(TheImage(), text, n, kTxFreqCol);
  }
}

inline void SetLimits(int low, int high) {
  RunningMain().Document().UseBand({{Freq10Hz::MHz(low), Freq10Hz::MHz(high)}});
}

inline QWidget* Focus() {
  return QApplication::focusWidget();
}

inline void Type(const char* text) {
  QTest::keyClicks(Focus(), QString::fromUtf8(text));
}

inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(Focus(), key, modifiers);
}

// Selects what the focused box holds and deletes it.
inline void Erase() {
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_Delete);
}

// Opens the drop-down with F4 and clicks entry index in its list.
inline void ChooseEntry(ComboBox* combo, int index) {
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_F4);
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(view->isVisible());
  const QModelIndex entry = view->model()->index(index, 0);
  view->scrollTo(entry);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
}

inline QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
  return entries;
}

// Clicks the up (line up) or down arrow of a scroll bar.
inline void ClickArrow(QScrollBar* bar, bool up) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  const QRect arrow = bar->style()->subControlRect(
      QStyle::CC_ScrollBar, &option, up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine,
      bar);
  QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}

class GridFixture : public GuiTest {
 protected:
  frm_chann* OpenGrid() {
    grid = Open<frm_chann>("frm_chann");
    return grid;
  }
  void Click(int r, int c) {
    QTableWidget* table = grid->MSF_Chann;
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(r - 1, c)).center());
  }
  QString Cell(int r, int c) const { return grid->TextMatrix(r, c); }
  bool RowBlank(int r) const {
    for (int c = 1; c < frm_chann::kCols; ++c) {
      if (!Cell(r, c).isEmpty()) return false;
    }
    return true;
  }
  frm_chann* grid = nullptr;
};

// Every case runs in Chinese and in English.
class BilingualFixture : public GridFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    if (!GetParam()) main->Language_eng->trigger();
  }
  QString L(const char* chinese, const char* english) const {
    return GetParam() ? U(chinese) : QString::fromUtf8(english);
  }
};

inline std::string LanguageName(const ::testing::TestParamInfo<bool>& param) {
  return param.param ? "Chinese" : "English";
}

}  // namespace channel_test

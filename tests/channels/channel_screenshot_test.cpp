// Renders the channel windows offscreen for docs/screenshots when
// RT410_SCREENSHOT_DIR is set.
#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "channels/forms/form_chann_edit.h"
#include "channels/forms/frm_chann.h"
#include "codec/channel_record.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

class ChannelScreenshot : public GuiTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    dir_ = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
    if (dir_.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
    if (!GetParam()) main->Language_eng->trigger();
    const char* channels[][3] = {{"435.025", "435.025", nullptr},
                                 {"438.5", "430.0125", nullptr},
                                 {"446.00625", nullptr, nullptr},
                                 {"462.5625", "467.5625", nullptr}};
    int n = 1;
    for (const auto& ch : channels) {
      std::string rx = ch[0];
      StoreFreqText(TheImage(), rx, n, kRxFreqCol);
      New_Chann(TheImage(), n);
      if (ch[1]) {
        std::string tx = ch[1];
        StoreFreqText(TheImage(), tx, n, kTxFreqCol);
      }
      ++n;
    }
    SetChannelDecodeTone(TheImage(), 1, 13);
    SetChannelEncodeTone(TheImage(), 1, 13);
    SetChannelDecodeTone(TheImage(), 2, 156);
    SetChannelEncodeTone(TheImage(), 2, 60);
    Image(2, kOptionCol) = 0x98;
    SetChannelBusyLock(TheImage(), 4, BusyLock::Carrier);
  }
  void Save(QWidget* window, const QString& name) {
    ProcessEvents();
    const QPixmap shot = window->grab();
    ASSERT_TRUE(shot.save(QDir(dir_).filePath(name + (GetParam() ? "-zh.png" : "-en.png"))));
  }
  QString dir_;
};

TEST_P(ChannelScreenshot, GridWithTextEditor) {
  auto* grid = Open<frm_chann>("frm_chann");
  QTableWidget* t = grid->MSF_Chann;
  QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(4, 1)).center());
  QTest::keyClicks(grid->Text_Edit, "145");
  Save(grid->SubWindow(), "frm_chann");
}

TEST_P(ChannelScreenshot, GridWithDropDown) {
  auto* grid = Open<frm_chann>("frm_chann");
  QTableWidget* t = grid->MSF_Chann;
  QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(1, 5)).center());
  Save(grid->SubWindow(), "frm_chann-dropdown");
}

TEST_P(ChannelScreenshot, Dialog) {
  Doc().Cur_Chann = 2;
  auto* dialog = Open<Form_Chann_Edit>("Form_Chann_Edit");
  Save(dialog->SubWindow(), "Form_Chann_Edit");
  dialog->VScroll1->setValue(8);
  Save(dialog->SubWindow(), "Form_Chann_Edit-empty");
}

std::string LanguageName(const ::testing::TestParamInfo<bool>& param) {
  return param.param ? "Chinese" : "English";
}
INSTANTIATE_TEST_SUITE_P(Languages, ChannelScreenshot, ::testing::Bool(), LanguageName);

}  // namespace

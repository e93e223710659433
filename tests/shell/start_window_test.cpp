// Qt's own dialogs in the program's language, from the start and after a switch.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "shell/forms/program_start.h"
#include "shell/io/settings_file.h"
#include "support/gui_test.h"

namespace {

// The texts of the buttons of the modal dialog that opens inside show, which is closed.
QStringList ButtonsOfModal(const std::function<void()>& show) {
  QStringList texts;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    for (auto* button : modal->findChildren<QPushButton*>()) {
      if (button->isVisible()) texts << button->text();
    }
    texts.sort();
    modal->close();
  });
  show();
  return texts;
}

class QtTextsTest : public GuiTest {
 protected:
  void TearDown() override {
    UseQtTranslations(false);
    GuiTest::TearDown();
  }
  QStringList FileDialogButtons() {
    return ButtonsOfModal([] { ChooseFile({FileDialogMode::Open, "csv", {}, "*.csv", "csv"}); });
  }
  QStringList MessageBoxButtons() {
    SetDetailedMessageHook(nullptr);
    return ButtonsOfModal([] { ShowMessage("x"); });
  }
};

TEST_F(QtTextsTest, FileDialogAndMessageBoxFollowTheLanguage) {
  StartOptions options;
  options.chinese = true;
  ApplyStartOptions(*main, options);
  EXPECT_EQ(FileDialogButtons(),
            (QStringList{QString::fromUtf8("取消"), QString::fromUtf8("打开")}));
  EXPECT_EQ(MessageBoxButtons(), QStringList{QString::fromUtf8("确定")});
  EXPECT_FALSE(RememberedLanguage().has_value());  // --lang is for one run

  main->findChild<QAction*>("Language_eng")->trigger();
  EXPECT_EQ(FileDialogButtons(), (QStringList{"&Open", "Cancel"}));
  EXPECT_EQ(MessageBoxButtons(), QStringList{"OK"});
  EXPECT_EQ(RememberedLanguage(), false);

  main->findChild<QAction*>("Language_chn")->trigger();
  EXPECT_EQ(MessageBoxButtons(), QStringList{QString::fromUtf8("确定")});
  EXPECT_EQ(RememberedLanguage(), true);
}

}  // namespace

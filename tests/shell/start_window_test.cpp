// Qt's own dialogs in the program's language, from the start and after a switch.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <vector>

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
    return ButtonsOfModal([] { ShowMessage("x", PromptTitle(true)); });
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

// A folder is remembered once its file was written, never after a failure, and a
// remembered folder in /proc is not where a dialog starts.
TEST_F(QtTextsTest, FileDialogFolders) {
  const QTemporaryDir folder;
  QString answer;
  std::vector<FileRequest> requests;
  SetFileDialogHook([&](const FileRequest& request) {
    requests.push_back(request);
    return answer;
  });
  RememberFolder("/proc/self");
  answer = QDir(folder.path()).filePath("plan.csv");
  main->File_export_csv->trigger();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].start, QDir::home().filePath("channels.csv"));
  EXPECT_EQ(RememberedFolder(), folder.path());

  answer = "/proc/plan.csv";
  main->File_export_csv->trigger();
  main->File_export_sheet->trigger();
  EXPECT_EQ(RememberedFolder(), folder.path());
  EXPECT_EQ(requests.back().start, QDir(folder.path()).filePath("channel-sheet.pdf"));
  SetFileDialogHook(nullptr);
}

// The CSV export dialog for the guide, in a folder of channel files: written only when
// RT410_SCREENSHOT_DIR names a folder (tools/take-screenshots.sh sets it).
TEST_F(QtTextsTest, FileDialogScreenshot) {
  const QString dir = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  const QTemporaryDir folder;
  for (const char* name : {"shop.chann", "taxi-fleet.chann", "channels.csv", "notes.txt"}) {
    QFile file(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QDir(folder.path()).mkdir("backups");
  RememberFolder(folder.path());
  StartOptions options;
  options.chinese = true;
  ApplyStartOptions(*main, options);
  for (const char* language : {"Language_chn", "Language_eng"}) {
    main->findChild<QAction*>(language)->trigger();
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      dialog->resize(860, 440);
      // The folder's listing arrives from Qt's gatherer thread.
      const auto* view = dialog->findChild<QAbstractItemView*>("treeView");
      ASSERT_NE(view, nullptr);
      EXPECT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 2; }));
      const QString file =
          dir + (main->Settings().LangChinese ? "/file-dialog-zh.png" : "/file-dialog-en.png");
      EXPECT_TRUE(dialog->grab().save(file)) << file.toStdString();
      dialog->close();
    });
    main->File_export_csv->trigger();
  }
}

}  // namespace

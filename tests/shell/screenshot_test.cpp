// Pictures of the main window and its dialogs for the documentation: written only
// when RT410_SCREENSHOT_DIR names a folder (tools/take-screenshots.sh sets it).
#include <QDir>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

#include "shell/forms/child_form.h"
#include "support/gui_test.h"

namespace {

class MainWindowScreenshot : public GuiTest {
 protected:
  // Runs shoot once in Chinese and once in English with the file suffix of each.
  void InBothLanguages(const std::function<void(const QString& dir, const char* suffix)>& shoot) {
    const QString dir = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
    QDir().mkpath(dir);
    main->resize(1100, 720);
    for (const bool chinese : {true, false}) {
      (chinese ? main->Language_chn : main->Language_eng)->trigger();
      shoot(dir, chinese ? "-zh.png" : "-en.png");
    }
  }
  static void Settle() {
    ProcessEvents();
    QTest::qWait(50);  // let the platform paint before grabbing
  }
};

TEST_F(MainWindowScreenshot, AboutBoxInBothLanguages) {
  InBothLanguages([&](const QString& dir, const char* suffix) {
    main->Menu_About->trigger();
    Settle();
    const QString file = dir + "/main-about" + suffix;
    ASSERT_TRUE(main->grab().save(file)) << file.toStdString();
  });
}

TEST_F(MainWindowScreenshot, PortAndBandDialogsInBothLanguages) {
  InBothLanguages([&](const QString& dir, const char* suffix) {
    for (const char* form : {"Form_setup", "Form_type"}) {
      ChildForm* child = main->OpenChild(form);
      ASSERT_NE(child, nullptr);
      Settle();
      const QString file = dir + "/" + form + suffix;
      ASSERT_TRUE(child->SubWindow()->grab().save(file)) << file.toStdString();
      child->Unload();
      ProcessEvents();
    }
  });
}

}  // namespace

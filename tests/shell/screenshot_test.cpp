// Pictures of the main window for the documentation: written only when
// RT410_SCREENSHOT_DIR names a folder (tools/take-screenshots.sh sets it).
#include <QDir>
#include <QMdiSubWindow>
#include <QTest>

#include "shell/child_form.h"

#include "shell/state.h"
#include "support/gui_test.h"

namespace {

using MainWindowScreenshot = GuiTest;

TEST_F(MainWindowScreenshot, AboutBoxInBothLanguages) {
  const QString dir = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  QDir().mkpath(dir);
  main->resize(1100, 720);
  for (const bool chinese : {true, false}) {
    if (chinese) {
      main->Language_chn->trigger();
    } else {
      main->Language_eng->trigger();
    }
    main->Menu_About->trigger();
    ProcessEvents();
    QTest::qWait(50);  // let the platform paint before grabbing
    const QString file = dir + (chinese ? "/main-about-zh.png" : "/main-about-en.png");
    ASSERT_TRUE(main->grab().save(file)) << file.toStdString();
  }
}

TEST_F(MainWindowScreenshot, PortAndBandDialogsInBothLanguages) {
  const QString dir = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  QDir().mkpath(dir);
  main->resize(1100, 720);
  for (const bool chinese : {true, false}) {
    if (chinese) {
      main->Language_chn->trigger();
    } else {
      main->Language_eng->trigger();
    }
    const char* suffix = chinese ? "-zh.png" : "-en.png";
    for (const char* form : {"Form_setup", "Form_type"}) {
      ChildForm* child = main->OpenChild(form);
      ASSERT_NE(child, nullptr);
      ProcessEvents();
      QTest::qWait(50);
      const QString file = dir + "/" + form + suffix;
      ASSERT_TRUE(child->SubWindow()->grab().save(file)) << file.toStdString();
      child->Unload();
      ProcessEvents();
    }
  }
}

}  // namespace

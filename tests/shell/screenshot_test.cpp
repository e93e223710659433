// Pictures of the main window for the documentation: written only when
// RT410_SCREENSHOT_DIR names a folder (tools/take-screenshots.sh sets it).
#include <QDir>
#include <QTest>

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

}  // namespace

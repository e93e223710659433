#include <QDir>
#include <QMdiSubWindow>
#include <QPixmap>

#include "editor_test.h"
#include "features/forms/form_edit_key.h"
#include "shell/forms/child_form.h"
#include "shell/forms/controls.h"

namespace {

using EditorsScreenshot = EditorLangTest;

// Writes docs/screenshots pictures of the windows when RT410_SCREENSHOT_DIR names a folder.
TEST_P(EditorsScreenshot, EachWindow) {
  const QString dir = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  QDir().mkpath(dir);
  ShowActive();
  for (const char* name : {"frm_option", "frm_dtmf", "Form_edit_Key"}) {
    ChildForm* form = main->OpenChild(QString::fromLatin1(name));
    ASSERT_NE(form, nullptr);
    ProcessEvents();
    const QString file = QDir(dir).filePath(
        QStringLiteral("%1-%2.png").arg(QString::fromLatin1(name)).arg(Chinese() ? "zh" : "en"));
    EXPECT_TRUE(form->SubWindow()->grab().save(file)) << file.toStdString();
    if (auto* keys = qobject_cast<Form_edit_Key*>(form)) {
      keys->Combo_PF2_S->setFocus();
      const QString side3 =
          QString(file).replace(QStringLiteral(".png"), QStringLiteral("-side3.png"));
      EXPECT_TRUE(form->SubWindow()->grab().save(side3)) << side3.toStdString();
    }
    form->Unload();
    ProcessEvents();
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, EditorsScreenshot, ::testing::Bool(), LangName);

}  // namespace

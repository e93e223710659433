// Every Help button opens the guide of the caption language at its own window's
// section, and a language switch reopens the guide in the other language there.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <string>

#include "shell/forms/child_form.h"
#include "shell/forms/help.h"
#include "support/gui_test.h"
#include "window_registry.h"

namespace {

const char* const kWindowsWithHelp[] = {
    "Form_Comm_Read",  "Form_Comm_Write", "Form_Adjust_Txp",   "frm_chann",
    "Form_Chann_Edit", "frm_option",      "frm_dtmf",          "Form_edit_Key",
    "Form_Edit_scan",  "Form_Edit_Test",  "Form_Edit_Message", "Form_open_chann",
    "Form_save_chann", "Form_import_csv", "Form_Comm_Verify",  "Form_Clone",
};

// The heading of a window's section as the guide file writes it:
// ## <a name="frm_chann">5. Editing channels</a>
QString SectionHeading(bool chinese, const QString& formName) {
  QFile file(QStringLiteral(RT410_DOCS_DIR "/") +
             (chinese ? QStringLiteral("user-guide.zh.md") : QStringLiteral("user-guide.md")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QRegularExpression heading(QStringLiteral("^#+ <a name=\"%1\">(.+)</a>\\s*$").arg(formName),
                                   QRegularExpression::MultilineOption);
  return heading.match(QString::fromUtf8(file.readAll())).captured(1);
}

QTextBlock AnchorBlock(const QTextDocument* document, const QString& name) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorNames().contains(name)) return block;
    }
  }
  return {};
}

class HelpButton : public GuiTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void ExpectGuideAt(bool chinese, const QString& formName) {
    auto* help = main->FindChildAs<frmHelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), chinese ? QStringLiteral("帮助") : QStringLiteral("Help"));
    const QString heading = SectionHeading(chinese, formName);
    ASSERT_FALSE(heading.isEmpty()) << "the guide has no section for " << formName.toStdString();
    const QTextDocument* document = help->Text_Guide->document();
    const QTextBlock block = AnchorBlock(document, formName);
    ASSERT_TRUE(block.isValid()) << "the Help window shows another guide";
    EXPECT_EQ(block.text(), heading);
    // The section starts at the top of the view, unless the guide ends too soon after it.
    const QScrollBar* bar = help->Text_Guide->verticalScrollBar();
    const int top = qRound(document->documentLayout()->blockBoundingRect(block).top());
    EXPECT_GT(top, 0);
    EXPECT_NEAR(bar->value(), std::min(top, bar->maximum()), 2);
  }
};

TEST_P(HelpButton, OpensTheGuideOfTheLanguageAtItsWindow) {
  const QString formName = QString::fromLatin1(GetParam());
  for (const bool chinese : {true, false}) {
    (chinese ? main->Language_chn : main->Language_eng)->trigger();
    ChildForm* form = main->OpenChild(formName);
    ASSERT_NE(form, nullptr);
    auto* button = form->findChild<QPushButton*>(QStringLiteral("Command_Help"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), chinese ? QStringLiteral("帮助") : QStringLiteral("Help"));
    button->click();
    ProcessEvents();
    ExpectGuideAt(chinese, formName);
  }
  // The Help window is open in English; Chinese reopens it at the same section.
  main->Language_chn->trigger();
  ProcessEvents();
  ExpectGuideAt(true, formName);
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpButton, ::testing::ValuesIn(kWindowsWithHelp),
                         [](const auto& row) { return std::string(row.param); });

class HelpTable : public GuiTest {};

TEST_F(HelpTable, HoldsEveryWindowWithAHelpButton) {
  for (const FormEntry& entry : ProgramForms()) {
    ChildForm* form = main->OpenChild(QString::fromLatin1(entry.name));
    if (!form || !form->findChild<QPushButton*>(QStringLiteral("Command_Help"))) continue;
    EXPECT_NE(std::find_if(std::begin(kWindowsWithHelp), std::end(kWindowsWithHelp),
                           [&](const char* name) { return form->FormName() == name; }),
              std::end(kWindowsWithHelp))
        << entry.name;
    form->Unload();
    ProcessEvents();
  }
}

// The picture of the guide: the Help window as the channel grid opens it.
class HelpScreenshot : public GuiTest {};

TEST_F(HelpScreenshot, FromTheGridInBothLanguages) {
  const QString dir = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  for (const bool chinese : {true, false}) {
    (chinese ? main->Language_chn : main->Language_eng)->trigger();
    ChildForm* grid = main->OpenChild(QStringLiteral("frm_chann"));
    ASSERT_NE(grid, nullptr);
    grid->findChild<QPushButton*>(QStringLiteral("Command_Help"))->click();
    ProcessEvents();
    QTest::qWait(50);  // let the platform paint before grabbing
    auto* help = main->FindChildAs<frmHelp>();
    ASSERT_NE(help, nullptr);
    const QString file = dir + (chinese ? "/frmHelp-zh.png" : "/frmHelp-en.png");
    EXPECT_TRUE(help->SubWindow()->grab().save(file)) << file.toStdString();
  }
}

}  // namespace

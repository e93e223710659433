// A window's message box is up while the user (or an accessibility tool, which the
// box's modality does not stop) reopens the window or switches the language: the
// window must outlive its box, and the code that showed the box must find it gone.
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "files/forms/chann_forms.h"
#include "link/forms/form_adjust_txp.h"
#include "link/forms/form_comm_read.h"
#include "link/forms/form_comm_write.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

struct BoxCase {
  const char* form;
  // Shows one of the window's boxes the way its own code does.
  std::function<void(ChildForm*)> showBox;
  const char* name;
};

void LinkBox(ChildForm* form) {
  dynamic_cast<LinkForm*>(form)->Message("box", "");
}

void NameBox(ChildForm* form) {
  auto* files = dynamic_cast<ChannFileForm*>(form);
  files->Text1->setText("bad name.txt");
  files->Command_enter->click();
}

void OwnBox(ChildForm* form) {
  form->Warn("box");
}

class BoxLifetime : public GuiTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxLifetime, ReopenAndLanguageSwitchWaitForTheBox) {
  for (const bool reopen : {true, false}) {
    SCOPED_TRACE(reopen ? "reopen" : "language switch");
    const QString name = QString::fromLatin1(GetParam().form);
    QPointer<ChildForm> form = main->OpenChild(name);
    ASSERT_TRUE(form);
    int boxes = 0;
    onMessage = [&](const RecordedMessage&) {
      if (boxes++ > 0) return;  // the boxes of the new instance run their course
      if (reopen) {
        main->OpenChild(name);
      } else {
        main->Language_eng_Click();
      }
      // Still on the stack under the box: not deleted, however often events run.
      ProcessEvents();
      EXPECT_TRUE(form);
    };
    GetParam().showBox(form);
    onMessage = nullptr;
    ProcessEvents();
    EXPECT_FALSE(form);  // gone once its box closed
    EXPECT_GE(boxes, 1);
    ChildForm* now = main->FindChildForm(name);
    ASSERT_NE(now, nullptr);
    EXPECT_FALSE(now->Unloaded());
    now->Unload();
    ProcessEvents();
    Settings().LangChinese = true;
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, BoxLifetime,
                         ::testing::Values(BoxCase{"Form_Comm_Read", LinkBox, "Read"},
                                           BoxCase{"Form_Comm_Write", LinkBox, "Write"},
                                           BoxCase{"Form_Adjust_Txp", LinkBox, "Power"},
                                           BoxCase{"Form_open_chann", NameBox, "Open"},
                                           BoxCase{"Form_save_chann", NameBox, "Save"},
                                           BoxCase{"frm_option", OwnBox, "Options"},
                                           BoxCase{"Form_type", OwnBox, "Model"}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace

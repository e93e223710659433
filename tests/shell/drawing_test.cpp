// Looking at the image changes nothing: every editor drawn over any image the
// program can hold (random bytes where the lists know no such value included), in
// both languages and again on a redraw, leaves the image and its revision as they were.
#include <random>

#include "shell/forms/child_form.h"
#include "support/gui_test.h"

namespace {

class Drawing : public GuiTest, public ::testing::WithParamInterface<const char*> {};

RadioImage RandomImage(std::mt19937& random) {
  RadioImage image;
  std::uniform_int_distribution<int> byte(0, 255);
  std::bernoulli_distribution erased(0.2);
  for (int r = 0; r < 256; ++r) {
    for (int c = 0; c < 16; ++c) {
      image.at(r, c) =
          erased(random) ? RadioImage::kErased : static_cast<std::uint8_t>(byte(random));
    }
  }
  return image;
}

TEST_P(Drawing, LeavesTheImageAsItWas) {
  const QString name = QString::fromLatin1(GetParam());
  std::mt19937 random(410);
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    Doc().Enter(round == 0 ? StartupImage() : RandomImage(random), ImageSource::Open);
    const RadioImage entered = Doc().Image();
    ChildForm* form = main->OpenChild(name);
    ASSERT_TRUE(form);
    main->Language_eng_Click();
    main->Language_chn_Click();
    Doc().Enter(Doc().Image(), ImageSource::Read);
    EXPECT_TRUE(Doc().Image() == entered);
    EXPECT_FALSE(Doc().Unsaved());
    if (ChildForm* now = main->FindChildForm(name)) now->Unload();
    ProcessEvents();
    EXPECT_TRUE(Doc().Image() == entered);
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, Drawing,
                         ::testing::Values("frm_chann", "Form_Chann_Edit", "frm_option",
                                           "Form_edit_Key", "frm_dtmf", "Form_Edit_scan",
                                           "Form_Edit_Test", "Form_Edit_Message",
                                           "Form_Adjust_Txp"),
                         [](const auto& p) { return std::string(p.param); });

}  // namespace

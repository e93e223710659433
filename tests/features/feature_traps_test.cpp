// Windows closed while one of their messages is up (a language switch or a menu
// command can do it): the handler that showed the message must stop there.
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "channels/forms/frm_chann.h"
#include "codec/frequency.h"
#include "features/forms/form_edit_scan.h"
#include "features/forms/form_edit_test.h"
#include "features/forms/frm_option.h"
#include "features/scan_codec.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

struct UnloadCase {
  const char* form;
  Cell written;  // what the handler would go on to write
  // Brings up the window's message.
  std::function<void(ChildForm*)> provoke;
};

void PrintTo(const UnloadCase& c, std::ostream* os) {
  *os << c.form;
}

class ClosedUnderAMessage : public GuiTest, public ::testing::WithParamInterface<UnloadCase> {};

TEST_P(ClosedUnderAMessage, TheHandlerStopsAndTheImageKeepsItsValues) {
  const UnloadCase& c = GetParam();
  ChildForm* form = main->OpenChild(QString::fromLatin1(c.form));
  ASSERT_NE(form, nullptr);
  main->show();
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  const QPointer<ChildForm> window(form);
  const std::uint8_t before = TheImage().at(c.written);
  onMessage = [&](const RecordedMessage&) {
    main->Language_eng_Click();  // reloads every flagged window
    main->UnloadChild(QString::fromLatin1(c.form));
    ProcessEvents();
  };
  c.provoke(form);
  onMessage = nullptr;
  EXPECT_TRUE(window && window->Unloaded());  // deleted only once its code has returned
  ProcessEvents();
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(TheImage().at(c.written), before);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ClosedUnderAMessage,
    ::testing::Values(UnloadCase{"frm_option",
                                 {59, 1},
                                 [](ChildForm* f) {
                                   auto* o = static_cast<frm_option*>(f);
                                   QTest::mouseClick(o->Text_pvfo_d0, Qt::LeftButton);
                                   o->Text_pvfo_d0->selectAll();
                                   QTest::keyClicks(o->Text_pvfo_d0, "100");
                                   QTest::keyClick(o->Text_pvfo_d0, Qt::Key_Tab);  // leaves the box
                                 }},
                      UnloadCase{"Form_Edit_scan", kScanPriorityChannelCell,
                                 [](ChildForm* f) {
                                   auto* s = static_cast<Form_Edit_scan*>(f);
                                   s->Combo_pri->Select(1);
                                   s->Text_prich->setText("20");
                                 }},
                      UnloadCase{"frm_chann",
                                 {1, 0},
                                 [](ChildForm* f) {
                                   auto* grid = static_cast<frm_chann*>(f);
                                   grid->MSF_Chann->setCurrentCell(0, 1);
                                   grid->Show_Editor();
                                   QTest::keyClicks(grid->Text_Edit, "999");  // outside 400 to 470
                                   QTest::keyClick(grid->Text_Edit, Qt::Key_Return);
                                 }},
                      UnloadCase{"Form_Edit_Test",
                                 {253, 2},
                                 [](ChildForm* f) {
                                   static_cast<Form_Edit_Test*>(f)->MSF_Chann_Click(3, 1);
                                   static_cast<Form_Edit_Test*>(f)->Text_Edit->setText("110");
                                   f->CommitOpenEdit();  // as leaving the cell would
                                 }}),
    [](const auto& p) { return std::string(p.param.form); });

using Row59Test = GuiTest;

TEST_F(Row59Test, WithoutDecimalDigitsTheCurrentLimitsStay) {
  for (const int erased : {0xFF, 0xA0}) {
    for (int c = 0; c < 4; ++c) Image(59, c) = static_cast<std::uint8_t>(erased);
    Doc().UseBand({{Freq10Hz::MHz(400), Freq10Hz::MHz(470)}});
    auto* options = Open<frm_option>("frm_option");
    EXPECT_EQ(Doc().FreqLow(), Freq10Hz::MHz(400));
    EXPECT_EQ(Doc().FreqHigh(), Freq10Hz::MHz(470));
    EXPECT_EQ(options->Text_pvfo_d0->text(), "400");
    EXPECT_EQ(options->Text_pvfo_d1->text(), "470");
    EXPECT_EQ(Image(59, 1), erased);  // looking writes nothing back
  }
}

}  // namespace

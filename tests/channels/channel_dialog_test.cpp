#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "channel_test_support.h"
#include "channels/forms/form_chann_edit.h"

namespace {

using namespace channel_test;

class Dialog : public BilingualFixture {
 protected:
  // Opens the grid, clicks a cell of row n and presses "Channel Edit".
  Form_Chann_Edit* OpenOn(int n) {
    OpenGrid();
    Click(n, 0);
    QTest::mouseClick(grid->Command_Edit, Qt::LeftButton);
    dialog = qobject_cast<Form_Chann_Edit*>(main->FindChildForm("Form_Chann_Edit"));
    return dialog;
  }
  QString GridCaption(int n) const {
    return L("信道参数编辑 [ 信道 - ", "Channel Information [ Channel - ") +
           QStringLiteral(" %1 ]").arg(n);
  }
  // Types into a box and leaves it with Tab.
  void Enter(QWidget* box, const char* text) {
    box->setFocus();
    Erase();
    Type(text);
    Key(Qt::Key_Tab);
  }
  bool Enabled(QWidget* w) const { return w->isEnabled(); }
  Form_Chann_Edit* dialog = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Languages, Dialog, ::testing::Bool(), LanguageName);

TEST_P(Dialog, OpensOnTheGridsChannelWithItsCaptions) {
  PutChannel(5, "435.0125", "440");
  ASSERT_NE(OpenOn(5), nullptr);
  EXPECT_EQ(dialog->windowTitle(), L("信道编辑", "Channel Edit"));
  EXPECT_EQ(dialog->Label_RX_freq->text(), L("接收频率", "Receive Frequency "));
  EXPECT_EQ(dialog->Label_WN->text(), L("宽带/窄带", "Wide/Narror"));
  EXPECT_EQ(dialog->Label_Encode->text(), L("QT/DQT 编码", "QT/DQT Encode"));
  EXPECT_EQ(dialog->Text_CHN->text(), "5");
  EXPECT_EQ(dialog->VScroll1->value(), 5);
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "435.01250");
  EXPECT_EQ(dialog->Text_TX_Freq->text(), "440.00000");
  EXPECT_EQ(grid->windowTitle(), GridCaption(5));
  const QSize frame = main->frameGeometry().size();
  EXPECT_EQ(dialog->SubWindow()->width(), static_cast<int>(frame.width() / 1.5));
  EXPECT_EQ(dialog->SubWindow()->y(), 0);
}

TEST_P(Dialog, ScrollBarWrapsAroundAndCarriesTheCaption) {
  PutChannel(16, "462.5625");
  ASSERT_NE(OpenOn(1), nullptr);
  ClickArrow(dialog->VScroll1, true);
  EXPECT_EQ(Doc().Cur_Chann, 16);
  EXPECT_EQ(dialog->Text_CHN->text(), "16");
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "462.56250");
  EXPECT_EQ(grid->windowTitle(), GridCaption(16));
  ClickArrow(dialog->VScroll1, false);
  EXPECT_EQ(Doc().Cur_Chann, 1);
  EXPECT_EQ(dialog->Text_CHN->text(), "1");
  EXPECT_TRUE(dialog->Text_RX_Freq->text().isEmpty());
  ClickArrow(dialog->VScroll1, false);
  EXPECT_EQ(Doc().Cur_Chann, 2);
  EXPECT_EQ(grid->windowTitle(), GridCaption(2));
}

TEST_P(Dialog, NumberBoxTakesOnlyChannelNumbers) {
  PutChannel(15, "445");
  PutChannel(1, "435");
  ASSERT_NE(OpenOn(1), nullptr);
  dialog->Text_CHN->setFocus();
  Key(Qt::Key_End);
  Type("7");  // 17
  EXPECT_EQ(dialog->Text_CHN->text(), "1");
  Key(Qt::Key_Backspace);
  Type("x.");
  EXPECT_EQ(dialog->Text_CHN->text(), "1");
  Type("5");
  EXPECT_EQ(dialog->Text_CHN->text(), "15");
  // The channel shows as soon as the number is one.
  EXPECT_EQ(Doc().Cur_Chann, 15);
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "445.00000");
  EXPECT_EQ(dialog->VScroll1->value(), 15);
  EXPECT_EQ(grid->windowTitle(), GridCaption(15));
  Erase();
  EXPECT_EQ(Doc().Cur_Chann, 15);  // no number: still channel 15 on screen
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "445.00000");
  Key(Qt::Key_Tab);
  EXPECT_EQ(dialog->Text_CHN->text(), "1");
  EXPECT_EQ(Doc().Cur_Chann, 1);
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "435.00000");
}

TEST_P(Dialog, EmptyChannelTakesOnlyAReceiveFrequencyThenBecomesAChannel) {
  SetLimits(136, 174);
  Image(23, 14) = 0;
  ASSERT_NE(OpenOn(3), nullptr);
  EXPECT_TRUE(Enabled(dialog->Text_RX_Freq));
  for (QWidget* w : std::initializer_list<QWidget*>{dialog->Text_TX_Freq, dialog->Combo_Decode,
                                                    dialog->Combo_Encode, dialog->Combo_TXP,
                                                    dialog->Combo_WN, dialog->Text_Name}) {
    EXPECT_FALSE(Enabled(w)) << w->objectName().toStdString();
  }
  EXPECT_EQ(dialog->Combo_Decode->count(), 0);
  Enter(dialog->Text_RX_Freq, "145");
  EXPECT_EQ(Image(3, 13), 0xBF);  // the dialog's own new-channel values
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "145.00000");
  EXPECT_TRUE(dialog->Text_TX_Freq->text().isEmpty());
  EXPECT_TRUE(Enabled(dialog->Text_TX_Freq));
  EXPECT_TRUE(Enabled(dialog->Combo_Decode));
  EXPECT_FALSE(Enabled(dialog->Combo_Encode));
  EXPECT_EQ(dialog->Combo_TXP->currentText(), L("高", "High"));
  EXPECT_EQ(dialog->Combo_WN->currentText(), L("窄带", "Narrow"));
  EXPECT_EQ(dialog->Combo_Decode->currentText(), L("无", "OFF"));
  EXPECT_TRUE(messages.empty());
}

struct DialogRangeCase {
  bool transmit;
  const char* typed;
  const char* stored;
  bool message;
};

TEST_P(Dialog, FrequencyLimitsIncludeTheUpperOne) {
  SetLimits(136, 174);
  PutChannel(2, "150", "150");
  // The rules themselves are the core's (channel_edit_rules_test).
  const DialogRangeCase cases[] = {
      {false, "174", "174.00000", false},
      {false, "135.9", "136.00000", true},
      {true, "999", "136.00000", true},
      {false, "145.0123", "145.01000", false},
  };
  ASSERT_NE(OpenOn(2), nullptr);
  for (const DialogRangeCase& c : cases) {
    SCOPED_TRACE(std::string(c.transmit ? "TX " : "RX ") + c.typed);
    messages.clear();
    TextBox* box = c.transmit ? dialog->Text_TX_Freq : dialog->Text_RX_Freq;
    Enter(box, c.typed);
    EXPECT_EQ(c.transmit ? ChannelTxText(TheImage(), 2) : ChannelRxText(TheImage(), 2), c.stored);
    if (!c.message) {
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(box->text(), c.typed);  // the box keeps what was typed
      continue;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              c.transmit ? L("发射频率超出范围 ！", "Over the range of Transmit frequency .")
                         : L("接收频率超出范围 ！", "Over the range of receive frequency ."));
    EXPECT_EQ(box->text(), "136.00000");
  }
}

TEST_P(Dialog, EmptyingTheFrequenciesRemovesTransmitThenTheChannel) {
  PutChannel(4, "435", "440");
  SetChannelEncodeTone(TheImage(), 4, 13);
  ASSERT_NE(OpenOn(4), nullptr);
  EXPECT_EQ(dialog->Combo_Encode->currentIndex(), 13);
  Enter(dialog->Text_TX_Freq, "");
  EXPECT_FALSE(ChannelHasTx(TheImage(), 4));
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "435.00000");
  EXPECT_FALSE(Enabled(dialog->Combo_Encode));
  EXPECT_EQ(dialog->Combo_Encode->currentIndex(), 0);
  Enter(dialog->Text_RX_Freq, "");
  EXPECT_EQ(RecordOf(4), Erased());
  EXPECT_FALSE(Enabled(dialog->Text_TX_Freq));
  EXPECT_FALSE(Enabled(dialog->Combo_Decode));
  EXPECT_TRUE(messages.empty());
}

TEST_P(Dialog, DropDownsShowAndStoreTheGridsFields) {
  PutChannel(6, "435", "440");
  Image(6, 8) = 1;
  Image(6, 9) = 51;
  SetChannelEncodeTone(TheImage(), 6, 60);
  Image(6, kOptionCol) = 0x87;  // low power, narrow, low bits set
  ASSERT_NE(OpenOn(6), nullptr);
  ASSERT_EQ(dialog->Combo_Decode->count(), 261);
  EXPECT_EQ(dialog->Combo_Decode->itemText(0), L("无", "OFF"));
  EXPECT_EQ(dialog->Combo_Encode->itemText(0), L("无", "OFF"));
  EXPECT_EQ(dialog->Combo_Decode->itemText(50), "254.1");
  EXPECT_EQ(dialog->Combo_Encode->itemText(260), "D754I");
  EXPECT_EQ(Entries(dialog->Combo_TXP), QStringList({L("高", "High"), L("低", "Low")}));
  EXPECT_EQ(Entries(dialog->Combo_WN), QStringList({L("窄带", "Narrow"), L("宽带", "Wide")}));
  EXPECT_EQ(dialog->Combo_Decode->currentIndex(), 156);
  EXPECT_EQ(dialog->Combo_Encode->currentIndex(), 60);
  EXPECT_EQ(dialog->Combo_TXP->currentIndex(), 1);
  EXPECT_EQ(dialog->Combo_WN->currentIndex(), 0);

  ChooseEntry(dialog->Combo_Decode, 13);
  ChooseEntry(dialog->Combo_Encode, 260);
  ChooseEntry(dialog->Combo_TXP, 0);
  ChooseEntry(dialog->Combo_WN, 1);
  EXPECT_EQ(Image(6, 9), 13);
  EXPECT_EQ(Image(6, 11), 155);
  EXPECT_EQ(Image(6, kOptionCol), 0x47);

  // Typed characters choose nothing.
  dialog->Combo_WN->setFocus();
  Type("n");
  EXPECT_EQ(dialog->Combo_WN->currentIndex(), 1);

  // The grid shows the same values when it is next activated.
  main->MdiArea()->setActiveSubWindow(grid->SubWindow());
  EXPECT_EQ(grid->TextMatrix(6, 3), "  100.0   ");
  EXPECT_EQ(grid->TextMatrix(6, 4), "D754I");
  EXPECT_EQ(grid->TextMatrix(6, 6), L("高", "High"));
  EXPECT_EQ(grid->TextMatrix(6, 7), L("宽带", "Wide"));
}

TEST_P(Dialog, EachActivationRereadsTheImage) {
  PutChannel(2, "435", "440");
  ASSERT_NE(OpenOn(2), nullptr);
  main->MdiArea()->setActiveSubWindow(grid->SubWindow());
  Click(2, 1);
  Erase();
  Type("436");
  Click(2, 0);
  main->MdiArea()->setActiveSubWindow(dialog->SubWindow());
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "436.00000");
  // The grid moved on to channel 7 meanwhile: the dialog follows.
  main->MdiArea()->setActiveSubWindow(grid->SubWindow());
  Click(7, 0);
  main->MdiArea()->setActiveSubWindow(dialog->SubWindow());
  EXPECT_EQ(dialog->Text_CHN->text(), "7");
  EXPECT_EQ(dialog->VScroll1->value(), 7);
  EXPECT_EQ(dialog->ShownChannel(), 7);
  EXPECT_TRUE(dialog->Text_RX_Freq->text().isEmpty());
}

TEST_P(Dialog, EditsGoToTheChannelOnScreen) {
  SetLimits(136, 174);
  PutChannel(3, "150", "150");
  PutChannel(4, "160", "160");
  ASSERT_NE(OpenOn(3), nullptr);
  dialog->Text_RX_Freq->setFocus();
  Erase();
  Type("151");
  ClickArrow(dialog->VScroll1, false);
  EXPECT_EQ(ChannelRxText(TheImage(), 3), "151.00000");
  EXPECT_EQ(ChannelRxText(TheImage(), 4), "160.00000");
  EXPECT_EQ(dialog->Text_RX_Freq->text(), "160.00000");
  // Passing through a field of a channel outside the limits changes nothing.
  SetLimits(400, 470);
  dialog->Text_RX_Freq->setFocus();
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(ChannelRxText(TheImage(), 4), "160.00000");
  EXPECT_EQ(ChannelTxText(TheImage(), 4), "160.00000");
  // A frequency still being typed when the window closes is kept.
  dialog->Text_TX_Freq->setFocus();
  Erase();
  Type("165");
  dialog->SubWindow()->close();
  ProcessEvents();
  ASSERT_EQ(messages.size(), 1u);  // 165 is outside 400..470 now
  EXPECT_EQ(ChannelTxText(TheImage(), 4), "400.00000");
}

}  // namespace

#include "features/forms/form_edit_message.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "features/forms/form_edit_scan.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

namespace {

QString U(const char* s) {
  return QString::fromUtf8(s);
}

std::string Row(int row) {
  std::string s;
  for (int c = 0; c < 16; ++c) s += static_cast<char>(Image(row, c));
  return s;
}

const std::string kErased(16, '\xFF');

class MessageWindowTest : public GuiTest {
 protected:
  Form_Edit_Message* OpenMessages() {
    auto* form = Open<Form_Edit_Message>("Form_Edit_Message");
    EXPECT_NE(form, nullptr);
    return form;
  }
  static void Type(TextBox* box, const char* keys) {
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, keys);
  }
  // A key that types a character beyond what QTest can name, as an input method would.
  static void TypeCharacter(TextBox* box, const QString& character) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
    QApplication::sendEvent(box, &release);
  }
};

TEST_F(MessageWindowTest, ErasedImageOpensTwoEmptyBoxesInEitherLanguage) {
  const std::pair<bool, const char*> titles[] = {{true, "嵌入信息"}, {false, "Embedded Message"}};
  for (const auto& [chinese, title] : titles) {
    Settings().LangChinese = chinese;
    auto* form = OpenMessages();
    EXPECT_EQ(form->windowTitle(), U(title));
    EXPECT_EQ(form->Command_Close->text(), chinese ? U("关闭") : U("Close"));
    EXPECT_EQ(form->Command_Help->text(), chinese ? U("帮助") : U("Help"));
    EXPECT_EQ(form->Text_MS1->text(), "");
    EXPECT_EQ(form->Text_MS2->text(), "");
    EXPECT_EQ(form->Text_MS1->font().pointSize(), 12);
    for (int row = 48; row <= 51; ++row) EXPECT_EQ(Row(row), kErased);
  }
  EXPECT_FALSE(main->FormOpenFlag("Form_Edit_Message"));
}

TEST_F(MessageWindowTest, DecodingShowsTheRadioCharactersAndStoresNothing) {
  const std::uint8_t cells48[16] = {'A', 'B',  ' ', 0x01, 0x80, 'C', 'D',  0xFF,
                                    '~', 0x7F, 'x', 'y',  'z',  '!', 0x00, 0xFE};
  const std::string row48(reinterpret_cast<const char*>(cells48), 16);
  const std::string row50 = std::string("HELLO") + std::string(11, '\xFF');
  for (int c = 0; c < 16; ++c) {
    Image(48, c) = static_cast<std::uint8_t>(row48[static_cast<std::size_t>(c)]);
    Image(50, c) = static_cast<std::uint8_t>(row50[static_cast<std::size_t>(c)]);
  }
  Image(49, 15) = 'Q';
  Image(51, 0) = ' ';
  auto* form = OpenMessages();
  EXPECT_EQ(form->Text_MS1->text(), QString::fromLatin1("ABCD~\x7Fxyz!Q"));
  EXPECT_EQ(form->Text_MS2->text(), "HELLO");
  EXPECT_EQ(Row(48), row48);
  EXPECT_EQ(Image(49, 15), 'Q');
  EXPECT_EQ(Image(51, 0), ' ');
}

TEST_F(MessageWindowTest, SixteenSeventeenAndThirtyTwoCharacters) {
  struct Case {
    const char* typed;
    std::string first;
    std::string second;
  };
  const Case cases[] = {
      {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", kErased},
      {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP", "Q" + std::string(15, '\xFF')},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "ABCDEFGHIJKLMNOP", "QRSTUVWXYZ012345"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOP", "QRSTUVWXYZ012345"},
  };
  for (int message = 1; message <= 2; ++message) {
    for (const Case& c : cases) {
      auto* form = OpenMessages();
      TextBox* box = message == 1 ? form->Text_MS1 : form->Text_MS2;
      Type(box, c.typed);
      const int row = message == 1 ? 48 : 50;
      EXPECT_EQ(Row(row), c.first) << c.typed;
      EXPECT_EQ(Row(row + 1), c.second) << c.typed;
      EXPECT_EQ(box->text().toStdString(), std::string(c.typed).substr(0, 32));
      const int other = message == 1 ? 50 : 48;
      EXPECT_EQ(Row(other), kErased);
      for (int r = 48; r <= 51; ++r) {
        for (int col = 0; col < 16; ++col) Image(r, col) = 0xFF;
      }
    }
  }
}

TEST_F(MessageWindowTest, AFullMessageTakesNoKeyButDelete) {
  auto* form = OpenMessages();
  const std::string full = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
  Type(form->Text_MS1, full.c_str());
  Type(form->Text_MS1, "X");
  QTest::keyClick(form->Text_MS1, Qt::Key_Backspace);
  QTest::keyClick(form->Text_MS1, Qt::Key_Space);
  EXPECT_EQ(form->Text_MS1->text().toStdString(), full);
  EXPECT_EQ(Image(49, 15), '5');

  form->Text_MS1->home(false);
  QTest::keyClick(form->Text_MS1, Qt::Key_Delete);
  EXPECT_EQ(form->Text_MS1->text().toStdString(), full.substr(1));
  EXPECT_EQ(Image(48, 0), 'B');
  EXPECT_EQ(Image(49, 14), '5');
  EXPECT_EQ(Image(49, 15), 0xFF);
  // Room for one character again.
  Type(form->Text_MS1, "Z");
  EXPECT_EQ(Image(49, 15), 'Z');
  QTest::keyClick(form->Text_MS1, Qt::Key_Backspace);
  EXPECT_EQ(Image(49, 15), 'Z') << "Backspace is a key a full message refuses";
}

TEST_F(MessageWindowTest, BlanksAreStoredThenDroppedWhenDecodedAgain) {
  QPointer<Form_Edit_Message> form = OpenMessages();
  Type(form->Text_MS2, "  RT 410 ");
  EXPECT_EQ(Row(50), "RT 410" + std::string(10, '\xFF'));
  EXPECT_EQ(form->Text_MS2->text(), "  RT 410 ");
  Open<Form_Edit_scan>("Form_Edit_scan");
  main->MdiArea()->setActiveSubWindow(form->SubWindow());
  ProcessEvents();
  EXPECT_EQ(form->Text_MS2->text(), "RT410");
  EXPECT_EQ(Row(50), "RT 410" + std::string(10, '\xFF'));  // decoding stores nothing
}

TEST_F(MessageWindowTest, CharactersBeyondSingleBytesAreRefused) {
  auto* form = OpenMessages();
  Type(form->Text_MS1, "AB");
  for (const char* refused : {"中", "é", "€", "ü"}) TypeCharacter(form->Text_MS1, U(refused));
  EXPECT_EQ(form->Text_MS1->text(), "AB");
  TypeCharacter(form->Text_MS1, "C");
  EXPECT_EQ(form->Text_MS1->text(), "ABC");
  EXPECT_EQ(Row(48), "ABC" + std::string(13, '\xFF'));

  // Pasted text keeps only what a message can hold, and no more than 32 characters.
  QApplication::clipboard()->setText(U("D中E\tF€G"));
  QTest::keyClick(form->Text_MS1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->Text_MS1->text(), "ABCDEFG");
  EXPECT_EQ(form->Text_MS1->cursorPosition(), 7);
  EXPECT_EQ(Row(48), "ABCDEFG" + std::string(9, '\xFF'));
  QApplication::clipboard()->setText(QString(40, QLatin1Char('z')));
  form->Text_MS1->home(false);
  QTest::keyClick(form->Text_MS1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->Text_MS1->text(), QString(32, QLatin1Char('z')));
  EXPECT_EQ(Row(49), std::string(16, 'z'));
  EXPECT_FALSE(form->Text_MS1->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(MessageWindowTest, CloseUnloads) {
  QPointer<Form_Edit_Message> form = OpenMessages();
  QTest::mouseClick(form->Command_Help, Qt::LeftButton);
  EXPECT_TRUE(form);
  QTest::mouseClick(form->Command_Close, Qt::LeftButton);
  ProcessEvents();
  EXPECT_FALSE(form);
}

}  // namespace

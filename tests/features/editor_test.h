#pragma once
// What the feature editor window tests share: a main window on screen and active, so
// that focus moves as it does for a user, and the language as a test parameter.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "image/radio_image.h"
#include "shell/forms/main_window.h"
#include "support/gui_test.h"

inline QString U(const char* s) {
  return QString::fromUtf8(s);
}

// The Chinese or the English text, by the language the test runs in.
inline QString InLang(bool chinese, const char* zh, const char* en) {
  return QString::fromUtf8(chinese ? zh : en);
}

class EditorTest : public GuiTest {
 protected:
  void ShowActive() {
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  }
  void SetLanguage(bool chinese) {
    (chinese ? main->Language_chn : main->Language_eng)->trigger();
    ProcessEvents();
  }
  // Opens a window with the main window on screen and active.
  template <class T>
  T* OpenShown(const char* formName) {
    T* form = Open<T>(formName);
    ShowActive();
    return form;
  }
  // An erased radio read, as it enters the document.
  void EraseImage() {
    RadioImage erased;
    erased.Fill(RadioImage::kErased);
    Doc().Enter(erased, ImageSource::Read);
  }
  // Cells set by a test enter the document as a read image would.
  void EnterImage() { Doc().Enter(Doc().Image(), ImageSource::Read); }
  // Gives box the focus by a click, as a user does, and replaces its text by typing.
  static void TypeInto(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }
};

// Runs in Chinese and in English.
class EditorLangTest : public EditorTest, public ::testing::WithParamInterface<bool> {
 protected:
  bool Chinese() const { return GetParam(); }
  void SetUp() override {
    EditorTest::SetUp();
    SetLanguage(Chinese());
  }
};

inline std::string LangName(const ::testing::TestParamInfo<bool>& info) {
  return info.param ? "Chinese" : "English";
}

#pragma once
// Window tests: a fresh main window after start-up, with every message box
// recorded instead of shown.
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "image/radio_image.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

struct RecordedMessage {
  QString title;
  QString text;
  MsgIcon icon;
  QString informative;
};

class QAbstractButton;

// The main window of the test that runs now: its document's image, for the helpers
// that stand outside a fixture.
MDImain& RunningMain();
inline RadioImage& TheImage() {
  return RunningMain().Document().EditImage();
}
inline std::uint8_t& Image(int row, int col) {
  return TheImage().at(row, col);
}
inline std::uint8_t& Image(Cell cell) {
  return TheImage().at(cell);
}

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs deferred deletions and other posted events.
  static void ProcessEvents();
  // The texts of the recorded messages, in order.
  std::vector<QString> MessageTexts() const;
  // Clicks a check box or option button on its indicator, as a user does.
  static void ClickCheck(QAbstractButton* button);
  // Opens a child window the way the main window's commands do.
  template <class T>
  T* Open(const char* formName) {
    return main->OpenChildAs<T>(QString::fromLatin1(formName));
  }

  // The main window's document and settings, as the windows reach them.
  RadioDocument& Doc() const { return main->Document(); }
  AppSettings& Settings() const { return main->Settings(); }
  QString Lang(const char* chinese, const char* english) const {
    return main->Lang(chinese, english);
  }

  std::unique_ptr<MDImain> main;
  std::vector<RecordedMessage> messages;
  // Runs inside each message box, while it would be on screen.
  std::function<void(const RecordedMessage&)> onMessage;
};

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

  std::unique_ptr<MDImain> main;
  std::vector<RecordedMessage> messages;
  // Runs inside each message box, while it would be on screen.
  std::function<void(const RecordedMessage&)> onMessage;
};

#include "support/gui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include "window_registry.h"

namespace {
MDImain* g_running = nullptr;
}  // namespace

MDImain& RunningMain() {
  return *g_running;
}

void GuiTest::SetUp() {
  SetDetailedMessageHook(
      [this](const QString& title, const QString& text, MsgIcon icon, const QString& informative) {
        messages.push_back({title, text, icon, informative});
        if (onMessage) onMessage(messages.back());
      });
  main = std::make_unique<MDImain>(ProgramForms());
  g_running = main.get();
  main->MDIForm_Load();
  main->resize(1200, 860);
  ProcessEvents();
}

void GuiTest::TearDown() {
  if (main) {
    EXPECT_EQ(main->Document().EditsWhileDrawing(), 0) << "a window wrote while drawing";
  }
  main.reset();
  g_running = nullptr;
  ProcessEvents();
  SetDetailedMessageHook(nullptr);
}

void GuiTest::ProcessEvents() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GuiTest::ClickCheck(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

std::vector<QString> GuiTest::MessageTexts() const {
  std::vector<QString> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

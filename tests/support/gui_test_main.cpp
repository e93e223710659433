#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {
QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform reports what it cannot do; that is not a test's concern.
void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  if (g_previousHandler) {
    g_previousHandler(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  }
}
}  // namespace

int main(int argc, char** argv) {
  g_previousHandler = qInstallMessageHandler(FilterMessages);
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Backups of reads go here, never into the data folder of whoever runs the tests.
  const QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
  // The settings file too: a test never writes the settings of whoever runs it.
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

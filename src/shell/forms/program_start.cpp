#include "shell/forms/program_start.h"

#include <QAction>
#include <QLabel>
#include <cstdio>
#include <cstdlib>

#include "shell/forms/main_window.h"
#include "shell/io/settings_file.h"

namespace {

bool StartChinese(const StartOptions& options) {
  return StartsInChinese(MessagesLocale(std::getenv), RememberedLanguage(), options.chinese);
}

}  // namespace

std::optional<int> AnswerFromShell(const StartOptions& options) {
  const bool chinese = StartChinese(options);
  if (options.error != StartError::None) {
    std::fprintf(stderr, "%s\n%s", StartErrorText(options, chinese).c_str(),
                 StartUsage(chinese).c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(StartHelp(chinese).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::puts("rt410-cps " RT410_VERSION);
    return 0;
  }
  return std::nullopt;
}

void ApplyStartOptions(MDImain& window, const StartOptions& options) {
  auto* chinese = window.findChild<QAction*>(QStringLiteral("Language_chn"));
  auto* english = window.findChild<QAction*>(QStringLiteral("Language_eng"));
  if (!StartChinese(options)) english->trigger();
  UseQtTranslations(window.Settings().LangChinese);
  // Only a choice made in the menu is remembered, not one of the locale or --lang.
  QObject::connect(chinese, &QAction::triggered, &window, [] {
    RememberLanguage(true);
    UseQtTranslations(true);
  });
  QObject::connect(english, &QAction::triggered, &window, [] {
    RememberLanguage(false);
    UseQtTranslations(false);
  });

  if (!options.port.empty()) {
    AppSettings& settings = window.Settings();
    settings.PortGiven = settings.ComDevice = options.port;
    window.SetPanelText(3, QString::fromStdString(settings.PortPanelText()));
    // A path rarely fits the narrow panel; the whole of it shows on hover.
    window.Panel(3)->setToolTip(QString::fromStdString(options.port));
  }
}

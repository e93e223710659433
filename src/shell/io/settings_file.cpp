#include "shell/io/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

namespace {

QSettings File() {
  return QSettings(SettingsFilePath(), QSettings::IniFormat);
}

}  // namespace

QString SettingsFilePath() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(config).filePath(QStringLiteral("rt410-cps/rt410-cps.conf"));
}

std::optional<bool> RememberedLanguage() {
  const QString language = File().value(QStringLiteral("language")).toString();
  if (language == QLatin1String("zh")) return true;
  if (language == QLatin1String("en")) return false;
  return std::nullopt;
}

void RememberLanguage(bool chinese) {
  File().setValue(QStringLiteral("language"),
                  chinese ? QStringLiteral("zh") : QStringLiteral("en"));
}

QString RememberedFolder() {
  return File().value(QStringLiteral("FileDialogs/folder")).toString();
}

void RememberFolder(const QString& folder) {
  File().setValue(QStringLiteral("FileDialogs/folder"), folder);
}

std::unique_ptr<QTemporaryDir> KeepQtDialogHistoryAside() {
  auto scratch = std::make_unique<QTemporaryDir>();
  if (!scratch->isValid()) return nullptr;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch->path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch->path());
  return scratch;
}

bool UseQtTranslations(bool chinese) {
  // The one installed is a child of the application, found again by its name.
  QCoreApplication* app = QCoreApplication::instance();
  const QString name = QStringLiteral("rt410_qtbase");
  delete app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
  // Dates and file types in Qt's dialogs follow the language too.
  const QLocale system = QLocale::system();
  const QLocale english = system.language() == QLocale::Chinese
                              ? QLocale(QLocale::English, QLocale::UnitedStates)
                              : system;
  const QLocale chineseLocale(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese ? chineseLocale : english);
  if (!chinese) return true;
  auto translator = std::make_unique<QTranslator>();
  translator->setObjectName(name);
  if (!translator->load(chineseLocale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  translator.release()->setParent(app);
  return true;
}

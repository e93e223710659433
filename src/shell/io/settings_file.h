#pragma once
// What rt410-cps keeps between runs, in its one settings file through QSettings
// (~/.config/rt410-cps/rt410-cps.conf on Linux): the language last chosen in the
// Language menu and the folders the file dialogs were last used in.
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

QString SettingsFilePath();

// true Chinese, false English; nothing when the menu was never used.
std::optional<bool> RememberedLanguage();
void RememberLanguage(bool chinese);

// The folder of the last file the file dialogs read or wrote.
QString RememberedFolder();
void RememberFolder(const QString& folder);

// Qt's own file dialog writes its history to QtProject.conf; where Qt allows it (Linux
// and the other systems of INI settings) it goes to the scratch folder returned, which
// goes with its owner.
std::unique_ptr<QTemporaryDir> KeepQtDialogHistoryAside();

// Qt's own texts (the file dialog, the standard buttons of message boxes) in the
// program's language: the system's qtbase catalogue for Chinese, none for English;
// Qt's default locale (dates, file types) goes with it.
// False when the Chinese catalogue cannot be found.
bool UseQtTranslations(bool chinese);

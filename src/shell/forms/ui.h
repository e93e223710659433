#pragma once
// What every window needs: the caption language and the one message box.
#include <QString>
#include <QStringList>
#include <functional>

#include "shell/radio_document.h"

// The Chinese or the English text, chosen by the settings' language at the moment of the call.
inline QString Lang(const AppSettings& settings, const char* chinese, const char* english) {
  return QString::fromUtf8(settings.Text(chinese, english));
}
// The title of a box given none: "操作提示" / "Operate prompt".
QString PromptTitle(bool chinese);

enum class MsgIcon { Warning, Information, None };

// The only way a modal message box is shown: one OK button, a warning icon, and
// the title given (PromptTitle for the usual one). An informative
// text, when given, stands under the main text as the box's second part.
void ShowMessage(const QString& text, const QString& title,
                 MsgIcon icon = MsgIcon::Warning, const QString& informative = QString());

// Tests replace the box with a recorder that returns at once; an empty hook
// restores the real box.
using MessageHook = std::function<void(const QString& title, const QString& text, MsgIcon icon)>;
void SetMessageHook(MessageHook hook);
// The same with the informative text; it takes precedence over a MessageHook.
using DetailedMessageHook = std::function<void(const QString& title, const QString& text,
                                               MsgIcon icon, const QString& informative)>;
void SetDetailedMessageHook(DetailedMessageHook hook);

// The same box as a question: the buttons given, in order, and the index of the
// one chosen (the last, as a cancel, when the box is closed another way). With a
// message hook (either kind) set, the hook records the question and the answer hook answers it
// (the last button when there is none).
int ShowQuestion(const QString& text, const QStringList& buttons, const QString& title);
using AnswerHook = std::function<int(const QString& text, const QStringList& buttons)>;
void SetAnswerHook(AnswerHook hook);

// The platform's file dialog: open an existing file or name one to save, starting
// in folder (a folder, or a suggested file in it), offering filter ("CSV (*.csv)").
// A saved name without a suffix gets defaultSuffix. Empty when the user cancels. A
// start that has gone or lies in /proc, /sys or /dev becomes the home folder.
enum class FileDialogMode { Open, Save };
struct FileRequest {
  FileDialogMode mode = FileDialogMode::Open;
  QString caption;
  QString start;
  QString filter;
  QString defaultSuffix;
};
QString ChooseFile(const FileRequest& request);
// Tests answer the dialog instead; an empty hook restores the real dialog.
using FileDialogHook = std::function<QString(const FileRequest& request)>;
void SetFileDialogHook(FileDialogHook hook);

// Lengths of the window layouts are given in twips: 1440 to the inch, 15 to a pixel.
constexpr int Twips(double twips) {
  return static_cast<int>(twips / 15.0);
}

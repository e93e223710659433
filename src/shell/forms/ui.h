#pragma once
// What every window needs: the caption language and the one message box.
#include <QString>
#include <functional>

#include "shell/state.h"

// The Chinese or the English text, chosen by LangChinese at the moment of the call.
inline QString Lang(const char* chinese, const char* english) {
  return QString::fromUtf8(LangChinese ? chinese : english);
}

enum class MsgIcon { Warning, None };

// The only way a modal message box is shown: one OK button, a warning icon, and
// the title "操作提示" / "Operate prompt" unless another is given. An informative
// text, when given, stands under the main text as the box's second part.
void ShowMessage(const QString& text, const QString& title = QString(),
                 MsgIcon icon = MsgIcon::Warning, const QString& informative = QString());

// Tests replace the box with a recorder that returns at once; an empty hook
// restores the real box.
using MessageHook = std::function<void(const QString& title, const QString& text, MsgIcon icon)>;
void SetMessageHook(MessageHook hook);
// The same with the informative text; it takes precedence over a MessageHook.
using DetailedMessageHook = std::function<void(const QString& title, const QString& text,
                                               MsgIcon icon, const QString& informative)>;
void SetDetailedMessageHook(DetailedMessageHook hook);

// Lengths of the window layouts are given in twips: 1440 to the inch, 15 to a pixel.
constexpr int Twips(double twips) {
  return static_cast<int>(twips / 15.0);
}

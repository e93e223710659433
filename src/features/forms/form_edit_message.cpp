#include "features/forms/form_edit_message.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "features/forms/editor_controls.h"
#include "features/message_codec.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

namespace {

// Characters a message can hold, as their single-byte codes; every other is dropped.
std::string MessageBytes(const QString& text) {
  std::string bytes;
  for (const QChar c : text) {
    if (MessageCharAllowed(c.unicode())) bytes += static_cast<char>(c.unicode());
  }
  return bytes;
}

bool HasCharacterBeyondMessageRange(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
}

}  // namespace

Form_Edit_Message::Form_Edit_Message(MDImain* main) : ChildForm(main) {
  const QFont font(QStringLiteral("MS Sans Serif"), 12);
  for (int message = 1; message <= kMessageCount; ++message) {
    auto* box = Named<TextBox>(this, message == 1 ? "Text_MS1" : "Text_MS2");
    box->setFont(font);
    // Input methods compose characters a message cannot hold.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->SetKeyPress([box](QKeyEvent* event) {
      if (!TypesText(event)) return false;
      if (TrimmedLength(box->text().toStdString()) >= kMessageLength) return true;
      return HasCharacterBeyondMessageRange(event->text());
    });
    connect(box, &QLineEdit::textEdited, this, [this, message] { MessageEdited(message); });
    (message == 1 ? Text_MS1 : Text_MS2) = box;
  }
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addWidget(Text_MS1);
  layout->addSpacing(12);
  layout->addWidget(Text_MS2);
  layout->addStretch(1);
  auto* buttons = CentredRow({Command_Close, Command_Help});
  layout->addLayout(buttons);

  connect(Command_Close, &QPushButton::clicked, this, &Form_Edit_Message::Command_Close_Click);
}

void Form_Edit_Message::Form_Load() {
  const QSize frame = MainFrameSize();
  const int width = frame.width() / 2;
  const int height = static_cast<int>(frame.height() / 2.8);
  PlaceWindow((frame.width() - width) / 2, (frame.height() - height) / 4, width, height);
  SetCaption(Lang("嵌入信息", "Embedded Message"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));
  Read_Message();
}

void Form_Edit_Message::Read_Message() {
  // setText is no user edit: decoding stores nothing.
  for (int message = 1; message <= kMessageCount; ++message) {
    Box(message)->setText(QString::fromLatin1(DecodeMessage(message, Doc().Image())));
  }
}

void Form_Edit_Message::Write_Message(int message) {
  EncodeMessage(message, MessageBytes(Box(message)->text()), Doc().EditImage());
}

void Form_Edit_Message::MessageEdited(int message) {
  TextBox* box = Box(message);
  const std::string bytes = MessageBytes(box->text());
  const QString kept = QString::fromLatin1(CutToMessageLength(bytes));
  if (kept != box->text()) {
    // Pasted or dropped text: what cannot be stored never shows.
    const int cursor =
        std::min(static_cast<int>(MessageBytes(box->text().left(box->cursorPosition())).size()),
                 static_cast<int>(kept.size()));
    box->setText(kept);
    box->setCursorPosition(cursor);
  }
  Write_Message(message);
}

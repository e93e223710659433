#include "files/forms/chann_forms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>
#include <string_view>

#include "files/channel_file.h"
#include "files/channel_file_messages.h"
#include "files/forms/file_lists.h"
#include "image/radio_image.h"
#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

namespace {
// Taken as the program starts, before anything could move the working folder.
const QString g_startDir = QDir::currentPath();

constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

bool IsOnVolume(const QString& path, const QString& root) {
  if (path.compare(root, kPathCase) == 0) return true;
  const QString prefix = root.endsWith('/') ? root : root + '/';
  return path.startsWith(prefix, kPathCase);
}

QString Shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}
}  // namespace

QString ChannFileDir(const AppSettings& settings) {
  return settings.ChannFileDir.empty() ? g_startDir : QString::fromStdString(settings.ChannFileDir);
}

void SetChannFileDir(AppSettings& settings, const QString& dir) {
  settings.ChannFileDir = dir.toStdString();
}

void ResetChannFileDir(AppSettings& settings) {
  settings.ChannFileDir.clear();
}

QString LoadChannFile(MDImain& main, const QString& path, ImageSource source) {
  auto Lang = [&main](const char* chinese, const char* english) {
    return main.Lang(chinese, english);
  };
  const QString file = Shown(path);
  const QFileInfo info(path);
  if (!info.exists()) {
    return Lang("文件 %1 不存在，信道参数未调入。",
                "The file %1 does not exist; no channel parameter was loaded.")
        .arg(file);
  }
  // A folder, a pipe or a device would not be a channel file, and a pipe could hang the reading.
  if (!info.isFile()) {
    return Lang("%1 不是文件，信道参数未调入。",
                "%1 is not a file; no channel parameter was loaded.")
        .arg(file);
  }
  QFile input(path);
  QByteArray bytes;
  if (input.open(QIODevice::ReadOnly)) {
    bytes = input.read(static_cast<qint64>(kChannelFileMaxBytes) + 1);
  }
  if (!input.isOpen() || input.error() != QFileDevice::NoError) {
    return Lang("无法读取文件 %1，信道参数未调入。",
                "The file %1 cannot be read; no channel parameter was loaded.")
        .arg(file);
  }
  input.close();

  RadioImage image = main.Document().Image();
  const ChannelFileCheck check = LoadChannelFileText(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), image);
  const std::string fault =
      ChannelFileFaultText(check, file.toStdString(), main.Settings().LangChinese);
  if (!fault.empty()) return QString::fromStdString(fault);
  main.Document().SetFileName(path.toStdString());
  main.Document().Enter(image, source);
  return {};
}

ChannFileForm::ChannFileForm(MDImain* main, const char* nameLabel, LangPair caption,
                             LangPair nameCaption)
    : ChildForm(main), caption_(caption), nameCaption_(nameCaption) {
  Label_drive = Named<QLabel>(this, "Label_drive");
  Drive1 = Named<ComboBox>(this, "Drive1");
  Dir1 = Named<DirListBox>(this, "Dir1");
  File1 = Named<FileListBox>(this, "File1");
  nameLabel_ = Named<QLabel>(this, nameLabel);
  Text1 = Named<TextBox>(this, "Text1");
  Command_enter = Named<QPushButton>(this, "Command_enter");
  Command_close = Named<QPushButton>(this, "Command_close");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label_drive, 0, 0);
  grid->addWidget(Drive1, 0, 1);
  grid->addWidget(Dir1, 1, 0, 1, 2);
  grid->addWidget(File1, 1, 2);
  grid->addWidget(nameLabel_, 2, 0);
  grid->addWidget(Text1, 2, 1, 1, 2);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  auto* buttons = CentredRow({Command_enter, Command_close, Command_Help}, 24);
  grid->addLayout(buttons, 3, 0, 1, 3);

  connect(Drive1, &ComboBox::Click, this, &ChannFileForm::Drive1_Click);
  connect(Dir1, &DirListBox::Change, this, &ChannFileForm::Dir1_Change);
  connect(File1, &FileListBox::Click, this, &ChannFileForm::File1_Click);
  connect(Text1, &QLineEdit::returnPressed, this, [this] { Command_enter_Click(); });
  connect(Command_enter, &QPushButton::clicked, this, [this] { Command_enter_Click(); });
  connect(Command_close, &QPushButton::clicked, this, &ChannFileForm::Command_close_Click);
}

void ChannFileForm::Form_Load() {
  SetCaption(Lang(caption_.chinese, caption_.english));
  Label_drive->setText(Lang("驱动器：", "Drive:"));
  nameLabel_->setText(Lang(nameCaption_.chinese, nameCaption_.english));
  Command_enter->setText(Lang("确  定", "Confirm"));
  Command_close->setText(Lang("取  消", "Cancel"));
  Command_Help->setText(Lang("帮助", "Help"));

  const QSize frame = MainFrameSize();
  const int width = static_cast<int>(frame.width() / 1.5);
  const int height = static_cast<int>(frame.height() / 1.3);
  PlaceWindow((frame.width() - width) / 2, 0, width, height);

  FillDrives();
  File1->SetPatterns({QStringLiteral("*.chann"), QStringLiteral("*.CHANN")});
  Dir1->SetPath(ChannFileDir(Settings()));
  File1->SetPath(Dir1->Path());
  ShowDriveOf(Dir1->Path());
  Text1->setText(QStringLiteral("*.chann"));
}

void ChannFileForm::Form_Activate() {
  // Only as the dialog opens: coming back to it keeps the focus where the user left it.
  if (focused_) return;
  focused_ = true;
  Text1->setFocus(Qt::OtherFocusReason);
  Text1->selectAll();
}

void ChannFileForm::FillDrives() {
  Drive1->clear();
  QStringList roots;
#ifdef Q_OS_WIN
  for (const QFileInfo& drive : QDir::drives()) roots << drive.absoluteFilePath();
#else
  roots << QDir::rootPath();
  QStringList volumes;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString root = volume.rootPath();
    if (volume.isValid() && QFileInfo(root).isDir() && !roots.contains(root) &&
        !volumes.contains(root)) {
      volumes << root;
    }
  }
  volumes.sort();
  roots << volumes;
#endif
  for (const QString& root : roots) Drive1->addItem(Shown(root), root);
}

void ChannFileForm::ShowDriveOf(const QString& path) {
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < Drive1->count(); ++i) {
    const QString root = Drive1->itemData(i).toString();
    if (IsOnVolume(path, root) && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  if (best < 0) {
    // A folder on no listed drive (a network share): its own volume joins the list.
    const QString root = QStorageInfo(path).isValid() ? QStorageInfo(path).rootPath() : path;
    Drive1->addItem(Shown(root), root);
    best = Drive1->count() - 1;
  }
  Drive1->setCurrentIndex(best);
}

void ChannFileForm::Drive1_Click() {
  const QString root = Drive1->currentData().toString();
  const QStorageInfo volume(root);
  if (!QFileInfo(root).isDir() || !QDir(root).isReadable() ||
      (volume.isValid() && !volume.isReady())) {
    const QString drive = Drive1->currentText();
    ShowDriveOf(Dir1->Path());
    Warn(Lang("驱动器 %1 未准备好。", "The drive %1 is not ready.").arg(drive));
    return;
  }
  Dir1->SetPath(root);
  File1->SetPath(Dir1->Path());
}

void ChannFileForm::Dir1_Change() {
  File1->SetPath(Dir1->Path());
  SetChannFileDir(Settings(), Dir1->Path());
  ShowDriveOf(Dir1->Path());
}

void ChannFileForm::File1_Click() {
  const QString name = File1->FileName();
  if (!name.isEmpty()) Text1->setText(name);
}

bool ChannFileForm::NameAccepted(const QString& invalidName, const QString& wrongSuffix) {
  switch (CheckChannelFileName(Text1->text().toStdString())) {
    case ChannelFileName::InvalidName:
      Warn(invalidName);
      return false;
    case ChannelFileName::WrongSuffix:
      Warn(wrongSuffix);
      return false;
    case ChannelFileName::Good:
      break;
  }
  return true;
}

QString ChannFileForm::ChosenPath() const {
  const std::string name = TrimmedChannelFileName(Text1->text().toStdString());
  return QDir(Dir1->Path()).filePath(QString::fromStdString(name));
}

Form_open_chann::Form_open_chann(MDImain* main)
    : ChannFileForm(main, "Label_Name", {"打开信道参数文件", "Open Channcle File"},
                    {"打开文件名：", "Open File:"}),
      Label_Name(NameLabel()) {}

void Form_open_chann::Command_enter_Click() {
  if (!NameAccepted(
          Lang("打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "),
          Lang("无效的信道参数文件后缀名！", "Nullity file suffix name of channel parameter."))) {
    return;
  }

  const QString problem = LoadChannFile(*Main(), ChosenPath());
  if (!problem.isEmpty()) {
    Warn(problem);
    return;
  }
  // The window may have gone under its box (a reopen, a language switch): then it is done.
  if (!Warn(Lang("信道参数从文件调入成功 ！", "Succeed fold the channel parameter from file.")))
    return;
  Unload();
}

void OpenFileGivenAtStart(MDImain& main, const QStringList& arguments) {
  if (arguments.size() != 1) return;
  const QString& path = arguments.front();
  if (!path.endsWith(QLatin1String(".chann")) && !path.endsWith(QLatin1String(".CHANN"))) return;
  const QString problem = LoadChannFile(main, path, ImageSource::Start);
  if (!problem.isEmpty()) ShowMessage(problem, PromptTitle(main.Settings().LangChinese));
}

Form_save_chann::Form_save_chann(MDImain* main)
    : ChannFileForm(main, "Label_name", {"保存信道参数文件", "Save Channel File"},
                    {"保存文件名：", "Save File:"}),
      Label_name(NameLabel()) {}

void Form_save_chann::Command_enter_Click() {
  // The save dialog only advises against another suffix, but still saves nothing.
  if (!NameAccepted(Lang("保存信道参数所需要的文件名无效 ",
                         "Store the file name of channel parameter need is nullity. "),
                    Lang("建议不要修改系统默认的文件后缀名！",
                         "Advice don't modify file suffix name of system default ！"))) {
    return;
  }

  // Written beside the target and renamed over it only when complete, so a full
  // disk or a refused write never leaves a cut-off file behind.
  const QString path = ChosenPath();
  const std::string text = ChannelFileText(Doc().Image());
  const auto size = static_cast<qint64>(text.size());
  QSaveFile output(path);
  const bool saved = output.open(QIODevice::WriteOnly) && output.write(text.data(), size) == size &&
                     output.commit();
  if (!saved) {
    Warn(Lang("无法写入文件 %1，信道参数未保存，原有文件保持不变。",
              "The file %1 could not be written; the channel parameters were not saved and "
              "an existing file was left unchanged.")
             .arg(Shown(path)));
    return;
  }
  Doc().SetFileName(path.toStdString());
  Doc().MarkSaved();
  if (!Warn(Lang("信道参数保存完毕 ！", "Complete storing channel parameter."))) return;
  Unload();
}

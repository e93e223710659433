#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <string>

#include "features/option_codec.h"
#include "files/channel_file.h"
#include "files/forms/chann_forms.h"
#include "files/forms/file_lists.h"
#include "shell/forms/controls.h"
#include "support/gui_test.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

namespace {

QString U(const char* s) {
  return QString::fromUtf8(s);
}

// Distinct values outside rows 0..255, columns 0..15, so a stray write shows.
void MarkOutsideCells(int seed) {
  for (int row = 0; row < RadioImage::kRows; ++row) {
    for (int col = 0; col < RadioImage::kCols; ++col) {
      if (row >= 256 || col >= 16) Image(row, col) = static_cast<std::uint8_t>(row + col * seed);
    }
  }
}

void FillFileCells(std::uint8_t value) {
  for (int row = 0; row < 256; ++row) {
    for (int col = 0; col < 16; ++col) Image(row, col) = value;
  }
}

class ChannFormTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    SetChannFileDir(Settings(), dir.path());
  }
  void TearDown() override {
    ResetChannFileDir(Settings());
    GuiTest::TearDown();
  }

  QString PathOf(const QString& name) const { return QDir(dir.path()).filePath(name); }
  void WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  QByteArray ReadFile(const QString& name) const {
    QFile file(PathOf(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QStringList Entries(const QString& folder) const {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
  }

  // The user empties the name box and types a name.
  static void TypeName(ChannFileForm* form, const QString& name) {
    form->Text1->setFocus();
    QTest::keyClick(form->Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->Text1, Qt::Key_Delete);
    QTest::keyClicks(form->Text1, name);
    ASSERT_EQ(form->Text1->text(), name);
  }
  static void Confirm(ChannFileForm* form) {
    QTest::mouseClick(form->Command_enter, Qt::LeftButton);
  }
  static void ClickFile(ChannFileForm* form, const QString& name) {
    const auto found = form->File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(form->File1->viewport(), Qt::LeftButton, {},
                      form->File1->visualItemRect(found.front()).center());
  }
  static void OpenFolder(ChannFileForm* form, const QString& path) {
    QTreeWidgetItem* item = form->Dir1->ItemFor(path);
    ASSERT_NE(item, nullptr) << path.toStdString();
    form->Dir1->scrollToItem(item);
    // A double click arrives as a click followed by the double-click event.
    const QPoint at = form->Dir1->visualItemRect(item).center();
    QTest::mouseClick(form->Dir1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(form->Dir1->viewport(), Qt::LeftButton, {}, at);
  }
  static void ChooseDrive(ChannFileForm* form, int index) {
    form->Drive1->setCurrentIndex(index);
    emit form->Drive1->activated(index);  // as a pick from the list
  }
  static QStringList Files(ChannFileForm* form) {
    QStringList names;
    for (int i = 0; i < form->File1->count(); ++i) names << form->File1->item(i)->text();
    return names;
  }
  bool IsOpen(const char* formName) const {
    ChildForm* form = main->FindChildForm(QString::fromLatin1(formName));
    return form && !form->Unloaded();
  }

  QTemporaryDir dir;
};

TEST_F(ChannFormTest, MenusAndToolbarOpenTheDialogsAndCancelCloses) {
  const auto toolbar = [this](const char* key) {
    for (QAction* action : main->Toolbar1->actions()) {
      if (action->objectName() == QLatin1String(key)) action->trigger();
    }
  };
  const std::pair<std::function<void()>, const char*> commands[] = {
      {[this] { main->File_Open->trigger(); }, "Form_open_chann"},
      {[&] { toolbar("open"); }, "Form_open_chann"},
      {[this] { main->File_save->trigger(); }, "Form_save_chann"},
      {[this] { main->File_saveas->trigger(); }, "Form_save_chann"},
      {[&] { toolbar("save"); }, "Form_save_chann"},
  };
  for (const auto& [command, formName] : commands) {
    command();
    ProcessEvents();
    auto* form = qobject_cast<ChannFileForm*>(main->FindChildForm(QString::fromLatin1(formName)));
    ASSERT_NE(form, nullptr) << formName;
    EXPECT_TRUE(main->FormOpenFlag(formName));
    EXPECT_EQ(form->Dir1->Path(), dir.path());
    QTest::mouseClick(form->Command_close, Qt::LeftButton);
    ProcessEvents();
    EXPECT_FALSE(IsOpen(formName));
    EXPECT_FALSE(main->FormOpenFlag(formName));
  }
  EXPECT_TRUE(messages.empty());
}

struct CaptionCase {
  const char* formName;
  bool chinese;
  const char* caption;
  const char* drive;
  const char* nameLabelObject;
  const char* name;
  const char* enter;
  const char* close;
};

class ChannFormCaptions : public ChannFormTest,
                          public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(ChannFormCaptions, CaptionsPlacementAndStartState) {
  const CaptionCase& c = GetParam();
  if (!c.chinese) main->Language_eng->trigger();
  WriteFile("b.chann", "");
  WriteFile("A.CHANN", "");
  WriteFile("c.Chann", "");
  WriteFile("d.txt", "");
  WriteFile("e.chann.bak", "");
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.chann"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));

  auto* form = Open<ChannFileForm>(c.formName);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), U(c.caption));
  EXPECT_EQ(form->SubWindow()->windowTitle(), U(c.caption));
  EXPECT_EQ(form->Label_drive->text(), U(c.drive));
  auto* nameLabel = form->findChild<QLabel*>(QString::fromLatin1(c.nameLabelObject));
  ASSERT_NE(nameLabel, nullptr);
  EXPECT_EQ(nameLabel->text(), U(c.name));
  EXPECT_EQ(form->Command_enter->text(), U(c.enter));
  EXPECT_EQ(form->Command_close->text(), U(c.close));

  const QSize frame = main->frameGeometry().size();
  const QRect placed = form->SubWindow()->geometry();
  EXPECT_EQ(placed.width(), static_cast<int>(frame.width() / 1.5));
  EXPECT_EQ(placed.height(), static_cast<int>(frame.height() / 1.3));
  EXPECT_EQ(placed.left(), (frame.width() - placed.width()) / 2);
  EXPECT_EQ(placed.top(), 0);

  EXPECT_EQ(form->Text1->text(), "*.chann");
  EXPECT_EQ(form->focusWidget(), form->Text1);
  EXPECT_EQ(form->Text1->selectedText(), "*.chann");
  EXPECT_EQ(form->Dir1->Path(), dir.path());
  // Only the two suffixes a name may have, files only, in name order.
  EXPECT_EQ(Files(form), QStringList({"A.CHANN", "b.chann"}));
  EXPECT_NE(form->Dir1->ItemFor(PathOf("sub")), nullptr);
  EXPECT_NE(form->Dir1->ItemFor(PathOf("folder.chann")), nullptr);
  EXPECT_NE(form->Dir1->ItemFor(QDir::rootPath()), nullptr);
  EXPECT_EQ(form->Drive1->currentData().toString(), QStorageInfo(dir.path()).rootPath());
  EXPECT_EQ(form->Drive1->itemData(0).toString(), QDir::rootPath());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ChannFormCaptions,
    ::testing::Values(CaptionCase{"Form_open_chann", true, "打开信道参数文件", "驱动器：",
                                  "Label_Name", "打开文件名：", "确  定", "取  消"},
                      CaptionCase{"Form_open_chann", false, "Open Channcle File",
                                  "Drive:", "Label_Name", "Open File:", "Confirm", "Cancel"},
                      CaptionCase{"Form_save_chann", true, "保存信道参数文件", "驱动器：",
                                  "Label_name", "保存文件名：", "确  定", "取  消"},
                      CaptionCase{"Form_save_chann", false, "Save Channel File",
                                  "Drive:", "Label_name", "Save File:", "Confirm", "Cancel"}),
    [](const auto& p) {
      return std::string(p.param.formName) + (p.param.chinese ? "_Chinese" : "_English");
    });

struct NameCase {
  const char* typed;  // null: the initial text, untouched
  bool invalid;       // the invalid-name message, otherwise the suffix message
};

const NameCase kRefusedNames[] = {{nullptr, true},
                                  {"*.chann", true},
                                  {"a$b.chann", true},
                                  {"sub/x.chann", true},
                                  {"sub\\x.chann", true},
                                  {"#.chann", true},
                                  {"radio.Chann", false},
                                  {"radio.chanN", false},
                                  {"ab", false},
                                  {".chan", false},
                                  {"", false},
                                  {"    ", false},
                                  {"radio.chann.bak", false}};

TEST_F(ChannFormTest, RefusedNamesGetTheirMessageInBothLanguages) {
  struct Texts {
    const char* formName;
    const char* invalid[2];  // Chinese, English
    const char* suffix[2];
  };
  const Texts dialogs[] = {
      {"Form_open_chann",
       {"打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "},
       {"无效的信道参数文件后缀名！", "Nullity file suffix name of channel parameter."}},
      {"Form_save_chann",
       {"保存信道参数所需要的文件名无效 ",
        "Store the file name of channel parameter need is nullity. "},
       {"建议不要修改系统默认的文件后缀名！",
        "Advice don't modify file suffix name of system default ！"}},
  };
  const RadioImage before = TheImage();
  for (int language = 0; language < 2; ++language) {
    if (language == 1) main->Language_eng->trigger();
    for (const Texts& d : dialogs) {
      for (const NameCase& n : kRefusedNames) {
        auto* form = Open<ChannFileForm>(d.formName);
        if (n.typed) TypeName(form, U(n.typed));
        messages.clear();
        Confirm(form);
        QTest::keyClick(form->Text1, Qt::Key_Return);
        const QString expected = U(n.invalid ? d.invalid[language] : d.suffix[language]);
        EXPECT_EQ(MessageTexts(), std::vector<QString>({expected, expected}))
            << d.formName << " " << (n.typed ? n.typed : "(initial)");
        for (const RecordedMessage& m : messages) {
          EXPECT_EQ(m.title, language == 0 ? U("操作提示") : U("Operate prompt"));
          EXPECT_EQ(m.icon, MsgIcon::Warning);
        }
        EXPECT_TRUE(IsOpen(d.formName));
      }
    }
  }
  EXPECT_EQ(Entries(dir.path()), QStringList());
  EXPECT_EQ(TheImage(), before);
}

TEST_F(ChannFormTest, SavedFreshImageLoadsBackCellForCell) {
  MarkOutsideCells(3);
  const RadioImage saved = TheImage();
  auto* save = Open<Form_save_chann>("Form_save_chann");
  TypeName(save, "radio.chann");
  QTest::keyClick(save->Text1, Qt::Key_Return);
  EXPECT_EQ(MessageTexts(), std::vector<QString>({U("信道参数保存完毕 ！")}));
  ProcessEvents();
  EXPECT_FALSE(IsOpen("Form_save_chann"));
  EXPECT_EQ(Entries(dir.path()), QStringList({"radio.chann"}));
  const QByteArray text = ReadFile("radio.chann");
  EXPECT_EQ(text.toStdString(), ChannelFileText(saved));
  EXPECT_TRUE(
      text.startsWith("255 255 255 255 255 255 255 255 255 255 255 255 255 255 255 255\r\n"));
  EXPECT_EQ(text.count("\r\n"), 256);

  FillFileCells(0);
  MarkOutsideCells(5);
  RadioImage expected = TheImage();
  for (int row = 0; row < 256; ++row) {
    for (int col = 0; col < 16; ++col) expected.at(row, col) = saved.at(row, col);
  }
  messages.clear();
  auto* load = Open<Form_open_chann>("Form_open_chann");
  ClickFile(load, "radio.chann");
  EXPECT_EQ(load->Text1->text(), "radio.chann");
  Confirm(load);
  EXPECT_EQ(MessageTexts(), std::vector<QString>({U("信道参数从文件调入成功 ！")}));
  ProcessEvents();
  EXPECT_FALSE(IsOpen("Form_open_chann"));
  EXPECT_EQ(TheImage(), expected);
}

TEST_F(ChannFormTest, LoadsAHandEditedUpperCaseFile) {
  main->Language_eng->trigger();
  QByteArray text;
  for (int n = 0; n < 4096; ++n) text += QByteArray::number(n % 251) + (n % 7 ? ", " : "\n");
  WriteFile("DEALER.CHANN", text);
  MarkOutsideCells(9);
  RadioImage expected = TheImage();
  for (int n = 0; n < 4096; ++n) expected.at(n / 16, n % 16) = static_cast<std::uint8_t>(n % 251);
  NormaliseErasedChannels(expected);  // what entering makes of it
  NormaliseFeatureCells(expected);

  auto* load = Open<Form_open_chann>("Form_open_chann");
  TypeName(load, "  DEALER.CHANN ");
  Confirm(load);
  EXPECT_EQ(MessageTexts(),
            std::vector<QString>({"Succeed fold the channel parameter from file."}));
  EXPECT_EQ(TheImage(), expected);
}

TEST_F(ChannFormTest, BadFilesAreRefusedAndChangeNothing) {
  main->Language_eng->trigger();
  const QByteArray good = QByteArray::fromStdString(ChannelFileText(TheImage()));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.chann"));
  WriteFile("short.chann", "1 2 3\r\n");
  WriteFile("big%1.chann", "0 1\r\n2 256 " + good);
  WriteFile("word.chann", "0 1\r\n2 x7 " + good);
  WriteFile("huge.chann", good + QByteArray(1024 * 1024, ' '));
  WriteFile("empty.chann", "");
  WriteFile("twice.chann", good + good.left(good.indexOf('\n') + 1));  // one line twice
  WriteFile("minus.chann", "0 1\r\n2 -5 " + good);
  struct Case {
    const char* name;
    const char* message;  // %1: the file
  };
  std::vector<Case> cases = {
      {"missing.chann", "The file %1 does not exist; no channel parameter was loaded."},
      {"folder.chann", "%1 is not a file; no channel parameter was loaded."},
      {"short.chann",
       "The file %1 holds only 3 numbers where a channel parameter file holds 4096; no channel "
       "parameter was loaded."},
      {"empty.chann",
       "The file %1 holds only 0 numbers where a channel parameter file holds 4096; no channel "
       "parameter was loaded."},
      {"big%1.chann",
       "The file %1 has the number 256 at line 2, position 3, which is not within 0 to 255; no "
       "channel parameter was loaded."},
      {"twice.chann",
       "The file %1 holds 4112 numbers where a channel parameter file holds 4096; no channel "
       "parameter was loaded."},
      {"minus.chann",
       "The file %1 has the number -5 at line 2, position 3, which is not within 0 to 255; no "
       "channel parameter was loaded."},
      {"word.chann",
       "The file %1 has \"x7\" at line 2, position 3, which is not a whole number; no channel "
       "parameter was loaded."},
      {"huge.chann",
       "The file %1 is larger than 1 MiB and is not a channel parameter file; no channel "
       "parameter was loaded."},
  };
#ifdef Q_OS_UNIX
  // A pipe is never opened: reading it would wait for a writer forever.
  ASSERT_EQ(::mkfifo(PathOf("pipe.chann").toLocal8Bit().constData(), 0600), 0);
  cases.push_back({"pipe.chann", "%1 is not a file; no channel parameter was loaded."});
#endif
  WriteFile("locked.chann", good);
  QFile::setPermissions(PathOf("locked.chann"), QFileDevice::Permissions());
  if (!QFile(PathOf("locked.chann")).open(QIODevice::ReadOnly)) {  // not when run as root
    cases.push_back(
        {"locked.chann", "The file %1 cannot be read; no channel parameter was loaded."});
  }

  FillFileCells(7);
  MarkOutsideCells(11);
  const RadioImage before = TheImage();
  auto* load = Open<Form_open_chann>("Form_open_chann");
  for (const Case& c : cases) {
    messages.clear();
    TypeName(load, c.name);
    Confirm(load);
    ASSERT_EQ(messages.size(), 1u) << c.name;
    EXPECT_EQ(messages[0].text, QString::fromLatin1(c.message).replace(
                                    "%1", QDir::toNativeSeparators(PathOf(c.name))));
    EXPECT_EQ(messages[0].title, "Operate prompt");
    EXPECT_TRUE(IsOpen("Form_open_chann")) << c.name;
    EXPECT_EQ(TheImage(), before) << c.name;
  }

  main->Language_chn->trigger();
  load = qobject_cast<Form_open_chann*>(main->FindChildForm("Form_open_chann"));
  ASSERT_NE(load, nullptr);
  messages.clear();
  TypeName(load, "big%1.chann");
  Confirm(load);
  EXPECT_EQ(MessageTexts(),
            std::vector<QString>({U("文件 %1 第 2 行第 3 个字符处的数 256 超出 0 到 "
                                    "255，信道参数未调入。")
                                      .replace("%1", PathOf("big%1.chann"))}));
  EXPECT_EQ(messages[0].title, U("操作提示"));
  EXPECT_EQ(TheImage(), before);
}

TEST_F(ChannFormTest, SavingReplacesAWholeLongerFile) {
  WriteFile("radio.CHANN", QByteArray(40000, '9'));
  auto* save = Open<Form_save_chann>("Form_save_chann");
  ClickFile(save, "radio.CHANN");
  Confirm(save);
  EXPECT_EQ(MessageTexts(), std::vector<QString>({U("信道参数保存完毕 ！")}));
  EXPECT_EQ(ReadFile("radio.CHANN").toStdString(), ChannelFileText(TheImage()));
  EXPECT_EQ(Entries(dir.path()), QStringList({"radio.CHANN"}));
}

TEST_F(ChannFormTest, FailedSavesSaySoAndLeaveNoFile) {
  main->Language_eng->trigger();
  ASSERT_TRUE(QDir(dir.path()).mkpath("folder.chann/inside"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
  SetChannFileDir(Settings(), PathOf("gone"));
  auto* save = Open<Form_save_chann>("Form_save_chann");
  ASSERT_EQ(save->Dir1->Path(), PathOf("gone"));
  ASSERT_TRUE(QDir(PathOf("gone")).removeRecursively());  // behind the dialog's back
  TypeName(save, "radio.chann");
  Confirm(save);
  const QString failed = QStringLiteral(
      "The file %1 could not be written; the channel parameters were not saved and an existing "
      "file was left unchanged.");
  EXPECT_EQ(MessageTexts(), std::vector<QString>({failed.arg(PathOf("gone/radio.chann"))}));
  EXPECT_TRUE(IsOpen("Form_save_chann"));
  EXPECT_FALSE(QFileInfo::exists(PathOf("gone")));

  messages.clear();
  SetChannFileDir(Settings(), dir.path());
  save = Open<Form_save_chann>("Form_save_chann");
  TypeName(save, "folder.chann");
  Confirm(save);
  EXPECT_EQ(MessageTexts(), std::vector<QString>({failed.arg(PathOf("folder.chann"))}));
  EXPECT_TRUE(QFileInfo(PathOf("folder.chann/inside")).isDir());
  EXPECT_EQ(Entries(dir.path()), QStringList({"folder.chann"}));
}

#ifdef Q_OS_UNIX
TEST_F(ChannFormTest, AFullDiskKeepsTheOldFile) {
  WriteFile("radio.chann", "the old contents");
  auto* save = Open<Form_save_chann>("Form_save_chann");
  TypeName(save, "radio.chann");

  // Writes past 4 KiB fail as on a full disk.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  Confirm(save);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.startsWith(U("无法写入文件 ")));
  EXPECT_EQ(ReadFile("radio.chann"), "the old contents");
  EXPECT_EQ(Entries(dir.path()), QStringList({"radio.chann"}));
  EXPECT_TRUE(IsOpen("Form_save_chann"));
}
#endif

TEST_F(ChannFormTest, FoldersAndDrivesAreBrowsedAndRemembered) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("sub/inner"));
  WriteFile("sub/x.chann", "");
  WriteFile("top.chann", "");
  auto* load = Open<Form_open_chann>("Form_open_chann");
  EXPECT_EQ(Files(load), QStringList({"top.chann"}));
  OpenFolder(load, PathOf("sub"));
  EXPECT_EQ(load->Dir1->Path(), PathOf("sub"));
  EXPECT_EQ(load->File1->Path(), PathOf("sub"));
  EXPECT_EQ(Files(load), QStringList({"x.chann"}));
  EXPECT_NE(load->Dir1->ItemFor(PathOf("sub/inner")), nullptr);
  EXPECT_EQ(ChannFileDir(Settings()), PathOf("sub"));
  QTest::mouseClick(load->Command_close, Qt::LeftButton);

  // The other dialog starts where the user went, and saves there.
  auto* save = Open<Form_save_chann>("Form_save_chann");
  EXPECT_EQ(save->Dir1->Path(), PathOf("sub"));
  TypeName(save, "new.chann");
  Confirm(save);
  EXPECT_TRUE(QFileInfo(PathOf("sub/new.chann")).isFile());

  save = Open<Form_save_chann>("Form_save_chann");
  OpenFolder(save, dir.path());
  EXPECT_EQ(save->Dir1->Path(), dir.path());
  EXPECT_EQ(Files(save), QStringList({"top.chann"}));

  ChooseDrive(save, 0);
  EXPECT_EQ(save->Dir1->Path(), QDir::rootPath());
  EXPECT_EQ(save->File1->Path(), QDir::rootPath());
  EXPECT_EQ(ChannFileDir(Settings()), QDir::rootPath());
  EXPECT_EQ(save->Drive1->currentIndex(), 0);
}

TEST_F(ChannFormTest, ADriveThatIsNotReadyKeepsTheFolder) {
  main->Language_eng->trigger();
  auto* load = Open<Form_open_chann>("Form_open_chann");
  const int shown = load->Drive1->currentIndex();
  load->Drive1->addItem("Z:", "/no/such/drive");
  ChooseDrive(load, load->Drive1->count() - 1);
  EXPECT_EQ(MessageTexts(), std::vector<QString>({"The drive Z: is not ready."}));
  EXPECT_EQ(load->Dir1->Path(), dir.path());
  EXPECT_EQ(load->Drive1->currentIndex(), shown);
  EXPECT_EQ(ChannFileDir(Settings()), dir.path());
}

TEST_F(ChannFormTest, StartsInTheWorkingFolderOrTheNearestThatStillExists) {
  ResetChannFileDir(Settings());
  auto* load = Open<Form_open_chann>("Form_open_chann");
  EXPECT_EQ(load->Dir1->Path(), QDir::currentPath());

  SetChannFileDir(Settings(), PathOf("removed/deeper"));
  load = Open<Form_open_chann>("Form_open_chann");
  EXPECT_EQ(load->Dir1->Path(), dir.path());
}

TEST_F(ChannFormTest, ArrowKeysInTheFileListPickTheName) {
  WriteFile("a.chann", "");
  WriteFile("b.chann", "");
  auto* save = Open<Form_save_chann>("Form_save_chann");
  save->File1->setFocus();
  QTest::keyClick(save->File1, Qt::Key_Down);
  EXPECT_EQ(save->Text1->text(), "a.chann");
  QTest::keyClick(save->File1, Qt::Key_Down);
  EXPECT_EQ(save->Text1->text(), "b.chann");
}

TEST_F(ChannFormTest, ALanguageSwitchReopensInTheSameFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  auto* load = Open<Form_open_chann>("Form_open_chann");
  OpenFolder(load, PathOf("sub"));
  main->Language_eng->trigger();
  ProcessEvents();
  load = qobject_cast<Form_open_chann*>(main->FindChildForm("Form_open_chann"));
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(load->windowTitle(), "Open Channcle File");
  EXPECT_EQ(load->Dir1->Path(), PathOf("sub"));
  EXPECT_EQ(load->Text1->text(), "*.chann");
}

// Writes a picture of each dialog when RT410_SCREENSHOT_DIR names a folder.
class ChannFormScreenshot : public ChannFormTest,
                            public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(ChannFormScreenshot, Dialog) {
  const QString out = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  const auto [formName, chinese] = GetParam();
  if (!chinese) main->Language_eng->trigger();
  // A fixed folder, so that the pictures show no temporary folder's random name.
  QDir samples(QDir::temp().filePath(QStringLiteral("radio-files")));
  samples.removeRecursively();
  ASSERT_TRUE(samples.mkpath("archive"));
  ASSERT_TRUE(samples.mkpath("customers"));
  for (const char* name :
       {"uhf-400-470.chann", "vhf-136-174.chann", "SHOP-DEFAULT.CHANN", "notes.txt"}) {
    QFile file(samples.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  SetChannFileDir(Settings(), samples.path());
  auto* form = Open<ChannFileForm>(formName);
  ASSERT_NE(form, nullptr);
  ClickFile(form, "uhf-400-470.chann");
  ProcessEvents();
  const QString file =
      QStringLiteral("%1/%2-%3.png").arg(out, QString::fromLatin1(formName), chinese ? "zh" : "en");
  EXPECT_TRUE(form->SubWindow()->grab().save(file));
  form->Unload();
  samples.removeRecursively();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ChannFormScreenshot,
    ::testing::Values(std::pair{"Form_open_chann", true}, std::pair{"Form_open_chann", false},
                      std::pair{"Form_save_chann", true}, std::pair{"Form_save_chann", false}),
    [](const auto& p) {
      return std::string(p.param.first) + (p.param.second ? "_Chinese" : "_English");
    });

}  // namespace

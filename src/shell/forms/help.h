#pragma once
// frmHelp: the user's guide in the caption language, rendered from its Markdown and
// scrolled to the section of the window whose Help button opened it.
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "shell/forms/child_form.h"

// The guide of a language, built into the program with its pictures.
QUrl GuideUrl(bool chinese);

// Shows a guide with its headings as Markdown draws them, also where a heading holds
// the anchor of a window, and scrolls to the anchor the address names. Pictures are
// shrunk to a width that leaves the text readable.
class GuideBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  using QTextBrowser::QTextBrowser;
  static constexpr int kMaxPictureWidth = 560;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
  QVariant loadResource(int type, const QUrl& name) override;
};

class frmHelp : public ChildForm {
  Q_OBJECT

 public:
  explicit frmHelp(MDImain* main);

  void Form_Load() override;
  // Sections of the guide scroll in place; other guides built in open here; web
  // addresses open in the browser.
  void Text_Guide_AnchorClicked(const QUrl& url);

  GuideBrowser* Text_Guide;
};

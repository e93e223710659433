#include "shell/forms/help.h"

#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

QUrl GuideUrl(bool chinese) {
  return QUrl(chinese ? QStringLiteral("qrc:/guide/user-guide.zh.md")
                      : QStringLiteral("qrc:/guide/user-guide.md"));
}

void GuideBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  QUrl page = name;
  page.setFragment(QString());
  QTextBrowser::doSetSource(page, type);
  // The anchor inside a heading comes in as HTML, which drops the heading's look.
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level == 0) continue;
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setProperty(QTextFormat::FontSizeAdjustment, 4 - level);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(heading);
  }
  document()->setModified(false);
  if (name.hasFragment()) scrollToAnchor(name.fragment());
}

QVariant GuideBrowser::loadResource(int type, const QUrl& name) {
  QVariant resource = QTextBrowser::loadResource(type, name);
  if (type != QTextDocument::ImageResource) return resource;
  QImage picture = resource.value<QImage>();
  if (picture.isNull()) picture.loadFromData(resource.toByteArray());
  if (picture.width() <= kMaxPictureWidth) return picture.isNull() ? resource : picture;
  return picture.scaledToWidth(kMaxPictureWidth, Qt::SmoothTransformation);
}

frmHelp::frmHelp(MDImain* main) : ChildForm(main) {
  Text_Guide = Named<GuideBrowser>(this, "Text_Guide");
  Text_Guide->setOpenLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Text_Guide);
  connect(Text_Guide, &QTextBrowser::anchorClicked, this, &frmHelp::Text_Guide_AnchorClicked);
}

void frmHelp::Form_Load() {
  SetCaption(Lang("帮助", "Help"));
  PlaceInMainFrame(1.25, 1.2, 0);
  QUrl guide = GuideUrl(Chinese());
  const QString topic = QString::fromStdString(Settings().HelpTopic);
  if (!topic.isEmpty()) guide.setFragment(topic);
  Text_Guide->setSource(guide, QTextDocument::MarkdownResource);
}

void frmHelp::Text_Guide_AnchorClicked(const QUrl& url) {
  if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
    QDesktopServices::openUrl(url);
    return;
  }
  const QUrl target = Text_Guide->source().resolved(url);
  if (target.path() == Text_Guide->source().path()) {
    Text_Guide->scrollToAnchor(target.fragment());
  } else if (target.scheme() == QLatin1String("qrc") && QFile::exists(':' + target.path())) {
    Text_Guide->setSource(target, QTextDocument::MarkdownResource);
  }
}

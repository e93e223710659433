#include "files/forms/file_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace {
constexpr int kPathRole = Qt::UserRole;

QString FolderName(const QDir& dir) {
  return dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath()) : dir.dirName();
}
}  // namespace

QString ExistingFolder(const QString& path) {
  if (path.isEmpty()) return {};
  QString folder = QDir::cleanPath(QDir(path).absolutePath());
  while (!QFileInfo(folder).isDir()) {
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent == folder) return {};
    folder = parent;
  }
  return folder;
}

DirListBox::DirListBox(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setIndentation(12);
  setExpandsOnDoubleClick(false);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    if (item) SetPath(item->data(0, kPathRole).toString());
  });
}

void DirListBox::SetPath(const QString& path) {
  QString folder = ExistingFolder(path);
  if (folder.isEmpty()) folder = QDir::rootPath();
  const bool changed = folder != path_;
  path_ = folder;
  Populate();
  if (changed) emit Change();
}

void DirListBox::Populate() {
  clear();
  QList<QDir> chain;
  for (QDir dir(path_);;) {
    chain.prepend(dir);
    if (dir.isRoot() || !dir.cdUp()) break;
  }
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  QTreeWidgetItem* parent = nullptr;
  for (const QDir& dir : chain) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, FolderName(dir));
    item->setIcon(0, open);
    item->setData(0, kPathRole, dir.absolutePath());
    parent = item;
  }
  const QDir current(path_);
  const QStringList subfolders =
      current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : subfolders) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, name);
    item->setIcon(0, closed);
    item->setData(0, kPathRole, current.absoluteFilePath(name));
  }
  expandAll();
  setCurrentItem(parent);
}

void DirListBox::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {
  // Every level is always open: no expand arrows that would suggest otherwise.
}

QTreeWidgetItem* DirListBox::ItemFor(const QString& path) const {
  for (QTreeWidgetItemIterator it(const_cast<DirListBox*>(this)); *it; ++it) {
    if ((*it)->data(0, kPathRole).toString() == path) return *it;
  }
  return nullptr;
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemClicked, this, [this] { emit Click(); });
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
  QListWidgetItem* before = currentItem();
  // The first arrow key picks the entry the focus frame is on instead of passing it.
  if (before && !before->isSelected() &&
      (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    before->setSelected(true);
    emit Click();
    return;
  }
  QListWidget::keyPressEvent(event);
  if (currentItem() && currentItem() != before) emit Click();
}

void FileListBox::SetPath(const QString& path) {
  path_ = path;
  Refresh();
}

void FileListBox::SetPatterns(const QStringList& patterns) {
  patterns_ = patterns;
  Refresh();
}

void FileListBox::Refresh() {
  clear();
  if (!path_.isEmpty()) {
    const QDir dir(path_);
    addItems(
        dir.entryList(patterns_, QDir::Files | QDir::CaseSensitive, QDir::Name | QDir::IgnoreCase));
  }
  setCurrentRow(-1);
}

QString FileListBox::FileName() const {
  const QListWidgetItem* item = currentItem();
  return item ? item->text() : QString();
}

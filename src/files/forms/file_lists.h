#pragma once
// The folder and file lists of the file dialogs, listing synchronously so what is
// shown is what is on disk at that moment.
//   DirListBox  the folders from the root down to Path(), then the folders inside
//               it; activating one (double click, Enter) makes it the path.
//               Change: the path changed, by the user or by SetPath.
//   FileListBox the files of Path() whose names match one of the patterns, case
//               sensitively. Click: the user picked a file (mouse or arrow keys).
#include <QListWidget>
#include <QStringList>
#include <QTreeWidget>

class DirListBox : public QTreeWidget {
  Q_OBJECT

 public:
  explicit DirListBox(QWidget* parent = nullptr);

  QString Path() const { return path_; }
  // A folder that no longer exists falls back to its nearest existing parent.
  void SetPath(const QString& path);
  // The entry that shows a folder, or null.
  QTreeWidgetItem* ItemFor(const QString& path) const;

 signals:
  void Change();

 protected:
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

 private:
  void Populate();

  QString path_;
};

class FileListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit FileListBox(QWidget* parent = nullptr);

  QString Path() const { return path_; }
  void SetPath(const QString& path);
  void SetPatterns(const QStringList& patterns);
  void Refresh();
  QString FileName() const;  // the picked file, empty when none

 signals:
  void Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString path_;
  QStringList patterns_;
};

// The nearest folder at or above path that exists; empty when there is none.
QString ExistingFolder(const QString& path);

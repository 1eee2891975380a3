#pragma once
// The program's own file dialog: a drive list (the mounted volumes), a folder list and the list
// of the folder's files that match the pattern, a name box that searches the list as the user
// types, and the description line of the file in view, which a save lets the user type.
// The caller sets it up from the shared FileDialog fields; Open (or Save) leaves the chosen
// path in FileDialogResult, Cancel leaves "" and sets LoadFailed.

#include <string>
#include <vector>

#include "files/file_windows.h"
#include "platform/qt/form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kestrelon {

class FrmFileOpen : public Form {
  Q_OBJECT

 public:
  FrmFileOpen();

  // The caller's part, after the load: caption, picture, button and the description shown.
  void SetUp(const FileDialogLook& look);

  QComboBox* Drvlist;
  QListWidget* Dirlist;
  QListWidget* Filist;
  QLabel* FolderLabel;
  QLineEdit* FileName;
  QLineEdit* File_Descript;
  QLabel* FileComment;
  QLabel* TypeIcon;
  QPushButton *OpenButton, *CancelButton;

  void OpenButton_Click();
  void CancelButton_Click();
  void Drvlist_Change();
  void Dirlist_Change(const QString& chosen);
  void Filist_Click();
  void Filist_DblClick();

  // The folder in view, ending in "/".
  const std::string& Folder() const { return folder_; }
  // The file list's entries, in list order.
  const std::vector<std::string>& Entries() const { return entries_; }

 protected:
  void Form_Load() override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFolder(const std::string& folder);
  void ApplyInitialPath();
  void BuildResultPath();
  void Search(const QString& text);
  std::string SelectedEntry() const;
  std::string Extension() const;
  void ShowDescriptionOf(const std::string& path);

  std::string folder_;
  std::vector<std::string> entries_;
  bool ready_ = false;      // painted at least once: the Open button works
  bool searching_ = false;  // the name box is searching the list
  bool firstPaint_ = true;
};

}  // namespace kestrelon

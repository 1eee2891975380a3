#include "files/ui/FrmFileOpen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/numbers.h"
#include "core/state.h"
#include "core/ui/pictures.h"
#include "files/file_dialog_paths.h"
#include "files/file_exists.h"
#include "platform/mount_table.h"
#include "platform/qt/text.h"

namespace kestrelon {

namespace {

constexpr const char* ParentFolder = "..";
constexpr int StripIconSize = 32;

// One icon of the main bar's strip (1-based), as the picture of a kind of file.
QPixmap StripIcon(int icon) {
  return QPixmap::fromImage(
      IconStripPicture().copy((icon - 1) * StripIconSize, 0, StripIconSize, StripIconSize));
}

QPixmap PictureOf(FilePicture picture) {
  constexpr int ChassisIcon = 4;  // "Chassis weight and dimensions"
  constexpr int EngineIcon = 6;   // "Power curve with no nitrous"
  switch (picture) {
    case FilePicture::Chassis: return StripIcon(ChassisIcon);
    case FilePicture::Engine: return StripIcon(EngineIcon);
    case FilePicture::File: break;
  }
  return QApplication::style()->standardPixmap(QStyle::SP_FileIcon);
}

std::vector<std::string> SortedNames(const QStringList& names) {
  std::vector<std::string> sorted;
  for (const QString& name : names) sorted.push_back(StdPath(name));
  std::sort(sorted.begin(), sorted.end());
  return sorted;
}

}  // namespace

FrmFileOpen::FrmFileOpen() : Form("FrmFileOpen", QStringLiteral(" "), false) {
  FileName = new QLineEdit(this);
  Filist = new QListWidget(this);
  FolderLabel = new QLabel(this);
  Dirlist = new QListWidget(this);
  Drvlist = new QComboBox(this);
  File_Descript = new QLineEdit(this);
  FileComment = new QLabel(this);
  TypeIcon = new QLabel(this);
  TypeIcon->setFixedSize(StripIconSize, StripIconSize);
  OpenButton = new QPushButton(QStringLiteral("Open"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  OpenButton->setDefault(true);
  SetCancelButton(CancelButton);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Filename"), this), 0, 0);
  grid->addWidget(FileName, 1, 0);
  grid->addWidget(Filist, 2, 0, 2, 1);
  grid->addWidget(FolderLabel, 0, 1);
  grid->addWidget(Dirlist, 1, 1, 2, 1);
  grid->addWidget(Drvlist, 3, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(TypeIcon, 0, Qt::AlignHCenter);
  side->addWidget(OpenButton);
  side->addWidget(CancelButton);
  side->addWidget(FileComment);
  side->addStretch();
  grid->addLayout(side, 0, 2, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("Description"), this), 4, 0);
  grid->addWidget(File_Descript, 5, 0, 1, 3);
  resize(560, 360);

  connect(OpenButton, &QPushButton::clicked, this, &FrmFileOpen::OpenButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &FrmFileOpen::CancelButton_Click);
  connect(Drvlist, &QComboBox::activated, this, [this] { Drvlist_Change(); });
  connect(Dirlist, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Dirlist_Change(item->text()); });
  connect(Filist, &QListWidget::itemSelectionChanged, this, &FrmFileOpen::Filist_Click);
  connect(Filist, &QListWidget::itemDoubleClicked, this, [this] { Filist_DblClick(); });
  FileName->installEventFilter(this);
}

void FrmFileOpen::Form_Load() {
  ready_ = false;
  searching_ = false;
  firstPaint_ = true;
  FileName->setText(QPath(Trim(S.FileDialogLastName)));
  ShowFolder(StdPath(QDir::currentPath()));
  CentreOnScreen();
}

void FrmFileOpen::SetUp(const FileDialogLook& look) {
  SetCaption(QText(look.title));
  TypeIcon->setPixmap(PictureOf(look.picture));
  FileComment->clear();
  File_Descript->setText(QText(Trim(S.DataDescription)));
  File_Descript->setReadOnly(S.FileDialogDescEditable == False);
  OpenButton->setText(QText(look.button));
  ShowFolder(folder_);  // the file list under the caller's pattern
}

std::string FrmFileOpen::Extension() const { return PatternExtension(S.FileDialogPattern); }

std::string FrmFileOpen::SelectedEntry() const {
  const int row = Filist->currentRow();
  if (row < 0 || !Filist->item(row)->isSelected()) return {};
  return entries_[static_cast<std::size_t>(row)];
}

void FrmFileOpen::ShowFolder(const std::string& folder) {
  folder_ = FolderWithSlash(folder);
  const QDir dir(QPath(folder_));
  FolderLabel->setText(QPath(folder_));

  Dirlist->clear();
  if (!dir.isRoot()) Dirlist->addItem(QString::fromLatin1(ParentFolder));
  for (const std::string& name : SortedNames(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)))
    Dirlist->addItem(QPath(name));

  // The drive is the mounted volume the folder lies on. The list comes from the mount table
  // alone: a volume that does not answer must not keep the dialog waiting.
  {
    const QSignalBlocker quiet(Drvlist);
    Drvlist->clear();
    const std::vector<std::string> volumes = MountedVolumes();
    for (const std::string& volume : volumes) Drvlist->addItem(QPath(FolderWithSlash(volume)));
    const auto drive = MountHolding(volumes, folder_);
    Drvlist->setCurrentIndex(drive ? static_cast<int>(*drive) : -1);
  }

  const QSignalBlocker quiet(Filist);
  Filist->clear();
  entries_.clear();
  for (const std::string& name : SortedNames(dir.entryList(QDir::Files)))
    if (MatchesPattern(name, S.FileDialogPattern)) entries_.push_back(name);
  for (const std::string& name : entries_) Filist->addItem(QPath(name));
}

void FrmFileOpen::Drvlist_Change() {
  if (Drvlist->currentIndex() >= 0) ShowFolder(StdPath(Drvlist->currentText()));
}

void FrmFileOpen::Dirlist_Change(const QString& chosen) {
  QDir dir(QPath(folder_));
  if (chosen == QLatin1String(ParentFolder) ? dir.cdUp() : dir.cd(chosen))
    ShowFolder(StdPath(dir.absolutePath()));
}

void FrmFileOpen::BuildResultPath() {
  if (auto path = DialogResultPath(folder_, StdPath(FileName->text()), SelectedEntry(), Extension()))
    S.FileDialogResult = *path;
}

void FrmFileOpen::ShowDescriptionOf(const std::string& path) {
  File_Descript->setText(QText(ReadFileDescription(path)));
}

void FrmFileOpen::Search(const QString& text) {
  if (auto row = IncrementalSearch(entries_, StdPath(text)))
    Filist->setCurrentRow(static_cast<int>(*row));
}

void FrmFileOpen::Filist_Click() {
  const std::string entry = SelectedEntry();
  if (entry.empty()) return;
  S.FileDialogResult = ListedName(entry, Extension());
  if (!searching_) FileName->setText(QPath(S.FileDialogResult));
  BuildResultPath();
  if (Trim(BoxText(File_Descript)).empty() || S.FileDialogDescEditable == False)
    ShowDescriptionOf(S.FileDialogResult);
}

void FrmFileOpen::Filist_DblClick() {
  Filist_Click();
  OpenButton_Click();
}

void FrmFileOpen::ApplyInitialPath() {
  if (S.FileDialogInitial.empty()) return;
  const InitialPath initial = SplitInitialPath(S.FileDialogInitial, Extension());
  if (initial.folder && QDir(QPath(*initial.folder)).exists()) ShowFolder(*initial.folder);
  FileName->setText(QPath(initial.name));
}

void FrmFileOpen::paintEvent(QPaintEvent* event) {
  Form::paintEvent(event);
  // The start path, the name's file and its description are taken in once, when the dialog is
  // first on screen; later paints leave what the user has done since.
  if (!firstPaint_) return;
  firstPaint_ = false;
  ApplyInitialPath();
  if (!Trim(StdPath(FileName->text())).empty()) {
    BuildResultPath();
    if (S.FileDialogDescEditable == False || Trim(BoxText(File_Descript)).empty())
      ShowDescriptionOf(S.FileDialogResult);
    Search(FileName->text());
  }
  // The name offered is selected, so that a name typed in its place replaces it.
  FileName->selectAll();
  if (isActiveWindow()) FileName->setFocus();
  ready_ = true;
}

bool FrmFileOpen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FileName) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
      const std::string entry = SelectedEntry();
      if (!entry.empty()) FileName->setText(QPath(DownArrowName(entry)));
    } else if (event->type() == QEvent::KeyRelease &&
               !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
      searching_ = true;
      Search(FileName->text());
      searching_ = false;
    } else if (event->type() == QEvent::FocusOut && IsLoaded() &&
               QApplication::focusWidget() != static_cast<QWidget*>(CancelButton) &&
               !Trim(StdPath(FileName->text())).empty()) {
      // Leaving the box for Cancel, or as the dialog goes, builds no path: Cancel keeps none.
      BuildResultPath();
      const std::string description = ReadFileDescription(S.FileDialogResult);
      if (!description.empty()) File_Descript->setText(QText(description));
    }
  }
  return Form::eventFilter(watched, event);
}

void FrmFileOpen::OpenButton_Click() {
  if (!ready_) return;  // pressed before the dialog was on screen
  BuildResultPath();
  // Read as its file line will hold it: a NUL or line end pasted in is a blank.
  S.DataDescription = Trim(BoxText(File_Descript));
  S.FileDialogLastName = StdPath(FileName->text());
  Unload();
}

void FrmFileOpen::CancelButton_Click() {
  S.FileDialogResult.clear();
  S.LoadFailed = True;
  Unload();
}

void FrmFileOpen::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!Dirlist->hasFocus() && !Drvlist->hasFocus()) OpenButton_Click();
      return;
    case Qt::Key_Escape: return CancelButton_Click();
    default: Form::keyPressEvent(event);
  }
}

void FrmFileOpen::closeEvent(QCloseEvent* event) {
  // The close box is the Cancel button.
  event->ignore();
  if (IsLoaded()) CancelButton_Click();
}

}  // namespace kestrelon

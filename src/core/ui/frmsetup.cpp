#include "core/ui/frmsetup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/commands.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/ui/pictures.h"
#include "core/units.h"
#include "platform/paths.h"
#include "platform/qt/help_window.h"
#include "platform/qt/printer.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"

namespace kestrelon {
namespace {

constexpr int kSetupHelpTopic = 14;
constexpr int kPreviewWidth = 160;
constexpr int kPreviewHeight = 120;

void Check(QCheckBox* box, Integer flag) { box->setChecked(flag != False); }

}  // namespace

frmsetup::frmsetup() : Form("frmsetup", QStringLiteral("Kestrelon Setup")) {
  Frame1 = new QGroupBox(QStringLiteral("Units of power"), this);
  OptBHP = new QRadioButton(QStringLiteral("Brake Horsepower"), Frame1);
  OptKW = new QRadioButton(QStringLiteral("Kilowatts"), Frame1);
  auto* powerUnits = new QVBoxLayout(Frame1);
  powerUnits->addWidget(OptBHP);
  powerUnits->addWidget(OptKW);

  Frame2 = new QGroupBox(QStringLiteral("Units for other graphs"), this);
  OptImperial = new QRadioButton(QStringLiteral("Imperial"), Frame2);
  OptMetric = new QRadioButton(QStringLiteral("Metric"), Frame2);
  auto* displayUnits = new QVBoxLayout(Frame2);
  displayUnits->addWidget(OptImperial);
  displayUnits->addWidget(OptMetric);

  HistoryLog = new QCheckBox(QStringLiteral("Maintain change history"), this);
  ShowToolTips = new QCheckBox(QStringLiteral("Show ToolTips"), this);
  ShowKestrelonLogo = new QCheckBox(QStringLiteral("Show Kestrelon logo"), this);
  Label1 = new QLabel(QStringLiteral("Kestrelon Data Directory"), this);
  KobexDir = new QLineEdit(this);
  Label2 = new QLabel(QStringLiteral("Engine Analyser Data Directory"), this);
  EADir = new QLineEdit(this);

  SplashFrame = new QGroupBox(QStringLiteral("Logo Picture"), this);
  SplashDefault = new QCheckBox(QStringLiteral("Use default picture"), SplashFrame);
  SplashLabel = new QLabel(QStringLiteral("Use this picture ..."), SplashFrame);
  SplashFile = new QLineEdit(SplashFrame);
  SplashBrowse = new QPushButton(QStringLiteral("..."), SplashFrame);
  SplashBrowse->setFixedWidth(32);
  TestImage = new QLabel(SplashFrame);
  TestImage->setFixedSize(kPreviewWidth, kPreviewHeight);
  TestImage->setFrameShape(QFrame::Box);
  TestImage->setAlignment(Qt::AlignCenter);
  auto* splash = new QGridLayout(SplashFrame);
  splash->addWidget(SplashDefault, 0, 0, 1, 2);
  splash->addWidget(SplashLabel, 1, 0, 1, 2);
  splash->addWidget(SplashFile, 2, 0);
  splash->addWidget(SplashBrowse, 2, 1);
  splash->addWidget(TestImage, 3, 0, 1, 2, Qt::AlignCenter);

  PrintSetup = new QPushButton(QStringLiteral("Printer..."), this);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  HelpButton = new QPushButton(QStringLiteral("Help"), this);
  OKButton->setDefault(true);
  SetCancelButton(CancelButton);

  SetTag(HistoryLog,
         QStringLiteral("Keep a log of every run and of the settings changed between runs"));
  SetTag(ShowToolTips, QStringLiteral("Show these hints over the controls of every window"));
  SetTag(ShowKestrelonLogo, QStringLiteral("Show the logo picture while the program starts"));
  SetTag(KobexDir, QStringLiteral("Folder where vehicle and power files are kept"));
  SetTag(EADir, QStringLiteral("Folder of engine curves exported by Engine Analyser"));
  SetTag(SplashBrowse, QStringLiteral("Choose a picture file for the logo"));
  SetTag(PrintSetup, QStringLiteral("Choose the printer and its settings"));

  auto* left = new QVBoxLayout;
  left->addWidget(Frame1);
  left->addWidget(Frame2);
  left->addWidget(HistoryLog);
  left->addWidget(ShowToolTips);
  left->addWidget(ShowKestrelonLogo);
  left->addWidget(Label1);
  left->addWidget(KobexDir);
  left->addWidget(Label2);
  left->addWidget(EADir);
  left->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(SplashFrame, 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(PrintSetup);
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addWidget(HelpButton);
  auto* all = new QVBoxLayout(this);
  all->addLayout(columns);
  all->addLayout(buttons);

  connect(OKButton, &QPushButton::clicked, this, &frmsetup::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmsetup::CancelButton_Click);
  connect(HelpButton, &QPushButton::clicked, this, &frmsetup::HelpButton_Click);
  connect(PrintSetup, &QPushButton::clicked, this, &frmsetup::PrintSetup_Click);
  connect(SplashBrowse, &QPushButton::clicked, this, &frmsetup::SplashBrowse_Click);
  connect(SplashDefault, &QCheckBox::clicked, this, &frmsetup::SplashDefault_Click);
}

void frmsetup::Form_Load() {
  CentreOnScreen();
  Check(HistoryLog, Cfg.HistoryLog);
  Check(ShowToolTips, Cfg.ShowToolTips);
  if (Cfg.ShowToolTips != False) ApplyTags();
  (Cfg.PUnits == "M" ? OptKW : OptBHP)->setChecked(true);
  (Cfg.DUnits == "M" ? OptMetric : OptImperial)->setChecked(true);
  Check(ShowKestrelonLogo, Cfg.ShowLogo);
  SplashDefault->setChecked(Cfg.SplashImage.empty());
  SplashFile->setText(QPath(Cfg.SplashImage));
  SplashDefault_Click();
  KobexDir->setText(QPath(Trim(Cfg.DataPath)));
  EADir->setText(QPath(Trim(Cfg.EADataPath)));
}

void frmsetup::OKButton_Click() {
  Cfg.DataPath = CompleteFolder(Trim(StdPath(KobexDir->text())));
  Cfg.EADataPath = CompleteFolder(Trim(StdPath(EADir->text())));
  Cfg.HistoryLog = ToFlag(HistoryLog->isChecked());
  Cfg.ShowToolTips = ToFlag(ShowToolTips->isChecked());

  Cfg.PUnits = OptKW->isChecked() ? "M" : "I";
  ApplyPowerUnit(OptKW->isChecked() ? "KW" : "BHP");

  const std::string units = OptMetric->isChecked() ? "M" : "I";
  S.UnitsChanged = ToFlag(Cfg.DUnits != units);
  Cfg.DUnits = units;
  ApplyDisplayUnits(units);
  ui().RefreshResultWindows();

  Cfg.ShowLogo = ToFlag(ShowKestrelonLogo->isChecked());
  Cfg.SplashImage = SplashDefault->isChecked() ? std::string() : Trim(StdPath(SplashFile->text()));
  Unload();
}

void frmsetup::CancelButton_Click() { Unload(); }

void frmsetup::HelpButton_Click() { ShowHelpTopic(kSetupHelpTopic); }

void frmsetup::PrintSetup_Click() {
  QPrintDialog dialog(&ProgramPrinter(), this);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  dialog.exec();  // a cancel leaves the printer as it was
}

bool frmsetup::Preview(const std::string& path) {
  const QImage picture = PictureFile(path);
  if (picture.isNull()) return false;
  TestImage->setPixmap(QPixmap::fromImage(
      picture.scaled(TestImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  return true;
}

void frmsetup::SplashBrowse_Click() {
  const char* title = "Select an image";
  const std::string path =
      Hooks.OpenFileDialog ? Hooks.OpenFileDialog("*", title, Cfg.SplashImage) : std::string();
  if (path.empty()) return;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos) {
    ui().MsgBox("Unrecognised file type for image", Msg::OKOnly, title);
    return;
  }
  const std::string extension = UCase(path.substr(dot + 1));
  if (extension == "BMP" || extension == "RLE" || extension == "WMF" || extension == "EMF" ||
      extension == "JPG") {
    if (!Preview(path)) {
      ui().MsgBox("Could not load picture " + PathText(path), Msg::OKOnly, title);
      return;
    }
    // The chosen picture is kept at once, even if the dialog is then cancelled.
    Cfg.SplashImage = path;
    SplashFile->setText(QPath(path));
  } else if (extension == "GIF") {
    ui().MsgBox("GIF files are unsupported for copyright reasons", Msg::OKOnly, title);
  } else {
    ui().MsgBox("Unrecognised file type " + PathText(extension) + " for image", Msg::OKOnly, title);
  }
}

void frmsetup::SplashDefault_Click() {
  const bool chosen = !SplashDefault->isChecked();
  for (QWidget* control : {static_cast<QWidget*>(SplashLabel), static_cast<QWidget*>(SplashFile),
                           static_cast<QWidget*>(SplashBrowse), static_cast<QWidget*>(TestImage)})
    control->setEnabled(chosen);
  if (!chosen) return;
  SplashFile->setText(QPath(Cfg.SplashImage));
  if (!Cfg.SplashImage.empty() && !Preview(Cfg.SplashImage))
    ui().MsgBox("Could not load picture " + PathText(Cfg.SplashImage), Msg::OKOnly, "Logo picture");
}

}  // namespace kestrelon

#include "core/ui/form1.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/command_line.h"
#include "core/commands.h"
#include "core/file_error_text.h"
#include "core/program_title.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/ui/frmAbout.h"
#include "core/ui/frmsetup.h"
#include "core/ui/icon_strip.h"
#include "core/window_list.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

Form1* theBar = nullptr;

constexpr const char* kExitTitle = "Exit Kestrelon";
constexpr int kMainHelpTopic = 19;
constexpr int kCascadeStep = 32;  // pixels between cascaded windows

// The screen's top edge below any desktop panel: the bar lies across it and cascaded windows
// start under the bar.
QRect BarArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// A File command may bring in another vehicle or curve, or leave the model cleared: the result
// windows that stay open show the model as the command leaves it.
void RunFileCommand(const std::function<void()>& command) {
  RunHook(command);
  ui().RefreshResultWindows();
}

}  // namespace

Form1::Form1()
    : Form("Form1", QStringLiteral("Kestrelon - Drag strip performance simulator"), false) {
  theBar = this;
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 0, 2, 2);
  layout->setSpacing(2);
  BuildMenus();
  layout->addWidget(MenuBar);
  IconBar = new IconStrip(this);
  IconBar->MouseDown = [this](int b, int s, Single x, Single y) { IconBar_MouseDown(b, s, x, y); };
  IconBar->MouseMove = [this](int b, int s, Single x, Single y) { IconBar_MouseMove(b, s, x, y); };
  IconBar->MouseUp = [this](int b, int s, Single x, Single y) { IconBar_MouseUp(b, s, x, y); };
  layout->addWidget(IconBar, 0, Qt::AlignLeft);
  setMouseTracking(true);
}

Form1::~Form1() {
  if (theBar == this) theBar = nullptr;
}

Form1* Form1::Instance() { return theBar; }

void Form1::BuildMenus() {
  MenuBar = new QMenuBar(this);
  MenuBar->setNativeMenuBar(false);  // the menus belong to the bar, not to a desktop panel
  auto item = [this](QMenu* menu, const char* caption, void (Form1::*handler)()) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };

  QMenu* file = MenuBar->addMenu(QStringLiteral("&File"));
  mnuFile = file->menuAction();
  mnuFileExample = item(file, "&Example...", &Form1::mnuFileExample_Click);
  mnuFileNew = item(file, "&New...", &Form1::mnuFileNew_Click);
  mnuFileConvert = item(file, "Convert...", &Form1::mnuFileConvert_Click);
  mnuFileConvert->setVisible(false);
  mnuFileConvert->setEnabled(false);
  QMenu* open = file->addMenu(QStringLiteral("&Open..."));
  mnuFileOpen = open->menuAction();
  mnuFileVehicle = item(open, "Complete &Vehicle...", &Form1::mnuFileVehicle_Click);
  QMenu* power = open->addMenu(QStringLiteral("&Power "));
  mnuFilePower = power->menuAction();
  mnuFilePowerVCAL = item(power, "Kestrelon Power Data...", &Form1::mnuFilePowerVCAL_Click);
  mnuFilePowerSuper = item(power, "SuperFlow Power Data...", &Form1::mnuFilePowerSuper_Click);
  mnuFilePowerEA = item(power, "Engine Analyser Power Data...", &Form1::mnuFilePowerEA_Click);
  mnuFileChassis = item(open, "&Chassis...", &Form1::mnuFileChassis_Click);
  mnuFileSave = item(file, "&Save...", &Form1::mnuFileSave_Click);
  mnuFileBaseline = item(file, "Reload &Baseline Data", &Form1::mnuFileBaseline_Click);
  mnuFileBaseline->setEnabled(false);
  mnuFileDummy = file->addSeparator();
  mnuFileExit = item(file, "E&xit", &Form1::mnuFileExit_Click);

  QMenu* data = MenuBar->addMenu(QStringLiteral("&Data"));
  mnuData = data->menuAction();
  QMenu* curves = data->addMenu(QStringLiteral("&Power curves"));
  mnuDataPower = curves->menuAction();
  mnuDataPowerNA = item(curves, "&Normally Aspirated...", &Form1::mnuDataPowerNA_Click);
  mnuDataPowerN1 = item(curves, "&1st stage nitrous...", &Form1::mnuDataPowerN1_Click);
  mnuDataPowerN2 = item(curves, "&2nd stage nitrous...", &Form1::mnuDataPowerN2_Click);
  mnuDataChassis = item(data, "&Chassis...", &Form1::mnuDataChassis_Click);
  mnuDataTyre = item(data, "&Wheels and Tyres...", &Form1::mnuDataTyre_Click);
  mnuDataAero = item(data, "&Aerodynamics...", &Form1::mnuDataAero_Click);
  mnuDataTrans = item(data, "&Transmission...", &Form1::mnuDataTrans_Click);
  mnuDataNitrous = item(data, "&Nitrous Oxide...", &Form1::mnuDataNitrous_Click);
  mnuDataClutch = item(data, "C&lutch...", &Form1::mnuDataClutch_Click);
  mnuDataInertia = item(data, "&Inertia...", &Form1::mnuDataInertia_Click);
  mnuDataThrottle = item(data, "&Throttle controls...", &Form1::mnuDataThrottle_Click);

  QMenu* calc = MenuBar->addMenu(QStringLiteral("&Calculate"));
  mnuCalc = calc->menuAction();
  mnuCalcAcc = item(calc, "Run &Simulation...", &Form1::mnuCalcAcc_Click);
  mnuCalcTree = item(calc, "Practice &Tree...", &Form1::mnuCalcTree_Click);
  mnuCalcWheelie = item(calc, "&Wheelie Threshold", &Form1::mnuCalcWheelie_Click);
  mnuCalcEstimate = item(calc, "&Estimate power", &Form1::mnuCalcEstimate_Click);

  QMenu* display = MenuBar->addMenu(QStringLiteral("Dis&play"));
  mnuDisplay = display->menuAction();
  mnuDisplayCascade = item(display, "&Cascades", &Form1::mnuDisplayCascade_Click);
  mnuDisplayGraph = item(display, "&Simulation Graphs...", &Form1::mnuDisplayGraph_Click);
  mnuDisplayPerf = item(display, "&Performance Summary", &Form1::mnuDisplayPerf_Click);
  mnuDisplayHist = item(display, "&History Log", &Form1::mnuDisplayHist_Click);

  WindowMenu_ = MenuBar->addMenu(QStringLiteral("&Window"));
  mnuWindow = WindowMenu_->menuAction();
  mnuWindowCascade = item(WindowMenu_, "&Cascade windows", &Form1::mnuWindowCascade_Click);
  mnuWindowMin = item(WindowMenu_, "&Minimise all", &Form1::mnuWindowMin_Click);
  mnuWindowRestore = item(WindowMenu_, "&Restore all", &Form1::mnuWindowRestore_Click);
  mnuWindowDummy = WindowMenu_->addSeparator();
  QAction* first = WindowMenu_->addAction(QString());
  first->setVisible(false);
  connect(first, &QAction::triggered, this, [this] { mnuWindowList_Click(0); });
  mnuWindowList.push_back(first);
  // Opening the menu is reaching the bar too: its items then match the open windows.
  connect(WindowMenu_, &QMenu::aboutToShow, this, &Form1::RebuildWindowMenuIfStale);

  mnuSetup = MenuBar->addAction(QStringLiteral("&Setup..."));
  connect(mnuSetup, &QAction::triggered, this, &Form1::mnuSetup_Click);

  QMenu* help = MenuBar->addMenu(QStringLiteral("&Help"));
  mnuHelp = help->menuAction();
  mnuHelpAbout = item(help, "&About...", &Form1::mnuHelpAbout_Click);
  mnuHelpDisplay = item(help, "&Help...", &Form1::mnuHelpDisplay_Click);
}

// ---- Load, minimise and restore, exit ----

void Form1::Form_Load() {
  FormLoading_ = true;
  OpenWindows.MarkStale();
  CommandLineLoad = false;

  // A bar across the top of the screen, as high as its menus and icons.
  const QRect screen = BarArea();
  setFixedHeight(layout()->sizeHint().height());
  resize(screen.width(), height());
  move(screen.topLeft());

  mnuFilePower->setEnabled(false);
  mnuFileChassis->setEnabled(false);
  mnuFileSave->setEnabled(false);
  mnuData->setEnabled(false);
  mnuCalc->setEnabled(false);
  mnuDisplay->setEnabled(false);
  mnuSetup->setEnabled(true);
  mnuHelpAbout->setEnabled(true);
  if (Cfg.DebugMode == False) {
    mnuFileConvert->setVisible(false);
    mnuFileConvert->setEnabled(false);
  } else {
    mnuFileConvert->setVisible(true);
    mnuFileConvert->setEnabled(true);
  }

  S.DataSaved = True;
  S.DataLoaded = False;
  IconIndex = 0;

  IconTips.fill(" ");  // entries past the last icon hold a blank
  IconTips[0].clear();
  for (std::size_t i = 1; i <= IconTable.size(); ++i) IconTips[i] = IconTable[i - 1].tip;
  SetStripTip(Cfg.ShowToolTips != False ? IconTips[0] : std::string());

  HiddenByMinimise_.clear();
  FormLoading_ = false;
  IconButtonHeld = false;

  if (S.CommandArgCount > 0) {
    Process_Command();
    S.CommandArgCount = 0;
  }
}

void Form1::Form_Resize() {
  if (FormLoading_) return;
  RebuildWindowMenuIfStale();
  if (isMinimized()) {
    for (Form* form : LoadedForms()) {
      if (form == this || !form->isVisible()) continue;
      HiddenByMinimise_.emplace_back(form);
      form->hide();
    }
  } else if (!isMaximized()) {
    for (const QPointer<Form>& form : HiddenByMinimise_)
      if (form && form->IsLoaded()) form->show();
    HiddenByMinimise_.clear();
  }
}

void Form1::Form_QueryUnload(bool& cancel) {
  auto stay = [&] {
    cancel = true;
    S.CancelFlag = 0;
  };
  if (S.DataSaved != False) {
    if (ui().MsgBox("Do you really want to Exit?", Msg::YesNo | Msg::Question, kExitTitle) !=
        Msg::Yes)
      return stay();
  } else {
    const int answer = ui().MsgBox("Would you like to save data first?",
                                   Msg::YesNoCancel | Msg::Question, kExitTitle);
    if (answer == Msg::Cancel) return stay();
    // Only a save that wrote the files lets Yes end the program: one cancelled in its dialog,
    // declined at a replace question or failed keeps the program and the unsaved data. With no
    // save command installed there is nothing to save with, and Yes exits.
    if (answer == Msg::Yes && Hooks.SaveVehicleAndPower &&
        Hooks.SaveVehicleAndPower() != SaveOutcome::Saved)
      return stay();
  }
  S.CancelFlag = 1;
}

void Form1::Form_Unload() {
  // Every window still open stores its place, font and choices as its own unload does when the
  // racer closes it, so the settings written now hold them. A bar leaves other bars be: each
  // asks its own exit question.
  for (const QPointer<Form>& form : std::vector<QPointer<Form>>(LoadedForms().begin(), LoadedForms().end()))
    if (form && !qobject_cast<Form1*>(form.data())) form->Unload();
  // Settings that cannot be kept are lost with the program: the racer is told why, once.
  if (const FileWriteResult saved = SaveSettings(); !saved.ok())
    ui().MsgBox(UnexpectedErrorText(saved.error, saved.description), Msg::OKOnly | Msg::Critical, ProgramTitle);
  CloseAllHelp();
  emit ProgramEnds();
}

void Form1::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Form_Resize();
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RebuildWindowMenuIfStale();
}

void Form1::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  Form_Resize();
}

void Form1::mousePressEvent(QMouseEvent* event) {
  Form::mousePressEvent(event);
  RebuildWindowMenuIfStale();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  Form::mouseMoveEvent(event);
  IconIndex = 0;
  IconButtonHeld = false;
  RebuildWindowMenuIfStale();
}

// ---- Icon strip ----

void Form1::SetStripTip(const std::string& tip) {
  const QString text = QText(tip);
  if (IconBar->toolTip() == text) return;
  IconBar->setToolTip(text);
  // A tip already on screen follows the pointer onto the next icon (an empty one hides it).
  if (QToolTip::isVisible()) QToolTip::showText(QCursor::pos(), text, IconBar);
}

void Form1::IconBar_MouseDown(int button, int shift, Single x, Single y) {
  IconBar_MouseMove(button, shift, x, y);
}

void Form1::IconBar_MouseMove(int button, int, Single x, Single) {
  RebuildWindowMenuIfStale();
  IconIndex = IconAt(x);
  constexpr Integer kPracticeTree = 16;
  if (IconIndex != kPracticeTree && (S.DataLoaded == False || IconButtonHeld)) {
    SetStripTip(std::string());
    return;
  }
  S.CancelFlag = 0;
  const bool known = IconIndex >= 0 && IconIndex < static_cast<Integer>(IconTips.size());
  SetStripTip(Cfg.ShowToolTips != False && known ? IconTips[static_cast<std::size_t>(IconIndex)]
                                                 : std::string());
  if (button != 0 && S.IconCommandBusy == 0) {
    IconButtonHeld = true;
    S.IconCommandBusy = IconAt(x);
    if (S.IconCommandBusy >= 1 && S.IconCommandBusy <= IconCount) {
      const IconCommand& icon = IconTable[static_cast<std::size_t>(S.IconCommandBusy - 1)];
      RunCommand(icon.command);
      if (icon.clearsCancel) S.CancelFlag = 0;
    }
    S.IconCommandBusy = 0;
  }
  if (S.CancelFlag == 1) mnuFileExit_Click();
}

void Form1::IconBar_MouseUp(int, int, Single, Single) { IconButtonHeld = false; }

void Form1::RunCommand(MenuCommand command) {
  switch (command) {
    case MenuCommand::DataAero:
      return mnuDataAero_Click();
    case MenuCommand::DataChassis:
      return mnuDataChassis_Click();
    case MenuCommand::DataTyre:
      return mnuDataTyre_Click();
    case MenuCommand::DataTrans:
      return mnuDataTrans_Click();
    case MenuCommand::DataNitrous:
      return mnuDataNitrous_Click();
    case MenuCommand::DataClutch:
      return mnuDataClutch_Click();
    case MenuCommand::DataInertia:
      return mnuDataInertia_Click();
    case MenuCommand::DataThrottle:
      return mnuDataThrottle_Click();
    case MenuCommand::DataPowerNA:
      return mnuDataPowerNA_Click();
    case MenuCommand::DataPowerN1:
      return mnuDataPowerN1_Click();
    case MenuCommand::DataPowerN2:
      return mnuDataPowerN2_Click();
    case MenuCommand::CalcAcc:
      return mnuCalcAcc_Click();
    case MenuCommand::CalcTree:
      return mnuCalcTree_Click();
    case MenuCommand::CalcEstimate:
      return mnuCalcEstimate_Click();
    case MenuCommand::DisplayCascade:
      return mnuDisplayCascade_Click();
    case MenuCommand::DisplayGraph:
      return mnuDisplayGraph_Click();
    case MenuCommand::DisplayPerf:
      return mnuDisplayPerf_Click();
    case MenuCommand::DisplayHist:
      return mnuDisplayHist_Click();
  }
}

// ---- File menu: carried out by the file commands ----

void Form1::mnuFileExample_Click() { RunFileCommand(Hooks.FileExample); }
void Form1::mnuFileNew_Click() { RunFileCommand(Hooks.FileNew); }
void Form1::mnuFileConvert_Click() { RunFileCommand(Hooks.FileConvert); }
void Form1::mnuFileVehicle_Click() { RunFileCommand(Hooks.FileVehicle); }
void Form1::mnuFilePowerVCAL_Click() { RunFileCommand(Hooks.FilePowerVCAL); }
void Form1::mnuFilePowerSuper_Click() { RunFileCommand(Hooks.FilePowerSuper); }
void Form1::mnuFilePowerEA_Click() { RunFileCommand(Hooks.FilePowerEA); }
void Form1::mnuFileChassis_Click() { RunFileCommand(Hooks.FileChassis); }
void Form1::mnuFileSave_Click() { RunFileCommand(Hooks.FileSave); }
void Form1::mnuFileBaseline_Click() { RunFileCommand(Hooks.FileBaseline); }
// Closing the bar asks first; a declined exit leaves everything running.
void Form1::mnuFileExit_Click() { Unload(); }

// ---- Data, Calculate and Display ----

void Form1::OpenWindow(const char* formName) {
  if (Form* form = Form::Instance(formName)) form->Show();
}

void Form1::OpenDataForm(MenuCommand command, const char* formName) {
  if (!CommandAllowed(command)) return;
  S.DataSaved = False;
  OpenWindow(formName);
}

void Form1::EnterCurve(MenuCommand command, Integer column) {
  if (!CommandAllowed(command)) return;
  ClosePowerGraph();
  S.DataSaved = False;
  RunHook(Hooks.EnterPowerCurve, column, Integer{0});
}

// An open, visible curve graph keeps its edits: they are accepted before another curve opens.
void Form1::ClosePowerGraph() {
  Form* graph = Form::FindLoaded(QStringLiteral("frmGraphPower"));
  if (graph && graph->isVisible()) QMetaObject::invokeMethod(graph, "GraphOKButton_Click");
}

void Form1::mnuDataPowerNA_Click() { EnterCurve(MenuCommand::DataPowerNA, 0); }
void Form1::mnuDataPowerN1_Click() { EnterCurve(MenuCommand::DataPowerN1, 1); }
void Form1::mnuDataPowerN2_Click() { EnterCurve(MenuCommand::DataPowerN2, 2); }
void Form1::mnuDataChassis_Click() { OpenDataForm(MenuCommand::DataChassis, "frmDataChassis"); }
void Form1::mnuDataTyre_Click() { OpenDataForm(MenuCommand::DataTyre, "frmDataTyre"); }
void Form1::mnuDataAero_Click() { OpenDataForm(MenuCommand::DataAero, "frmDataAero"); }
void Form1::mnuDataTrans_Click() { OpenDataForm(MenuCommand::DataTrans, "frmDataGears"); }
void Form1::mnuDataNitrous_Click() { OpenDataForm(MenuCommand::DataNitrous, "frmDataNitrous"); }
void Form1::mnuDataClutch_Click() { OpenDataForm(MenuCommand::DataClutch, "frmDataClutch"); }
void Form1::mnuDataInertia_Click() { OpenDataForm(MenuCommand::DataInertia, "frmDataInertia"); }
void Form1::mnuDataThrottle_Click() { OpenDataForm(MenuCommand::DataThrottle, "frmDataThrottle"); }

void Form1::mnuCalcAcc_Click() { RunHook(Hooks.RunSimulationCheck); }
void Form1::mnuCalcTree_Click() { OpenWindow("frmTree"); }
void Form1::mnuCalcWheelie_Click() { RunHook(Hooks.CalcWheelie); }

void Form1::mnuCalcEstimate_Click() {
  if (CommandAllowed(MenuCommand::CalcEstimate)) OpenWindow("frmEstimate");
}

void Form1::mnuDisplayCascade_Click() {
  if (CommandAllowed(MenuCommand::DisplayCascade)) OpenWindow("frmGraphCascade");
}

// These two refusals release the icon strip at once, so the next press works.
void Form1::mnuDisplayGraph_Click() {
  if (!CommandAllowed(MenuCommand::DisplayGraph)) {
    IconButtonHeld = false;
    return;
  }
  OpenWindow("frmSimDisplay");
}

void Form1::mnuDisplayPerf_Click() {
  if (!CommandAllowed(MenuCommand::DisplayPerf)) {
    IconButtonHeld = false;
    return;
  }
  OpenWindow("frmList");
}

void Form1::mnuDisplayHist_Click() {
  if (CommandAllowed(MenuCommand::DisplayHist)) OpenWindow("frmHistory");
}

void Form1::mnuSetup_Click() {
  frmsetup setup;
  setup.ShowModal();
}

void Form1::mnuHelpAbout_Click() {
  frmAbout about;
  about.ShowModal();
}

void Form1::mnuHelpDisplay_Click() { ShowHelpTopic(kMainHelpTopic); }

// ---- Window list and window commands ----

void Form1::windowlistAdd(const std::string& caption) { kestrelon::windowlistAdd(caption); }
void Form1::windowlistRemove(const std::string& caption) { kestrelon::windowlistRemove(caption); }
void Form1::windowlistCleanup() { OpenWindows.Cleanup(); }

void Form1::RebuildWindowMenuIfStale() {
  if (OpenWindows.Stale()) windowlist_build();
}

void Form1::windowlist_build() {
  while (mnuWindowList.size() > 1) {
    delete mnuWindowList.back();
    mnuWindowList.pop_back();
  }
  const std::vector<std::string>& captions = OpenWindows.Captions();
  QAction* first = mnuWindowList.front();
  if (captions.empty()) {
    first->setVisible(false);
    first->setData(QString());
    first->setText(QString());
  }
  for (std::size_t k = 0; k < captions.size(); ++k) {
    if (k > 0) {
      QAction* added = WindowMenu_->addAction(QString());
      const int index = static_cast<int>(k);
      connect(added, &QAction::triggered, this, [this, index] { mnuWindowList_Click(index); });
      mnuWindowList.push_back(added);
    }
    const QString caption = QText(captions[k]);
    mnuWindowList[k]->setData(caption);  // the caption as registered; the text escapes "&"
    mnuWindowList[k]->setText(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    mnuWindowList[k]->setVisible(true);
  }
  OpenWindows.MarkBuilt();
}

namespace {

bool Listed(const std::vector<QAction*>& items, const QString& caption) {
  for (const QAction* item : items)
    if (item->data().toString() == caption && !caption.isEmpty()) return true;
  return false;
}

}  // namespace

void Form1::mnuWindowList_Click(int index) {
  if (index < 0 || index >= static_cast<int>(mnuWindowList.size())) return;
  const QString caption = mnuWindowList[static_cast<std::size_t>(index)]->data().toString();
  Form* target = nullptr;
  for (Form* form : LoadedForms()) {
    if (form->Caption() == caption) {
      target = form;
      break;
    }
  }
  windowlistCleanup();
  if (!target) return;
  if (target->IsMinimised()) target->SetNormalState();
  target->show();
  target->raise();
  target->activateWindow();
  // The box that had the focus gets it back; a window where none had it takes it itself.
  if (QWidget* box = target->focusWidget())
    box->setFocus();
  else
    target->setFocus();
}

void Form1::mnuWindowCascade_Click() {
  const QRect screen = BarArea();
  int y = screen.y() + frameGeometry().height();
  int x = screen.x();
  move(screen.topLeft());
  for (Form* form : LoadedForms()) {
    if (form == this || !Listed(mnuWindowList, form->Caption())) continue;
    form->SetNormalState();
    form->move(x, y);
    x += kCascadeStep;
    y += kCascadeStep;
  }
}

void Form1::mnuWindowMin_Click() {
  for (Form* form : LoadedForms())
    if (form != this) form->hide();
}

void Form1::mnuWindowRestore_Click() {
  for (Form* form : LoadedForms()) {
    if (form == this || !Listed(mnuWindowList, form->Caption())) continue;
    form->SetNormalState();
    form->show();
  }
}

}  // namespace kestrelon

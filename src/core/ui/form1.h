#pragma once
// The main window bar: a screen-wide bar at the top of the screen with the program's menus and
// the strip of 17 command icons. Every other window is a window of its own; the bar lists them in
// its Window menu, hides them all when it is minimised and shows them again when it is restored.
// Closing the bar asks before anything unsaved is lost, writes the settings and ends the program.

#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "core/menu_gating.h"
#include "core/numbers.h"
#include "platform/qt/form.h"

class QAction;
class QMenu;
class QMenuBar;

namespace kestrelon {

class IconStrip;

class Form1 : public Form {
  Q_OBJECT

 public:
  Form1();
  ~Form1() override;

  // The bar while it exists, for the windows and commands that change its menus and tips.
  static Form1* Instance();

  // The Window list (other windows register through core/window_list.h, the same list).
  static void windowlistAdd(const std::string& caption);
  static void windowlistRemove(const std::string& caption);
  void windowlist_build();
  void windowlistCleanup();

  // Menu items under their menu names; a menu's own entry is its menu action.
  QMenuBar* MenuBar = nullptr;
  QAction *mnuFile, *mnuFileExample, *mnuFileNew, *mnuFileConvert, *mnuFileOpen, *mnuFileVehicle,
      *mnuFilePower, *mnuFilePowerVCAL, *mnuFilePowerSuper, *mnuFilePowerEA, *mnuFileChassis,
      *mnuFileSave, *mnuFileBaseline, *mnuFileDummy, *mnuFileExit;
  QAction *mnuData, *mnuDataPower, *mnuDataPowerNA, *mnuDataPowerN1, *mnuDataPowerN2,
      *mnuDataChassis, *mnuDataTyre, *mnuDataAero, *mnuDataTrans, *mnuDataNitrous, *mnuDataClutch,
      *mnuDataInertia, *mnuDataThrottle;
  QAction *mnuCalc, *mnuCalcAcc, *mnuCalcTree, *mnuCalcWheelie, *mnuCalcEstimate;
  QAction *mnuDisplay, *mnuDisplayCascade, *mnuDisplayGraph, *mnuDisplayPerf, *mnuDisplayHist;
  QAction *mnuWindow, *mnuWindowCascade, *mnuWindowMin, *mnuWindowRestore, *mnuWindowDummy;
  std::vector<QAction*> mnuWindowList;  // item 0 always exists
  QAction* mnuSetup;
  QAction *mnuHelp, *mnuHelpAbout, *mnuHelpDisplay;

  IconStrip* IconBar = nullptr;
  // Tooltip per icon: 0 empty, 1..17 the commands, 18..20 a blank each.
  std::array<std::string, 21> IconTips{};
  Integer IconIndex = 0;
  bool IconButtonHeld = false;

  // Hand-over of a command-line run to File > Open > Complete Vehicle.
  bool CommandLineLoad = false;
  std::string CommandLineChassis, CommandLineEngine;

  // Icon strip events, in the strip's scale.
  void IconBar_MouseDown(int button, int shift, Single x, Single y);
  void IconBar_MouseMove(int button, int shift, Single x, Single y);
  void IconBar_MouseUp(int button, int shift, Single x, Single y);

  // Menu commands.
  void mnuFileExample_Click();
  void mnuFileNew_Click();
  void mnuFileConvert_Click();
  void mnuFileVehicle_Click();
  void mnuFilePowerVCAL_Click();
  void mnuFilePowerSuper_Click();
  void mnuFilePowerEA_Click();
  void mnuFileChassis_Click();
  void mnuFileSave_Click();
  void mnuFileBaseline_Click();
  void mnuFileExit_Click();
  void mnuDataPowerNA_Click();
  void mnuDataPowerN1_Click();
  void mnuDataPowerN2_Click();
  void mnuDataChassis_Click();
  void mnuDataTyre_Click();
  void mnuDataAero_Click();
  void mnuDataTrans_Click();
  void mnuDataNitrous_Click();
  void mnuDataClutch_Click();
  void mnuDataInertia_Click();
  void mnuDataThrottle_Click();
  void mnuCalcAcc_Click();
  void mnuCalcTree_Click();
  void mnuCalcWheelie_Click();
  void mnuCalcEstimate_Click();
  void mnuDisplayCascade_Click();
  void mnuDisplayGraph_Click();
  void mnuDisplayPerf_Click();
  void mnuDisplayHist_Click();
  void mnuWindowList_Click(int index);
  void mnuWindowCascade_Click();
  void mnuWindowMin_Click();
  void mnuWindowRestore_Click();
  void mnuSetup_Click();
  void mnuHelpAbout_Click();
  void mnuHelpDisplay_Click();

  // The command a menu item or icon runs.
  void RunCommand(MenuCommand command);

 signals:
  // The bar has unloaded: the settings are written and the program is to end now.
  void ProgramEnds();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel) override;
  void Form_Unload() override;
  void Form_Resize();

  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void BuildMenus();
  void SetStripTip(const std::string& tip);
  void RebuildWindowMenuIfStale();
  void OpenWindow(const char* formName);
  void ClosePowerGraph();
  // Data form commands: gate, mark the data unsaved, open the form.
  void OpenDataForm(MenuCommand command, const char* formName);
  void EnterCurve(MenuCommand command, Integer column);

  QMenu* WindowMenu_ = nullptr;
  bool FormLoading_ = false;
  // The windows the last minimise of the bar hid; its restore shows exactly these again.
  std::vector<QPointer<Form>> HiddenByMinimise_;
};

}  // namespace kestrelon

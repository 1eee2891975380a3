#pragma once
// The gear cascade window: the cascade drawn on its picture, the read-out under the pointer
// (gear, engine speed, force, road speed; or the resistance and the power it takes), and the
// menus that choose the read-out gear, the gradient and the shift points, print and help.
//
// The cascade is worked out and drawn when the window shows, after a resize, when it is
// activated again, when a menu changes what is drawn and whenever the model changes behind it
// (RedrawFromModel); Qt's own repaints only copy the picture.

#include <array>

#include "platform/qt/form.h"
#include "results/cascade_readout.h"
#include "results/cascade_scene.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace kestrelon {

class PowerGraphPicture;

class frmGraphCascade : public Form {
  Q_OBJECT

 public:
  frmGraphCascade();

  QMenuBar* MenuBar;
  QAction *CloseCascadeGraph, *PrintCascadeGraph;
  QMenu* SelectGear;
  std::array<QAction*, 9> SelectGearNumber{};  // 0 Auto, 1..8 First..Eighth
  QAction* SelectResCurve;
  QMenu *Options, *Gradients;
  QAction *ShowGradients, *SetGradient, *ShiftPointsShow;
  QAction* CascHelp;

  PowerGraphPicture* CascadePic;
  QLabel* Image1;
  QLabel *CurrentGear, *CurrentRPM, *CurrentForce, *CurrentSpeed;

  const CascadeScene& Scene() const { return scene; }
  const CascadeReadout& Readout() const { return readout; }
  bool CascadeReady() const { return ready; }
  int PaintCount() const { return paints; }

  // Works the cascade out from the model and draws it under a caption naming the vehicle; a
  // model without every section it needs gives an empty picture and empty read-outs.
  void Form_Paint();
  // The model changed behind the window: the vehicle's cascade shown anew. A run being
  // calculated is not drawn; its end asks again.
  Q_INVOKABLE void RedrawFromModel();
  void SelectGearNumber_Click(int index);
  void SelectResCurve_Click();
  void ShiftPointsShow_Click();
  void ShowGradients_Click();
  void SetGradient_Click();
  void CloseCascadeGraph_Click();
  void PrintCascadeGraph_Click();
  void CascHelp_Click();
  // x in plot units.
  void CascadePic_MouseMove(double x);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void LayOut();
  void ShowVehicleName();
  void StorePlace();
  void CheckGearItems(int checked);
  void ShowTexts(const ReadoutTexts& texts);
  // The read-out labels as the window was designed: names without figures.
  void ClearReadout();

  CascadeScene scene;
  CascadeReadout readout;
  bool ready = false;  // a complete drawing exists: menus, read-out and print act
  bool showShiftPoints = false;
  bool showGradient = false;
  int paints = 0;
};

}  // namespace kestrelon

#pragma once
// The power curve graph: one column of the torque curve drawn with its power against engine
// speed, and the editor of that curve. The mouse draws and erases points, marks a range and
// picks the rev limiter; the menus fill, erase, restore, copy another column, switch the power
// unit and print; OK accepts the curve (and resumes a guided entry), F2 accepts and runs,
// Cancel restores the curve the entry began with.

#include "platform/qt/form.h"
#include "power/curve_graph_scale.h"
#include "power/power_graph_drawing.h"
#include "power/power_graph_state.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kestrelon {

class PowerGraphPicture;

class frmGraphPower : public Form {
  Q_OBJECT

 public:
  frmGraphPower();

  QMenuBar* MenuBar;
  QAction* PowerCurvePrint;
  QMenu *PowerManipulate, *PowerErase, *PowerGet, *PowerUnits;
  QAction *PowerFill, *PowerEraseAll, *PowerEraseOn, *PowerEraseOff, *PowerManipulateOptions,
      *PowerManipulateRPMlimit, *PowerManipulateText;
  QAction *PowerOriginal, *PowerNA, *Power1, *Power2, *PowerSuper, *PowerEA;
  QAction *PowerUnitsBHP, *PowerUnitsKW;
  QAction* PowerHelpDisplay;

  PowerGraphPicture* PowerPic;
  QLabel *CurrentRPM, *CurrentBHP, *CurrentTorque;
  QPushButton *GraphOKButton, *CancelButton;
  QLabel* Image1;

  const PowerGraphState& Graph() const { return graph; }

  // Redraws the whole graph from the model.
  void Form_Paint();
  // A curve changed behind the graph (a kept power estimate) is drawn as it now is.
  Q_INVOKABLE void RedrawFromModel();
  void PowerCurvePrint_Click();
  void PowerEraseAll_Click();
  void PowerEraseOn_Click();
  void PowerEraseOff_Click();
  void PowerManipulateRPMlimit_Click();
  void PowerManipulateOptions_Click();
  void PowerManipulateText_Click();
  void PowerSuper_Click();
  void PowerEA_Click();
  void PowerOriginal_Click();
  void CopyColumn_Click(int source);
  void PowerUnitsBHP_Click();
  void PowerUnitsKW_Click();
  void PowerHelpDisplay_Click();
  void CancelButton_Click();
  // Stores the edit as F2 does, without running or closing; false when the store refused it.
  bool StoreEdit();
  void PowerPic_MouseDown(int button, double x, double y);
  void PowerPic_MouseMove(int buttons, double x, double y);

 public slots:
  // The accept: also what the main window calls before it opens another curve.
  void GraphOKButton_Click();
  void PowerFill_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void SetCurveCaption();
  void Form_Resize();
  // Places the picture, the read-outs, the icon and the buttons for the window's size.
  void LayOut();
  // The window's keys, seen before its controls; true when the key was used.
  bool Form_KeyDown(QKeyEvent* event);
  bool Form_KeyUp(QKeyEvent* event);
  void PrintPowerGraph();
  void PlotRow(int row, bool draw);
  void ShowReadouts();
  void StorePlace();

  PowerGraphState graph;
  PowerGraphScale scale;
  MarkerSize marker;
};

}  // namespace kestrelon

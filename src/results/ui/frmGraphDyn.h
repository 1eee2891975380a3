#pragma once
// The run graph window "Simulation Results": the plot of the last run (and the baseline) in a
// viewport that scrolls sideways when zoomed, the read-out strip under it that follows the
// mouse, and the menu commands Close, Print, Options, Colours and Help. The plot is drawn into
// a backing image on show, after a resize has settled and on the explicit refreshes (a new
// run, the options' Display); Qt's own repaints only copy that image.

#include <QImage>
#include <QTimer>
#include <array>

#include "platform/qt/form.h"
#include "results/run_graph.h"

class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QScrollBar;

namespace kestrelon {

// The plot picture: shows its image and reports the mouse in pixels.
class RunGraphPicture : public QWidget {
  Q_OBJECT

 public:
  explicit RunGraphPicture(QWidget* parent);
  QImage image;

 signals:
  void mouseMoved(double px, double py);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

class frmGraphDyn : public Form {
  Q_OBJECT

 public:
  frmGraphDyn();

  QMenuBar* MenuBar;
  QAction *DynGraphExit, *DynGraphPrint, *DynGraphOptions, *DynGraphColours, *DynGraphHelp;
  QWidget* DynPort;
  RunGraphPicture* DynPic;
  QScrollBar* ZoomScroll;
  QFrame* TextPic;
  QLabel* Image1;
  QLabel* DynTime;
  std::array<QLabel*, GraphChannels + 1> OptValue{};  // 1..4

  const RunGraph& Graph() const { return graph_; }
  bool GraphDrawn() const { return graph_.Drawn; }
  // The plot x of a pixel column of the picture.
  double PlotX(double px) const;

  // Draws the graph anew from the runs and the settings.
  Q_INVOKABLE void Refresh();
  void DynPic_MouseMove(double x);
  void ZoomScroll_Change(int value);
  void DynGraphExit_Click();
  void DynGraphPrint_Click();
  void DynGraphOptions_Click();
  void DynGraphColours_Click();
  void DynGraphHelp_Click();
  // False when the print did not come through.
  bool PrintSimulation();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The keys that move a scroll bar move the zoomed graph.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LayOut();
  void LayoutValueLabels();
  void StorePlace();

  RunGraph graph_;
  QTimer resizeSettled_;
  double scaleLeft_ = 0, scaleWidth_ = 1;
};

}  // namespace kestrelon

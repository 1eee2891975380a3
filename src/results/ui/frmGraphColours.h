#pragma once
// The colours dialog "Colours and Line Types": a 4 x 4 palette, a sample line and label for
// each of the run graph's four channels, and Thin or Thick for the selected channel. Set writes
// the choices back to the graph's channels; Cancel, Escape or the close box leave them as they
// were.

#include <array>

#include "platform/canvas.h"
#include "platform/qt/form.h"
#include "results/channel_colours.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kestrelon {

// A sample of a channel's line: its colour, solid, dashed or dotted, thin or thick.
class ChannelSampleLine : public QWidget {
 public:
  explicit ChannelSampleLine(QWidget* parent);
  Color colour = 0;
  Integer lineType = 0;  // 0 solid, 1 dashed, 2 dotted, 3 or more thick

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The palette: cell row x 4 + column in its colour.
class PalettePicture : public QWidget {
  Q_OBJECT

 public:
  explicit PalettePicture(QWidget* parent);

 signals:
  // Where the mouse went down, on the palette's 0..255 scale.
  void pressedAt(double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

class frmGraphColours : public Form {
  Q_OBJECT

 public:
  frmGraphColours();

  PalettePicture* ColourPic;
  QFrame* Picture1;
  std::array<QLabel*, GraphChannels + 1> TraceLabel{};
  std::array<ChannelSampleLine*, GraphChannels + 1> TraceLine{};
  QRadioButton *LineThin, *LineThick;
  QPushButton *ColourSet, *ColourCancel;

  const ChannelColourEdit& Edit() const { return edit_; }

  // Draws the samples and selects channel 1.
  void Form_Paint();
  void TraceLabel_Click(int channel);
  void ColourPic_MouseDown(double x, double y);
  void LineThin_Click();
  void LineThick_Click();
  void ColourSet_Click();
  void ColourCancel_Click();

 protected:
  void Form_Load() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowChannel(int channel);

  ChannelColourEdit edit_;
};

}  // namespace kestrelon

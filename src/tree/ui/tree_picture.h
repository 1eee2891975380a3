#pragma once
// The tree picture of the practice tree window: both lanes' bulbs in the colours of the light
// type, lit ones filled, unlit ones showing only their rim, with the decoration lines.

#include <QWidget>

#include "tree/practice_tree.h"

namespace kestrelon {

class TreePicture : public QWidget {
 public:
  TreePicture(const PracticeTree& tree, QWidget* parent);

  void SetLightType(int lightType);
  // Before the first Pre-Stage every bulb is out.
  void SetShowingRun(bool showing) { showingRun_ = showing; update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PracticeTree& tree_;
  int lightType_ = 0;
  bool showingRun_ = false;
};

}  // namespace kestrelon

#pragma once
// "Running Simulation": the progress of one run as a light blue bar growing from left to right
// across CalcPic, one unit per recorded point of 1000, and Cancel (Esc too), which asks the run
// to stop after its current step and closes the window; so does the close box. Not listed in the Window list.

#include "platform/qt/form.h"

class QLabel;
class QPushButton;

namespace kestrelon {

class PictureBox;

class frmCalcProgress : public Form {
  Q_OBJECT

 public:
  frmCalcProgress();

  PictureBox* CalcPic;
  QLabel* Image1;
  QPushButton* CalcCancelButton;

  // The bar filled up to recorded point n (1..1000).
  Q_INVOKABLE void SetRunProgress(int point);

  void CalcCancelButton_Click();

 protected:
  void Form_Load() override;
  void keyPressEvent(QKeyEvent* event) override;
  // The close box cancels the run, as Cancel and Esc do.
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace kestrelon

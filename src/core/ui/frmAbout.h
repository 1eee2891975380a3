#pragma once
// The About box, which is also the start-up splash: a picture (built in, or the one chosen in
// setup with the product logo laid over it), the version, a copyright line and OK. As the
// splash it closes itself after 5 seconds.

#include "platform/qt/form.h"

class QLabel;
class QPushButton;
class QTimer;

namespace kestrelon {

inline constexpr const char* VersionText = "2.0.5";

class frmAbout : public Form {
  Q_OBJECT

 public:
  frmAbout();

  QLabel* RealImage;
  QLabel* Image16;
  QLabel* KNPicture;
  QLabel* Version_number;
  QLabel* Copyright;
  QPushButton* Command1;
  QTimer* LogoTimer;

  void Command1_Click();
  void LogoTimer_Timer();

  // Screen colour depth in bits per pixel; below 8 the 16-colour picture is shown.
  static int ScreenBitsPerPixel();

 protected:
  void Form_Load() override;
};

// Shows the About box as the start-up splash, modal; it ends by its timer or its OK.
void ShowSplash();

}  // namespace kestrelon

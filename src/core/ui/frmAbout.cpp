#include "core/ui/frmAbout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/settings.h"
#include "core/state.h"
#include "core/ui/pictures.h"

namespace kestrelon {
namespace {

constexpr int kSplashMilliseconds = 5000;

// Distances from the window's foot, first given in twips.
constexpr int kCopyrightRise = 305 / TwipsPerPixel + 50;
constexpr int kButtonRise = 340 / TwipsPerPixel + 25;
constexpr int kButtonInset = 1240 / TwipsPerPixel;

}  // namespace

frmAbout::frmAbout() : Form("frmAbout", QStringLiteral("About Kestrelon"), false) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  RealImage = new QLabel(this);
  RealImage->setPixmap(QPixmap::fromImage(SplashPicture(false)));
  Image16 = new QLabel(this);
  Image16->setPixmap(QPixmap::fromImage(SplashPicture(true)));
  Image16->hide();
  KNPicture = new QLabel(this);
  KNPicture->setPixmap(QPixmap::fromImage(LogoPicture()));
  KNPicture->adjustSize();
  Version_number = new QLabel(this);
  Version_number->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
  Copyright = new QLabel(
      QStringLiteral("Copyright \u00A9 Kestrelon developers. All rights reserved."), this);
  Copyright->setStyleSheet(QStringLiteral("color: white;"));
  Copyright->setAlignment(Qt::AlignCenter);
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setDefault(true);
  SetCancelButton(Command1);  // Esc closes the box as its OK does
  LogoTimer = new QTimer(this);
  LogoTimer->setSingleShot(true);
  connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
  connect(LogoTimer, &QTimer::timeout, this, &frmAbout::LogoTimer_Timer);
}

int frmAbout::ScreenBitsPerPixel() { return QGuiApplication::primaryScreen()->depth(); }

void frmAbout::Form_Load() {
  const int bits = ScreenBitsPerPixel();
  if (bits < 8) RealImage->setPixmap(Image16->pixmap());
  Copyright->hide();
  Version_number->hide();
  Command1->hide();

  bool builtIn = Cfg.SplashImage.empty();
  if (!builtIn) {
    const QPixmap chosen = QPixmap::fromImage(PictureFile(Cfg.SplashImage));
    if (chosen.isNull()) {
      // A picture that cannot be read is dropped for good; the built-in one shows instead.
      Cfg.SplashImage.clear();
      builtIn = true;
    } else {
      RealImage->setPixmap(chosen);
      KNPicture->move((chosen.width() - KNPicture->width()) / 2, 10);
      KNPicture->show();
      KNPicture->raise();
      Version_number->move(KNPicture->x() + 84, Version_number->y());
    }
  }
  if (builtIn) {
    KNPicture->hide();
    Version_number->move(bits < 8 ? 66 : 71, Version_number->y());
  }

  RealImage->adjustSize();
  setFixedSize(RealImage->size());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 3);

  Copyright->setGeometry(20, height() - kCopyrightRise, width() - 40,
                         Copyright->sizeHint().height());
  Version_number->setText(QStringLiteral("Version ") + QLatin1String(VersionText));
  Version_number->adjustSize();
  Version_number->move(Version_number->x(), 60);
  Command1->adjustSize();
  Command1->move(width() - kButtonInset, height() - kButtonRise);
  Copyright->show();
  Version_number->show();
  Command1->show();

  if (S.SplashDone == False) {
    LogoTimer->start(kSplashMilliseconds);
  } else {
    LogoTimer->stop();
  }
}

void frmAbout::Command1_Click() {
  S.SplashDone = True;
  LogoTimer->stop();
  Unload();
}

void frmAbout::LogoTimer_Timer() {
  LogoTimer->stop();
  Command1_Click();
}

void ShowSplash() {
  S.SplashDone = False;
  frmAbout splash;
  splash.ShowModal();
  S.SplashDone = True;
}

}  // namespace kestrelon

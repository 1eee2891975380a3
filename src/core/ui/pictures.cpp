#include "core/ui/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

#include "platform/whole_file.h"

namespace kestrelon {
namespace {

// A curve of torque over engine speed on small axes, shared by the three power-curve icons.
void PowerCurveIcon(QPainter& p, const QColor& colour, const QString& stage) {
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(5, 4, 5, 27);
  p.drawLine(5, 27, 28, 27);
  QPainterPath curve(QPointF(6, 24));
  curve.cubicTo(12, 6, 20, 6, 27, 14);
  p.setPen(QPen(colour, 2.5));
  p.drawPath(curve);
  if (!stage.isEmpty()) {
    p.setPen(Qt::darkBlue);
    p.setFont(QFont(QStringLiteral("Sans"), 9, QFont::Bold));
    p.drawText(QRect(17, 15, 12, 12), Qt::AlignCenter, stage);
  }
}

void Wheel(QPainter& p, QPointF centre, double radius) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(centre, radius, radius);
  p.setBrush(QColor(190, 190, 190));
  p.drawEllipse(centre, radius * 0.45, radius * 0.45);
}

using IconPainter = std::function<void(QPainter&)>;

const std::array<IconPainter, 17>& IconPainters() {
  static const std::array<IconPainter, 17> painters = {{
      [](QPainter& p) {  // aerodynamics: a low car in the wind
        p.setPen(QPen(Qt::blue, 1.5));
        for (int y : {6, 11, 16}) p.drawLine(3, y, 14, y);
        p.setPen(Qt::black);
        p.setBrush(Qt::red);
        p.drawPolygon(
            QPolygonF({QPointF(8, 24), QPointF(14, 17), QPointF(28, 15), QPointF(29, 24)}));
        Wheel(p, {12, 25}, 3.5);
        Wheel(p, {25, 24}, 4.5);
      },
      [](QPainter& p) {  // run: a chequered flag
        p.setPen(QPen(QColor(90, 60, 20), 2));
        p.drawLine(6, 3, 6, 29);
        for (int r = 0; r < 4; ++r)
          for (int c = 0; c < 5; ++c)
            p.fillRect(7 + c * 4, 4 + r * 4, 4, 4, (r + c) % 2 ? Qt::white : Qt::black);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(7, 4, 20, 16);
      },
      [](QPainter& p) {  // cascades: force falling through the gears
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(4, 3, 4, 28);
        p.drawLine(4, 28, 29, 28);
        const std::array<QColor, 3> colours = {Qt::red, Qt::darkGreen, Qt::blue};
        for (int g = 0; g < 3; ++g) {
          QPainterPath arc(QPointF(5 + g * 7, 6 + g * 6));
          arc.quadTo(10 + g * 8, 8 + g * 6, 14 + g * 7, 22 - g * 2);
          p.setPen(QPen(colours[static_cast<std::size_t>(g)], 2));
          p.drawPath(arc);
        }
        p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        p.drawLine(5, 26, 29, 10);
      },
      [](QPainter& p) {  // chassis: the frame between the axles
        p.setPen(QPen(Qt::darkGray, 2));
        p.drawLine(4, 19, 28, 19);
        p.drawLine(10, 19, 16, 11);
        p.drawLine(16, 11, 22, 19);
        Wheel(p, {7, 22}, 5);
        Wheel(p, {26, 23}, 4);
      },
      [](QPainter& p) {  // clutch: friction plates on a shaft
        p.setPen(QPen(Qt::black, 1));
        for (int i = 0; i < 4; ++i) {
          p.setBrush(i % 2 ? QColor(150, 150, 150) : QColor(200, 120, 40));
          p.drawRect(7 + i * 5, 4, 3, 24);
        }
        p.setBrush(Qt::darkGray);
        p.drawRect(2, 14, 28, 4);
      },
      [](QPainter& p) { PowerCurveIcon(p, Qt::darkGreen, QString()); },
      [](QPainter& p) { PowerCurveIcon(p, QColor(220, 120, 0), QStringLiteral("1")); },
      [](QPainter& p) { PowerCurveIcon(p, Qt::red, QStringLiteral("2")); },
      [](QPainter& p) {  // transmission: a gear wheel
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(170, 170, 190));
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
          QTransform t;
          t.translate(16, 16);
          t.rotate(i * 45.0);
          gear.addPolygon(t.map(QPolygonF(QRectF(-2.5, -14, 5, 6))));
        }
        gear.addEllipse(QPointF(16, 16), 10, 10);
        p.drawPath(gear.simplified());
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
      },
      [](QPainter& p) {  // inertia: a flywheel with its turning arrow
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(120, 120, 130));
        p.drawEllipse(QPointF(16, 17), 11, 11);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 17), 3, 3);
        p.setPen(QPen(Qt::red, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2, 2, 28, 28), 30 * 16, 120 * 16);
        p.drawLine(QPointF(5, 9), QPointF(4, 4));
        p.drawLine(QPointF(5, 9), QPointF(10, 8));
      },
      [](QPainter& p) {  // nitrous: a bottle
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(40, 70, 200));
        p.drawRoundedRect(QRectF(9, 9, 14, 20), 5, 5);
        p.setBrush(Qt::darkGray);
        p.drawRect(13, 4, 6, 5);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("Sans"), 6, QFont::Bold));
        p.drawText(QRect(9, 14, 14, 10), Qt::AlignCenter, QStringLiteral("N2O"));
      },
      [](QPainter& p) {  // performance summary: a printed sheet
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(7, 3, 18, 26);
        p.setPen(Qt::darkBlue);
        for (int y = 8; y <= 24; y += 4) p.drawLine(10, y, y % 8 ? 18 : 22, y);
      },
      [](QPainter& p) {  // simulation graphs: traces on a grid
        p.fillRect(3, 3, 26, 26, Qt::white);
        p.setPen(QPen(Qt::lightGray, 1));
        for (int i = 9; i < 29; i += 6) {
          p.drawLine(3, i, 29, i);
          p.drawLine(i, 3, i, 29);
        }
        p.setPen(QPen(Qt::red, 2));
        p.drawPolyline(
            QPolygonF({QPointF(4, 27), QPointF(10, 15), QPointF(18, 10), QPointF(28, 7)}));
        p.setPen(QPen(Qt::blue, 2));
        p.drawPolyline(
            QPolygonF({QPointF(4, 20), QPointF(12, 24), QPointF(20, 18), QPointF(28, 22)}));
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(3, 3, 26, 26);
      },
      [](QPainter& p) {  // wheels and tyres: a slick
        Wheel(p, {16, 16}, 13);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 10, 10);
      },
      [](QPainter& p) {  // throttle controls: a butterfly in its bore
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 12, 12);
        p.setPen(QPen(QColor(200, 120, 0), 3));
        p.drawLine(8, 22, 24, 10);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(16, 3, 16, 29);
      },
      [](QPainter& p) {  // practice tree: amber lights over the green
        p.fillRect(11, 1, 10, 30, QColor(40, 40, 40));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
          p.setBrush(QColor(255, 190, 0));
          p.drawEllipse(QPointF(16, 5 + i * 7), 3, 3);
        }
        p.setBrush(QColor(0, 220, 0));
        p.drawEllipse(QPointF(16, 26), 3.5, 3.5);
      },
      [](QPainter& p) {  // history log: a clock over a list
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 20, 19);
        for (int y = 15; y < 28; y += 4) p.drawLine(7, y, 20, y);
        p.setBrush(QColor(255, 255, 180));
        p.drawEllipse(QPointF(22, 10), 8, 8);
        p.drawLine(QPointF(22, 10), QPointF(22, 5));
        p.drawLine(QPointF(22, 10), QPointF(26, 11));
      },
  }};
  return painters;
}

QColor Shade(bool sixteenColours, const QColor& full, const QColor& basic) {
  return sixteenColours ? basic : full;
}

}  // namespace

QImage IconStripPicture() {
  QImage strip(IconStripWidth, IconStripHeight, QImage::Format_RGB32);
  strip.fill(QColor(192, 192, 192));
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  const auto& painters = IconPainters();
  for (int i = 0; i < 17; ++i) {
    p.save();
    p.translate(i * 32, 0);
    p.setClipRect(0, 0, 32, 32);
    // A raised button face around each icon.
    p.setPen(Qt::white);
    p.drawLine(0, 0, 31, 0);
    p.drawLine(0, 0, 0, 31);
    p.setPen(Qt::darkGray);
    p.drawLine(31, 1, 31, 31);
    p.drawLine(1, 31, 31, 31);
    painters[static_cast<std::size_t>(i)](p);
    p.restore();
  }
  return strip;
}

QImage SplashPicture(bool sixteenColours) {
  QImage picture(413, 328, QImage::Format_RGB32);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing, !sixteenColours);
  const QRect sky(0, 0, 413, 190);
  if (sixteenColours) {
    p.fillRect(sky, QColor(0, 0, 128));
  } else {
    QLinearGradient dusk(sky.topLeft(), sky.bottomLeft());
    dusk.setColorAt(0, QColor(10, 20, 70));
    dusk.setColorAt(1, QColor(230, 120, 40));
    p.fillRect(sky, dusk);
  }
  p.fillRect(QRect(0, 190, 413, 138), Shade(sixteenColours, QColor(60, 90, 40), QColor(0, 128, 0)));
  // The strip runs to the horizon.
  p.setPen(Qt::NoPen);
  p.setBrush(Shade(sixteenColours, QColor(70, 70, 75), QColor(128, 128, 128)));
  p.drawPolygon(QPolygon({QPoint(196, 190), QPoint(217, 190), QPoint(380, 328), QPoint(33, 328)}));
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(206, 192, 206, 328);
  // Start lights beside the track.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(60, 200, 14, 60);
  const std::array<QColor, 4> lights = {QColor(255, 255, 0), QColor(255, 255, 0),
                                        QColor(255, 255, 0), QColor(0, 255, 0)};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(lights[static_cast<std::size_t>(i)]);
    p.drawEllipse(QPoint(67, 208 + i * 14), 5, 5);
  }
  p.setPen(Shade(sixteenColours, QColor(255, 220, 80), QColor(255, 255, 0)));
  p.setFont(QFont(QStringLiteral("Sans"), 40, QFont::Bold));
  p.drawText(QRect(0, 90, 413, 70), Qt::AlignCenter, QStringLiteral("Kestrelon"));
  p.setPen(Qt::white);
  p.setFont(QFont(QStringLiteral("Sans"), 12));
  p.drawText(QRect(0, 150, 413, 30), Qt::AlignCenter, QStringLiteral("Drag strip simulator"));
  return picture;
}

QImage LogoPicture() {
  QImage logo(284, 47, QImage::Format_RGB32);
  logo.fill(QColor(0, 0, 128));
  QPainter p(&logo);
  p.setPen(QPen(QColor(255, 255, 0), 2));
  p.drawRect(1, 1, 281, 44);
  p.setFont(QFont(QStringLiteral("Sans"), 22, QFont::Bold));
  p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("KESTRELON"));
  return logo;
}

QImage PictureFile(const std::string& path) {
  std::string bytes;
  if (FileSystem().Read(path, bytes) != 0) return {};
  return QImage::fromData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace kestrelon

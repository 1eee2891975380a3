#include "tree/ui/tree_picture.h"

#include <QPainter>

#include "platform/qt/form.h"

namespace kestrelon {
namespace {

QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

TreePicture::TreePicture(const PracticeTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
  setFixedSize(TreePicWidth / TwipsPerPixel, TreePicHeight / TwipsPerPixel);
}

void TreePicture::SetLightType(int lightType) {
  lightType_ = lightType;
  update();
}

void TreePicture::paintEvent(QPaintEvent*) {
  const TreeColours colours = LightColours(lightType_);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
  p.fillRect(QRect(0, 0, TreePicWidth, TreePicHeight), ToQColor(colours.background));

  // Decoration: lines through the pre-stage and stage rows and down the middle.
  p.setPen(QPen(ToQColor(colours.amber), TwipsPerPixel));
  for (const TreeBulb row : {TreeBulb::Prestage1, TreeBulb::Stage1}) {
    const BulbPlace& place = PlaceOf(row);
    const int y = place.top + place.diameter / 2;
    p.drawLine(place.left[0], y, place.left[1] + place.diameter, y);
  }
  p.drawLine(TreePicWidth / 2, 0, TreePicWidth / 2, TreePicHeight);

  for (int lane = 0; lane < 2; ++lane) {
    for (int b = 0; b < TreeBulbCount; ++b) {
      const auto bulb = static_cast<TreeBulb>(b);
      const BulbPlace& place = PlaceOf(bulb);
      const QColor colour = ToQColor(BulbColour(colours, bulb));
      const QRect rim(place.left[lane], place.top, place.diameter, place.diameter);
      p.setPen(QPen(colour, 2 * TwipsPerPixel));
      p.setBrush(showingRun_ && tree_.Lit(lane, bulb) ? QBrush(colour) : QBrush(ToQColor(colours.background)));
      p.drawEllipse(rim);
    }
  }
}

}  // namespace kestrelon

#include "platform/qt/font_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/canvas.h"

namespace kestrelon {

bool ChooseFontAndColour(QWidget* parent, QFont& font, QColor& colour) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("FontDialog"));
  dialog.setWindowTitle(QStringLiteral("Font"));
  // The chooser starts at the family really shown (a font the system lacks falls back to
  // another) and finds the style by its name, which a plain font leaves unset.
  QFont offered = font;
  offered.setFamily(QFontInfo(font).family());
  offered.setStyleName(QFontInfo(offered).styleName());
  auto* chooser = new QFontDialog(offered, &dialog);
  chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  chooser->setWindowFlags(Qt::Widget);

  auto* colours = new QComboBox(&dialog);
  static const char* const names[] = {"Black",     "Blue",          "Green",        "Cyan",
                                      "Red",       "Magenta",       "Dark yellow",  "Light grey",
                                      "Grey",      "Light blue",    "Light green",  "Light cyan",
                                      "Light red", "Light magenta", "Light yellow", "White"};
  const auto add = [colours](const QString& name, const QColor& c) {
    QPixmap swatch(12, 12);
    swatch.fill(c);
    colours->addItem(QIcon(swatch), name, c);
  };
  for (int i = 0; i < 16; ++i) {
    const Color c = QBColor(i);
    add(QString::fromLatin1(names[i]), QColor(RedOf(c), GreenOf(c), BlueOf(c)));
  }
  // A colour from outside the palette is offered as it is, so OK does not turn it black.
  int current = colours->findData(colour);
  if (current < 0) {
    add(QStringLiteral("Custom"), colour);
    current = colours->count() - 1;
  }
  colours->setCurrentIndex(current);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  // Escape or Enter inside the chooser ends the whole dialog, not only the chooser in it.
  QObject::connect(chooser, &QDialog::rejected, &dialog, &QDialog::reject);
  QObject::connect(chooser, &QDialog::accepted, &dialog, &QDialog::accept);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(chooser);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("&Colour:"), &dialog);
  label->setBuddy(colours);
  row->addWidget(label);
  row->addWidget(colours, 1);
  layout->addLayout(row);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  font = chooser->currentFont();
  colour = colours->currentData().value<QColor>();
  return true;
}

}  // namespace kestrelon

// The line edits' side of the program texts (declared with them in text.h), apart from the
// conversions themselves, which the readers' fuzz targets build without the widgets.
#include <QLineEdit>

#include "core/numbers.h"
#include "platform/qt/text.h"

namespace kestrelon {

std::string BoxText(const QLineEdit* box) { return OneLineText(StdText(box->text())); }
void SetBoxText(QLineEdit* box, const std::string& text) { box->setText(QText(text)); }

}  // namespace kestrelon

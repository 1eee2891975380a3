#pragma once
// For window tests: the program's own Qt answerer (windows by name, the progress window, pending
// events), with message boxes recorded and answered from a queue instead of waiting for a click.

#include "platform/qt/qt_ui.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {

using RecordingQtUi = RecordingUi<QtUi>;

}  // namespace kestrelon::test

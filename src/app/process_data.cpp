#include "app/process_data.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <optional>

#include "core/program_title.h"
#include "core/state.h"
#include "core/ui/form1.h"
#include "entry/entry_chain.h"
#include "files/file_commands.h"
#include "files/file_exists.h"
#include "files/left_over_file.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"

namespace kestrelon {

namespace {


// A window other than the bar is on screen: a data form the automatic pass stopped at for the
// user to correct (the pass goes on when it is accepted).
bool PassAwaitsUser() {
  for (Form* form : Form::LoadedForms())
    if (form != Form1::Instance() && form->isVisible()) return true;
  return false;
}

bool PassOver() { return S.VehicleLoadDone != False || S.CancelFlag == 1 || !PassAwaitsUser(); }

// Ends its event loop when a window goes from the screen and the pass is over with it.
class PassWatcher : public QObject {
 public:
  explicit PassWatcher(QEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && dynamic_cast<Form*>(watched))
      QMetaObject::invokeMethod(
          this, [this] { if (PassOver()) loop_.quit(); }, Qt::QueuedConnection);
    return false;
  }

 private:
  QEventLoop& loop_;
};

// Waits, with the windows working, until the automatic pass has completed or ended without
// completing. True when it completed.
bool AutomaticPassCompleted() {
  if (!PassOver()) {
    QEventLoop loop;
    PassWatcher watcher(loop);
    qApp->installEventFilter(&watcher);
    const auto previous = AutomaticPassAbandoned;
    AutomaticPassAbandoned = [&] {
      if (previous) previous();
      loop.quit();
    };
    loop.exec();
    AutomaticPassAbandoned = previous;
    qApp->removeEventFilter(&watcher);
  }
  return S.VehicleLoadDone != False;
}

// The file the command line names as this system has it: a racer's own files often carry their
// extension in lower case, and are found as the file dialog finds them. A file not there is
// told by its kind and the name looked for; a missing folder has been told by the look-up first.
std::optional<std::string> FindNamedFile(const std::string& named, const std::string& kind) {
  const std::string path = FileWithExtensionInAnyCase(named);
  if (FileExists(path)) return path;
  ui().MsgBox(kind + PathText(named) + " not found", Msg::OKOnly, ProgramTitle);
  return std::nullopt;
}

}  // namespace

void Process_Data(const std::string& chassisNamed, const std::string& engineNamed) {
  for (const std::string* file : {&chassisNamed, &engineNamed}) PutBackLeftOverFile(*file);
  const auto chassis = FindNamedFile(chassisNamed, "Chassis file ");
  if (!chassis) return;
  const auto engine = FindNamedFile(engineNamed, "Engine file ");
  if (!engine) return;
  if (Form1* bar = Form1::Instance()) {
    bar->CommandLineLoad = true;
    bar->CommandLineEngine = *engine;
    bar->CommandLineChassis = *chassis;
  }
  if (!FileVehicle(*chassis, *engine)) return;
  if (!AutomaticPassCompleted()) return;
  // The run set-up accepts its stored settings as it loads and runs the vehicle.
  S.AutoAccept = True;
  if (Form* setup = Form::Instance("frmDataLaunch")) setup->Show();
  S.AutoAccept = False;
}

}  // namespace kestrelon

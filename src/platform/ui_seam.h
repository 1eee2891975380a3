#pragma once
// The one way GUI-free code reaches the screen. The logic asks a question (a message box with
// its buttons, icon and title), lets pending window events through, or asks for a window
// request; the application installs the Qt answerer, tests install a scripted one.

#include <string>

namespace kestrelon {

// Message box style bits (buttons + icon + default button) and answers.
namespace Msg {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
// Esc and the close box answer Cancel although the box shows no Cancel button: a question whose
// No goes on with the command, where only Yes and No are offered, can still be walked away from.
inline constexpr int DismissCancels = 0x8000;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace Msg

class UiSeam {
 public:
  virtual ~UiSeam() = default;

  // Shows a modal message box and returns the answer (Msg::Ok, Msg::Yes, ...).
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
  // Lets pending window events run (a Cancel button reaching a long loop).
  virtual void DoEvents() {}
  // The hourglass while a long operation runs.
  virtual void SetBusyCursor(bool) {}

  // Window requests: harmless until the window that answers them exists.
  // Shows a window by its form name ("frmDataLaunch"), loading it first, modeless.
  virtual void ShowForm(const std::string& /*formName*/) {}

  // The run's progress window: shown (true) before the step loop, closed (false) at the end.
  virtual void ShowRunProgress(bool) {}
  // Fills the progress bar up to recorded point n (0..1000).
  virtual void SetRunProgress(int) {}
  // End of a run: refreshes the run graph when it is open and tells whether it was.
  virtual bool RefreshRunGraph() { return false; }
  // End of a run without a run graph: refreshes the display options when open, and tells.
  virtual bool RefreshSimDisplay() { return false; }
  // End of a run with neither window open: shows the display options modeless.
  virtual void ShowSimDisplay() {}
  // End of a run that leaves no run: unloads the run graph and its display options when they
  // are open, as loading another vehicle does, so that neither shows or sets a run as baseline.
  virtual void UnloadRunGraph() {}
  // What the result windows draw has changed (a run ended, another vehicle or curve came in, a
  // form was accepted, the units changed): each open listing, cascade and history log that is
  // visible and not minimised draws the model anew, without being shown, raised or activated.
  virtual void RefreshResultWindows() {}
  // A command changed vehicle values behind the data forms: each open one shows them again.
  virtual void ShowVehicleData() {}
  // The clutch form, when visible, shows the static and locked capacity texts.
  virtual void ShowClutchCapacities(const std::string&, const std::string&) {}
  // The quick entry of peak figures for column PowerCurveIndex, modal; its Cancel sets
  // CancelFlag to 1.
  virtual void ShowPowerEntryForm() {}
  // The curve graph on column PowerCurveIndex: modeless when mode is 0, else modal.
  virtual void ShowPowerGraph(int /*mode*/) {}
  // The power estimate dialog's bar filled up to attempt n of the search.
  virtual void SetEstimateProgress(int /*attempt*/) {}
  // The power estimate's results window, modal: its Finish or Retry sets the restore flags.
  virtual void ShowEstimateResult() {}
};

// The installed answerer; a silent one that answers Ok until the application installs its own.
UiSeam& ui();
// Installs an answerer (nullptr restores the silent one) and returns the previous one.
UiSeam* setUi(UiSeam* seam);

}  // namespace kestrelon

#include "report/report_file.h"

#include "core/numbers.h"
#include "core/state.h"
#include "files/file_description.h"
#include "files/file_exists.h"
#include "files/text_file.h"
#include "platform/ui_seam.h"
#include "report/performance_report.h"

namespace kestrelon {

std::string ReportText(const ReportOps& ops) {
  std::string text;
  int column = 1;  // of the next character
  // A text is written as a line of the program's files holds it: a NUL or line end as a blank.
  auto put = [&](const std::string& s) {
    text += OneLineText(s);
    column += static_cast<int>(s.size());
  };
  auto lineEnd = [&] {
    text += "\r\n";
    column = 1;
  };
  for (const ReportOp& op : ops) {
    switch (op.kind) {
      case ReportOp::Text: put(op.text); break;
      case ReportOp::Number: put(Str(op.value) + " "); break;
      case ReportOp::Tab:
        if (column > op.value) lineEnd();
        if (column < op.value) put(std::string(static_cast<std::size_t>(op.value - column), ' '));
        break;
      case ReportOp::LineEnd: lineEnd(); break;
      case ReportOp::Size:
      case ReportOp::Bold:
      case ReportOp::Underline: break;
    }
  }
  return text;
}

bool FilePerformanceData(const std::string& fileName) {
  static const char* const title = "Save Performance Data to File";
  // The file's title names the vehicle after its vehicle file, and VehicleName keeps that name
  // from now on (none when the file has a description or there is no file).
  S.VehicleName = ReportVehicleName(ReportSink::File);
  const FileWriteResult result =
      WriteFileReplacing(fileName, ReportText(PerformanceReport(ReportSink::File, {})));
  if (result.ok()) return true;
  if (result.pathMissing()) {
    ui().MsgBox("Drive or path does not exist", Msg::OKOnly | Msg::Exclamation, title);
  } else {
    ui().MsgBox(UnexpectedErrorText(result.error, result.description), Msg::OKOnly | Msg::Critical,
                title);
  }
  return false;
}

}  // namespace kestrelon

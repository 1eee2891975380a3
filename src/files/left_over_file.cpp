#include "files/left_over_file.h"

#include "files/file_exists.h"
#include "platform/ui_seam.h"
#include "platform/whole_file.h"

namespace kestrelon {

void PutBackLeftOverFile(const std::string& path) {
  if (path.empty()) return;
  const FileWriteResult result = PutBackLeftOver(path);
  if (!result.ok())
    ui().MsgBox(UnexpectedErrorText(result.error, result.description), Msg::OKOnly | Msg::Critical, "Open File");
}

}  // namespace kestrelon

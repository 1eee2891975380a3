#include "files/file_error.h"

#include <cerrno>

#include "core/file_error_text.h"
#include "platform/ui_seam.h"

namespace kestrelon {

bool TellFileError(const FileWriteResult& result, const std::string& title, const std::string& unexpectedTitle,
                   const std::string& more) {
  if (result.error == ENOMEDIUM)
    return ui().MsgBox("Insert a disk in the drive" + more, Msg::OKCancel | Msg::Exclamation, title) == Msg::Ok;
  if (result.pathMissing()) {
    ui().MsgBox("Drive or path does not exist" + more, Msg::OKOnly | Msg::Exclamation, title);
  } else {
    ui().MsgBox(UnexpectedErrorText(result.error, result.description) + more, Msg::OKOnly | Msg::Critical, unexpectedTitle);
  }
  return false;
}

}  // namespace kestrelon

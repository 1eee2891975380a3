#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

class SilentUi : public UiSeam {
 public:
  int MsgBox(const std::string&, int, const std::string&) override { return Msg::Ok; }
};

SilentUi silent;
UiSeam* current = &silent;

}  // namespace

UiSeam& ui() { return *current; }

UiSeam* setUi(UiSeam* seam) {
  UiSeam* previous = current;
  current = seam ? seam : &silent;
  return previous == &silent ? nullptr : previous;
}

}  // namespace kestrelon

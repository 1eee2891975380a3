#include "entry/form_openers.h"

#include <array>

namespace kestrelon {
namespace {

std::array<std::function<void()>, static_cast<int>(EntryForm::RunSetup) + 1>& Openers() {
  static std::array<std::function<void()>, static_cast<int>(EntryForm::RunSetup) + 1> openers;
  return openers;
}

}  // namespace

void SetFormOpener(EntryForm form, std::function<void()> opener) {
  Openers()[static_cast<int>(form)] = std::move(opener);
}

void OpenEntryForm(EntryForm form) {
  // A copy: the window opened may register openers itself.
  const auto opener = Openers()[static_cast<int>(form)];
  if (opener) opener();
}

}  // namespace kestrelon

#include "platform/qt/letter_keys.h"

#include <array>

namespace kestrelon {
namespace {

// The letters of a Latin keyboard by key position, as the X and Wayland keyboards number the
// keys (the Linux key code plus 8): rows Q to P, A to L and Z to M.
constexpr quint32 FirstKeyCode = 24;
constexpr std::array<char, 35> LettersByKeyCode = {
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 0,   0,   0,   0,   'A', 'S', 'D', 'F',
    'G', 'H', 'J', 'K', 'L', 0,   0,   0,   0,   0,   'Z', 'X', 'C', 'V', 'B', 'N', 'M'};

}  // namespace

int LetterKey(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  // Keys the layout gives no Latin letter (Cyrillic, Greek, ...) go by where they are.
  if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) return 0;
  const quint32 code = event.nativeScanCode();
  if (code < FirstKeyCode || code >= FirstKeyCode + LettersByKeyCode.size()) return 0;
  const char letter = LettersByKeyCode[code - FirstKeyCode];
  return letter ? Qt::Key_A + (letter - 'A') : 0;
}

}  // namespace kestrelon

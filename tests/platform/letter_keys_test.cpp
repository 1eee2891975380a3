#include "platform/qt/letter_keys.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kestrelon {
namespace {

int Letter(int key, quint32 keyCode, const QString& text) {
  return LetterKey(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, keyCode, 0, 0, text));
}

TEST(LetterKeys, TheLayoutsLatinLetterElseTheLetterAtThatPlace) {
  // A French layout has A where a US one has Q: its letter counts. A Russian one has a Cyrillic
  // letter at the place of P; a Greek one a Greek letter at the place of W.
  EXPECT_EQ(std::tuple(Letter(Qt::Key_A, 24, "a"), Letter(0x0417, 33, QString(QChar(0x0437))),
                       Letter(0x03A2, 25, QString(QChar(0x03C2)))),
            std::tuple(Qt::Key_A, Qt::Key_P, Qt::Key_W));
  // Punctuation and digits on a letter's place, and keys away from the letters, are no letters.
  EXPECT_EQ(std::tuple(Letter(Qt::Key_Comma, 58, ","), Letter(Qt::Key_F2, 68, ""), Letter(Qt::Key_Return, 36, "\r"),
                       Letter(0x0416, 200, "")),
            std::tuple(0, 0, 0, 0));
}

}  // namespace
}  // namespace kestrelon

// Enter, Esc, Cancel and the close box in the data forms as a racer uses them: from inside a
// text box, with a box that holds nonsense, and with the model the boxes changed on the way.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "entry/entry_test_support.h"
#include "entry/ui/data_forms.h"
#include "entry/ui/frmDataClutch.h"
#include "entry/ui/frmDataClutchTimers.h"
#include "entry/ui/frmDataGears.h"
#include "platform/qt/form.h"
#include "platform/qt/text.h"
#include "support/example_entry.h"

namespace kestrelon::test {
namespace {

class FormKeys : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    RegisterDataForms();
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
  }
  static Form* Open(const char* name) {
    Form* form = Form::Instance(name);
    form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    QApplication::setActiveWindow(form);  // offscreen, a window shown again is not made active
    QCoreApplication::processEvents();
    return form;
  }
  // The first text box the racer can type into, else the first control that takes the focus.
  static QWidget* FirstBox(Form* form) {
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
      if (box->isVisible() && box->isEnabled()) return box;
    for (QWidget* control : form->findChildren<QWidget*>())
      if (control->isVisible() && control->isEnabled() && control->focusPolicy() & Qt::TabFocus &&
          !qobject_cast<QPushButton*>(control))
        return control;
    return nullptr;
  }
  static QPushButton* DefaultButton(Form* form) {
    for (QPushButton* button : form->findChildren<QPushButton*>())
      if (button->isDefault()) return button;
    return nullptr;
  }
};

const char* const KeyedForms[] = {"frmDataChassis", "frmDataTyre",     "frmDataAero",
                                  "frmDataGears",   "frmDataInertia",  "frmDataThrottle",
                                  "frmDataClutch",  "frmDataNitrous",  "frmDataClutchTimers"};

TEST_F(FormKeys, EnterPressesOKAndEscCancelsFromATextBox) {
  for (const char* name : KeyedForms) {
    SCOPED_TRACE(name);
    Form* form = Open(name);
    QWidget* box = FirstBox(form);
    ASSERT_NE(box, nullptr);
    QPushButton* ok = DefaultButton(form);
    ASSERT_NE(ok, nullptr) << "no OK pressed by Enter";
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    int pressed = 0;
    const auto counting = QObject::connect(ok, &QPushButton::clicked, [&] { ++pressed; });
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QObject::disconnect(counting);
    EXPECT_EQ(pressed, 1);

    if (!form->IsLoaded()) form = Open(name);  // accepted: open it again for the Esc
    FirstBox(form)->setFocus();
    QTest::keyClick(FirstBox(form), Qt::Key_Escape);
    EXPECT_FALSE(form->IsLoaded());
    form->Unload();
  }
}

TEST_F(FormKeys, CancelAndTheCloseBoxLeaveWithoutCheckingTheBoxAndPutTheGearingBack) {
  SetItems({{6, 16, "1"}, {6, 17, "3.5"}, {7, 1, "2.5"}, {7, 4, "1.5"}});
  S.TransPrimary = 1;
  S.TransFinal = 3.5f;
  const auto leaveBy = [](Form* form, const char* how) {
    if (std::string(how) == "Cancel") {
      QTest::mouseClick(form->CancelButton(), Qt::LeftButton);
    } else if (std::string(how) == "Esc") {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
      form->close();
    }
  };
  for (const char* how : {"Cancel", "Esc", "close box"}) {
    SCOPED_TRACE(how);
    seam.asked.clear();
    const Single overall2 = S.GearOverall[2];
    auto* gears = static_cast<frmDataGears*>(Open("frmDataGears"));
    // A new final drive left for the next box reaches the model at once.
    gears->TransFinal->setFocus();
    gears->TransFinal->setText(QStringLiteral("4.1"));
    gears->TransStart->setFocus();
    ASSERT_EQ(S.TransFinal, 4.1f);
    // Nonsense left in the box: Cancel must not ask about it.
    gears->TransFinal->setFocus();
    gears->TransFinal->setText(QStringLiteral("abc"));
    leaveBy(gears, how);
    EXPECT_FALSE(gears->IsLoaded());
    EXPECT_TRUE(seam.asked.empty()) << seam.asked.front().text;
    EXPECT_EQ(std::tuple(S.TransFinal, S.TransPrimary, S.GearOverall[2]),
              std::tuple(3.5f, 1.0f, overall2));
  }
}

TEST_F(FormKeys, F2InTheTimersNeverOpensThemAgainInsideTheClutchOK) {
  FlatEngine(20, 70, 300);
  S.EngineSummary[0][1] = 50;
  S.EngineSummary[1][0] = 350;
  // The timers opened by the clutch form's F2, or by its Timers button.
  for (const bool byButton : {false, true}) {
    SCOPED_TRACE(byButton ? "Timers button" : "F2");
    auto* clutch = static_cast<frmDataClutch*>(Open("frmDataClutch"));
    clutch->DefaultsButton_Click();
    S.VehicleData[1][14] = "50";  // stored timers: the clutch OK opens them
    Form::Instance("frmDataClutchTimers")->setProperty("seen", false);
    int timersShown = 0;
    QTimer racer;
    racer.setInterval(5);
    QObject::connect(&racer, &QTimer::timeout, [&] {
      auto* timers = static_cast<frmDataClutchTimers*>(Form::FindLoaded("frmDataClutchTimers"));
      if (!timers || !timers->isVisible() || timers->property("seen").toBool()) return;
      timers->setProperty("seen", true);
      ++timersShown;
      QTest::keyClick(timers, Qt::Key_F2);      // accepts the timers and passes the key on
      QTest::keyClick(timers, Qt::Key_Escape);  // then leaves them
    });
    racer.start();
    if (byButton)
      clutch->ClutchTimerButton_Click();
    else
      QTest::keyClick(clutch, Qt::Key_F2);
    racer.stop();
    EXPECT_EQ(timersShown, 1);
    EXPECT_FALSE(Form::FindLoaded("frmDataClutchTimers"));
    EXPECT_EQ(QThread::currentThread()->loopLevel(), 0);
    clutch->Unload();
  }
}

// Timers opened with the mouse and left with Enter hand the focus back to the Timers button;
// the next Enter accepts the clutch form as its OK does, rather than opening them again. The
// window system's activation of the clutch form, queued when the timers closed, comes after the
// form has hidden and moves the focus off its OK to Cancel: at the next opening Enter is still
// its OK.
TEST_F(FormKeys, EnterAcceptsTheClutchWhereverTheTimersLeftTheFocus) {
  EnterExampleAutomatically(2);  // the nitrous funny bike: a slider built to its specification
  ASSERT_EQ(Tbl.ExampleKey[2], "NFUNNY16");
  S.ClutchEntered = False;
  auto* clutch = static_cast<frmDataClutch*>(Open("frmDataClutch"));
  int timersShown = 0;
  QTimer racer;
  racer.setInterval(5);
  QObject::connect(&racer, &QTimer::timeout, [&] {
    auto* timers = Form::FindLoaded("frmDataClutchTimers");
    if (!timers || !timers->isVisible()) return;
    ++timersShown;
    QTest::keyClick(timers->focusWidget() ? timers->focusWidget() : timers, Qt::Key_Return);
  });
  racer.start();
  QTest::mouseClick(clutch->ClutchTimerButton, Qt::LeftButton);
  ASSERT_EQ(timersShown, 1);
  QTest::keyClick(clutch->focusWidget() ? clutch->focusWidget() : clutch, Qt::Key_Return);
  EXPECT_EQ(timersShown, 1);
  EXPECT_EQ(S.ClutchEntered, True);
  EXPECT_FALSE(clutch->IsLoaded());

  QApplication::setActiveWindow(clutch);  // the late activation, on the hidden form
  ASSERT_EQ(clutch->focusWidget(), clutch->ClutchCancelButton);
  S.ClutchEntered = False;
  Open("frmDataClutch");
  QTest::keyClick(clutch->windowHandle(), Qt::Key_Return);
  racer.stop();
  EXPECT_EQ(timersShown, 1);
  EXPECT_EQ(S.ClutchEntered, True);
  EXPECT_FALSE(clutch->IsLoaded());
}

}  // namespace
}  // namespace kestrelon::test

// Every data form, and the run graph, on a 1024 x 768 screen at scale 1.5 (about 683 x 512
// pixels) under a window system that frames its windows: at its first opening, once it has
// painted, the window and its frame stand inside the screen, and its Cancel can be reached and
// works.
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "entry/ui/data_forms.h"
#include "entry/entry_test_support.h"
#include "platform/qt/form.h"
#include "platform/qt/screen_place.h"
#include "results/ui/run_graph_windows.h"
#include "support/example_entry.h"

namespace kestrelon::test {
namespace {

const QRect Area(0, 0, 683, 512);
// The frame of a window once the window system shows it: borders and a caption bar.
const QMargins Frame(4, 30, 4, 4);

class SmallScreen : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    RegisterDataForms();
    RegisterRunGraphWindows();
    WindowSystem.ScreenArea = [](const QWidget&) { return Area; };
    WindowSystem.Frame = [](const QWidget& window) { return window.isVisible() ? Frame : QMargins(); };
  }
  void TearDown() override {
    WindowSystem = WindowSystemLook{};
    const std::vector<Form*> loaded = Form::LoadedForms();
    for (Form* form : loaded) form->Unload();
    Form::DeleteInstances();
  }
  // Opens the window as the program does, and lets its first paint and what follows it happen.
  static void OpenAndPaint(Form* form) {
    int paints = 0;
    PaintCounter counter(paints);
    form->installEventFilter(&counter);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints > 0; }));
    form->removeEventFilter(&counter);
    for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
  }
  // The window with its frame, where the window system shows it.
  static QRect Framed(const Form* form) { return QRect(form->pos(), form->size().grownBy(Frame)); }

 private:
  struct PaintCounter : QObject {
    explicit PaintCounter(int& paints) : paints_(paints) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints_;
      return false;
    }
    int& paints_;
  };
};

TEST_F(SmallScreen, EveryDataFormOpensInsideTheScreenWithItsFrameAndItsCancelIsReachable) {
  EnterExampleAutomatically(7);  // after a load, as from the command line
  // A primary ratio the transmission form's box refuses when the racer leaves it: its controls
  // moving into a scroll area as the form opens must not ask about it.
  S.VehicleData[6][16] = "abc";
  seam.asked.clear();  // "Data successfully loaded"
  for (const char* name : {"frmDataChassis", "frmDataTyre", "frmDataAero", "frmDataGears", "frmDataNitrous",
                           "frmDataClutch", "frmDataClutchTimers", "frmDataInertia", "frmDataThrottle"}) {
    SCOPED_TRACE(name);
    Form* form = Form::Instance(name);
    ASSERT_NE(form, nullptr);
    OpenAndPaint(form);
    EXPECT_TRUE(seam.asked.empty()) << seam.asked.front().text;
    // A form that scrolls gives the keyboard to a control of its own, in view, as one that does not.
    if (const auto* scroll = form->findChild<QScrollArea*>()) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return scroll->widget()->isAncestorOf(form->focusWidget()); })) << name;
      EXPECT_FALSE(form->focusWidget()->visibleRegion().isEmpty());
    }
    EXPECT_TRUE(Area.contains(Framed(form))) << Framed(form).x() << "," << Framed(form).y() << " "
                                             << Framed(form).width() << "x" << Framed(form).height();
    QPushButton* cancel = nullptr;
    for (QPushButton* button : form->findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("Cancel")) cancel = button;
    ASSERT_NE(cancel, nullptr);
    if (auto* scroll = form->findChild<QScrollArea*>()) scroll->ensureWidgetVisible(cancel);
    QCoreApplication::processEvents();
    EXPECT_FALSE(cancel->visibleRegion().isEmpty());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(form->IsLoaded());
  }
  // Opened again, scrolled down at its last opening: the control with the keyboard is in view.
  OpenAndPaint(Form::Instance("frmDataChassis"));
  EXPECT_FALSE(!QApplication::focusWidget() || QApplication::focusWidget()->visibleRegion().isEmpty());
}

TEST_F(SmallScreen, TheRunGraphOpensInsideTheScreenWithItsFrame) {
  Form* graph = Form::Instance("frmGraphDyn");
  ASSERT_NE(graph, nullptr);
  OpenAndPaint(graph);
  EXPECT_TRUE(Area.contains(Framed(graph))) << Framed(graph).x() << "," << Framed(graph).y() << " "
                                            << Framed(graph).width() << "x" << Framed(graph).height();
}

}  // namespace
}  // namespace kestrelon::test

#pragma once
// The start and end of each cascade and history window test: the example car entered, the
// windows registered by name (with the one-value dialog), message boxes recorded, and prints
// going to a PDF file in a folder of the test's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/ui/data_forms.h"
#include "platform/qt/form.h"
#include "platform/qt/printer.h"
#include "results/ui/cascade_history_windows.h"
#include "support/recording_qt_ui.h"
#include "support/westfield_fixture.h"

namespace kestrelon::test {

class ResultsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    Cfg = Settings{};
    LoadWestfield(2);
    S.RearTyreRadiusFt = S.RearTyreRadius * 3.2805f;
    S.EngineEntered = S.TransmissionEntered = S.TyreEntered = S.AeroEntered = True;
    RegisterDataForms();
    RegisterCascadeHistoryWindows();
    previous_ = setUi(&ui);
    ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
    ProgramPrinter().setOutputFileName(PdfPath());
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    setUi(previous_);
  }

  QString PdfPath() const { return folder_.filePath(QStringLiteral("print.pdf")); }
  // Pages of the PDF file printed last.
  int PdfPages() const {
    QFile file(PdfPath());
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray pdf = file.readAll();
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
      if (pdf.mid(at + 11, 1) != "s") ++pages;
    return pages;
  }

  template <typename W>
  static W* Open(const char* formName) {
    auto* w = static_cast<W*>(Form::Instance(formName));
    w->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    QApplication::processEvents();
    return w;
  }

  RecordingQtUi ui;

 private:
  QTemporaryDir folder_;
  UiSeam* previous_ = nullptr;
};

}  // namespace kestrelon::test

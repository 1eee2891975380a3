#pragma once
// The start and end of each cascade and history window test: the example car entered, the
// windows registered by name (with the one-value dialog), message boxes recorded, and a folder
// of the test's own for the PDF files its prints are answered with.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/ui/data_forms.h"
#include "platform/qt/form.h"
#include "results/ui/cascade_history_windows.h"
#include "support/recording_qt_ui.h"
#include "support/pdf_answer.h"
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
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    setUi(previous_);
  }

  QString PdfPath(const QString& name = QStringLiteral("print.pdf")) const { return folder_.filePath(name); }
  // Pages of a PDF file printed.
  int PdfPages(const QString& name = QStringLiteral("print.pdf")) const {
    QFile file(PdfPath(name));
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

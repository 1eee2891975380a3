#include "simulation/ui/frmEstResult.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/state.h"
#include "platform/canvas.h"
#include "platform/qt/text.h"

namespace kestrelon {
namespace {

constexpr int InsideColour = 2;    // green
constexpr int OutsideColour = 12;  // light red

void SetTextColour(QLabel* label, Color colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  label->setPalette(palette);
}

}  // namespace

frmEstResult::frmEstResult() : Form("frmEstResult", QStringLiteral("Estimation Results")) {
  auto* ticketFrame = new QGroupBox(QStringLiteral("Timing ticket"), this);
  auto* ticketGrid = new QGridLayout(ticketFrame);
  const char* heads[] = {"Actual", "Estimated", "Error %"};
  for (int col = 0; col < 3; ++col)
    ticketGrid->addWidget(new QLabel(QString::fromLatin1(heads[col]), ticketFrame), 0, col + 1);
  const struct {
    const char* caption;
    QLabel **actual, **estimated, **error;
  } ticketRows[TicketRows] = {
      {"60ft time", &Act60t, &Est60t, &Err60t},
      {"330ft time", &Act330t, &Est330t, &Err330t},
      {"1/8 mile time", &Act660t, &Est660t, &Err660t},
      {"1/8 mile speed", &Act660v, &Est660v, &Err660v},
      {"1/4 mile time", &Act1320t, &Est1320t, &Err1320t},
      {"1/4 mile speed", &Act1320v, &Est1320v, &Err1320v},
  };
  for (int r = 0; r < TicketRows; ++r) {
    const auto& row = ticketRows[r];
    ticketGrid->addWidget(new QLabel(QString::fromLatin1(row.caption), ticketFrame), r + 1, 0);
    QLabel** cells[] = {row.actual, row.estimated, row.error};
    for (int col = 0; col < 3; ++col) {
      *cells[col] = new QLabel(ticketFrame);
      (*cells[col])->setMinimumWidth(80);
      ticketGrid->addWidget(*cells[col], r + 1, col + 1);
    }
    ticket_[static_cast<std::size_t>(r)] = {*row.actual, *row.estimated, *row.error};
  }

  auto* restoreFrame = new QGroupBox(QStringLiteral("Restore to original values ?"), this);
  auto* restoreGrid = new QGridLayout(restoreFrame);
  restoreGrid->addWidget(new QLabel(QStringLiteral("Original"), restoreFrame), 0, 1);
  restoreGrid->addWidget(new QLabel(QStringLiteral("Estimated"), restoreFrame), 0, 2);
  const struct {
    const char* caption;
    QCheckBox** restore;
    QLabel **original, **estimated;
  } restoreRows[RestoreRows] = {
      {"Restore drag coefficient", &EstCDRestore, &Org_CD, &Est_CD},
      {"Restore tyre grip", &EstMURestore, &Org_Mu, &Est_Mu},
      {"Restore power", &EstBHPRestore, &Org_Power, &Est_Power},
      {"Restore overall gearing", &EstGearRestore, &Org_Gear, &Est_Gear},
  };
  for (int r = 0; r < RestoreRows; ++r) {
    const auto& row = restoreRows[r];
    *row.restore = new QCheckBox(QString::fromLatin1(row.caption), restoreFrame);
    *row.original = new QLabel(restoreFrame);
    *row.estimated = new QLabel(restoreFrame);
    restoreGrid->addWidget(*row.restore, r + 1, 0);
    restoreGrid->addWidget(*row.original, r + 1, 1);
    restoreGrid->addWidget(*row.estimated, r + 1, 2);
    restore_[static_cast<std::size_t>(r)] = {*row.restore, *row.original, *row.estimated};
  }

  OKButton = new QPushButton(QStringLiteral("Finish"), this);
  RetryButton = new QPushButton(QStringLiteral("Retry"), this);
  OKButton->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(RetryButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ticketFrame);
  layout->addWidget(restoreFrame);
  layout->addLayout(buttons);

  connect(OKButton, &QPushButton::clicked, this, &frmEstResult::OKButton_Click);
  connect(RetryButton, &QPushButton::clicked, this, &frmEstResult::RetryButton_Click);
}

void frmEstResult::Form_Load() {
  ready_ = false;
  CentreOnScreen();
  // Each search shows only its own quantities.
  for (const RestoreCells& row : restore_) {
    row.original->clear();
    row.estimated->clear();
  }
}

void frmEstResult::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (!event->spontaneous()) Fill();
}

void frmEstResult::Fill() {
  ready_ = false;
  EstCDRestore->setChecked(S.EstCDRestore != False);
  EstMURestore->setChecked(S.EstMURestore != False);
  EstBHPRestore->setChecked(S.EstBHPRestore != False);
  EstGearRestore->setChecked(S.EstGearRestore != False);

  const EstimateResults results = EstimateResultTexts();
  for (std::size_t r = 0; r < ticket_.size(); ++r) {
    const EstimateTicketRow& figures = results.ticket[r];
    ticket_[r].actual->setText(QText(figures.actual));
    ticket_[r].estimated->setText(QText(figures.estimated));
    ticket_[r].error->setText(QText(figures.error));
    SetTextColour(ticket_[r].error, QBColor(figures.outside ? OutsideColour : InsideColour));
  }
  for (std::size_t r = 0; r < restore_.size(); ++r) {
    const EstimateRestoreRow& quantity = results.restore[r];
    restore_[r].restore->setEnabled(quantity.enabled);
    if (!quantity.enabled) continue;
    restore_[r].original->setText(QText(quantity.original));
    restore_[r].estimated->setText(QText(quantity.estimated));
  }
  // The gearing row appears only when the gearing could change.
  const bool gearing = S.EstGearAdjust != False;
  for (QWidget* cell : {static_cast<QWidget*>(EstGearRestore), static_cast<QWidget*>(Org_Gear),
                        static_cast<QWidget*>(Est_Gear)})
    cell->setVisible(gearing);
  ready_ = true;
}

void frmEstResult::OKButton_Click() {
  if (!ready_) return;
  S.EstRetry = False;
  CloseResult();
}

void frmEstResult::RetryButton_Click() {
  if (!ready_) return;
  S.EstRetry = True;
  CloseResult();
}

void frmEstResult::CloseResult() {
  S.EstCDRestore = ToFlag(EstCDRestore->isChecked());
  S.EstMURestore = ToFlag(EstMURestore->isChecked());
  S.EstBHPRestore = ToFlag(EstBHPRestore->isChecked());
  S.EstGearRestore = ToFlag(EstGearRestore->isChecked());
  ready_ = false;
  Unload();
}

}  // namespace kestrelon

#include "platform/qt/help_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/qt/screen_place.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

QString PagePath(int contextId) { return QStringLiteral(":/help/%1.html").arg(contextId); }

// The help window: the page and its navigation buttons.
class HelpViewer : public QWidget {
 public:
  HelpViewer() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kestrelon Help"));
    page = new QTextBrowser(this);
    page->setOpenLinks(true);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    auto* index = new QPushButton(QStringLiteral("&Index"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(page, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(page, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, page, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, page, &QTextBrowser::forward);
    connect(index, &QPushButton::clicked, this, [this] { Open(HelpContentsTopic); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {back, forward, index}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(page);
    resize(620, 560);
    move(CentredPlace(frameGeometry().size()));
  }

  void Open(int contextId) { page->setSource(QUrl(QStringLiteral("qrc") + PagePath(contextId))); }

  QTextBrowser* page;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape)
      close();
    else
      QWidget::keyPressEvent(event);
  }
};

QPointer<HelpViewer> helpWindow;

// A window shown while a modal dialog waits is blocked unless it belongs to that dialog, so the
// help window moves under the dialog that asked for it, and back to the top level otherwise. It
// keeps its place while its caption bar stays within reach there, else it stands centred.
void BelongTo(QWidget* owner) {
  if (helpWindow->parentWidget() == owner) return;
  const QRect place = helpWindow->geometry();
  const QRect frame = helpWindow->frameGeometry();
  const bool visible = helpWindow->isVisible();
  helpWindow->setParent(owner, Qt::Window);
  // Moved under another window, it may come back with its inside where its frame stood: the
  // caption bar has to be within reach from there as well.
  const QPoint lifted = frame.topLeft() - (place.topLeft() - frame.topLeft());
  if (CaptionBarOnScreen(frame.topLeft(), frame.width()) && CaptionBarOnScreen(lifted, frame.width())) {
    helpWindow->setGeometry(place);
  } else {
    helpWindow->resize(place.size());
    helpWindow->move(CentredPlace(frame.size()));
  }
  if (visible) helpWindow->show();
}

}  // namespace

bool HelpPageExists(int contextId) { return QFile::exists(PagePath(contextId)); }

void ShowHelpTopic(int contextId) {
  if (!HelpPageExists(contextId)) {
    ui().MsgBox(
        "No help page is available for this window (topic " + std::to_string(contextId) + ").",
        Msg::Exclamation, "Kestrelon Help");
    return;
  }
  if (!helpWindow) helpWindow = new HelpViewer;
  BelongTo(QApplication::activeModalWidget());
  helpWindow->Open(contextId);
  if (!helpWindow->isVisible()) FitOnScreen(*helpWindow);
  helpWindow->show();
  helpWindow->raise();
  helpWindow->activateWindow();
}

QTextBrowser* HelpWindow() { return helpWindow ? helpWindow->page : nullptr; }

void CloseAllHelp() {
  if (helpWindow) helpWindow->close();
}

}  // namespace kestrelon

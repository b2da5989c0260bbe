#include "shell/desktop/splash.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QString>
#include <utility>

#include "about/program_info.h"
#include "base/version.h"
#include "ports/message_box.h"
#include "shell/window/form_fonts.h"
#include "shell/window/pictures.h"
#include "shell/window/window_layout.h"

namespace tw {

namespace {

void MakeWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& place, const QFont& font) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setFont(font);
  return label;
}

// A label sized to its text grows or shrinks from its designed top-left
// corner.
void SetAutoSizedText(QLabel* label, const QString& text) {
  label->setText(text);
  label->resize(label->sizeHint());
}

}  // namespace

QtSplashTimer::QtSplashTimer() {
  timer_.setSingleShot(true);
  // A coarse timer may fire up to 5 % early.
  timer_.setTimerType(Qt::PreciseTimer);
}

void QtSplashTimer::Start(int milliseconds, std::function<void()> on_timeout) {
  timer_.disconnect();
  QObject::connect(&timer_, &QTimer::timeout, std::move(on_timeout));
  timer_.start(milliseconds);
}

Splash::Splash(std::function<void()> show_main, SplashTimer& timer)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      show_main_(std::move(show_main)) {
  setObjectName("frmSplash");
  setAttribute(Qt::WA_DeleteOnClose);
  MakeWhite(this);
  setFixedSize(TwipsRect(0, 0, 7380, 4245).size());
  CreateControls();
  Form_Load();
  CentreOnScreen();
  timer.Start(kSplashMilliseconds, [this] { Timer1_Timer(); });
}

void Splash::CreateControls() {
  auto* frame = new QFrame(this);
  frame->setObjectName("Frame1");
  frame->setGeometry(TwipsRect(150, 60, 7080, 4050));
  MakeWhite(frame);
  auto* logo = new QLabel(frame);
  logo->setObjectName("imgLogo");
  logo->setGeometry(TwipsRect(180, 960, 2385, 2385));
  logo->setPixmap(PlotPicture());
  lblCompanyProduct_ =
      AddLabel(frame, "lblCompanyProduct", TwipsRect(300, 480, 3000, 435), ArialFont(18, true));
  lblProductName_ =
      AddLabel(frame, "lblProductName", TwipsRect(2640, 1140, 2400, 765), ArialFont(32.25, true));
  lblVersion_ = AddLabel(frame, "lblVersion", TwipsRect(4080, 2040, 885, 285), ArialFont(12, true));
  lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  AddLabel(frame, "lblCopyright", TwipsRect(2700, 3060, 795, 255), ArialFont(8.25, false))
      ->setText(kCopyrightCaption);
  lblCompany_ =
      AddLabel(frame, "lblCompany", TwipsRect(3480, 3060, 3435, 255), ArialFont(8.25, false));
  lblWarning_ =
      AddLabel(frame, "lblWarning", TwipsRect(60, 3720, 6555, 255), ArialFont(8.25, false));
}

void Splash::Form_Load() {
  SetAutoSizedText(lblVersion_, QString::fromStdString(VersionLine()));
  SetAutoSizedText(lblProductName_, kProgramTitle);
  SetAutoSizedText(lblCompanyProduct_, kCompanyName);
  lblCompany_->setText(kCopyright);
  lblWarning_->setText(kLegalWarning);
}

void Splash::CentreOnScreen() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect place = rect();
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
  }
}

void Splash::keyPressEvent(QKeyEvent* event) {
  event->accept();
}

void Splash::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void Splash::closeEvent(QCloseEvent* event) {
  if (unloading_)
    event->accept();
  else
    event->ignore();
}

void Splash::Timer1_Timer() {
  // The main window is loaded and shown before the splash goes, so the
  // program never has no window open.
  show_main_();
  unloading_ = true;
  close();
}

}  // namespace tw

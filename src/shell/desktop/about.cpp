#include "shell/desktop/about.h"

#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <functional>
#include <utility>

#include "about/contact.h"
#include "about/links.h"
#include "about/program_info.h"
#include "about/sys_info.h"
#include "shell/window/form_fonts.h"
#include "shell/window/pictures.h"
#include "shell/window/window_layout.h"

namespace tw {

namespace {

// A label that acts on a left click, drawn as a link: blue, underlined, with
// the pointing hand over it.
class LinkLabel : public QLabel {
 public:
  LinkLabel(QWidget* parent, std::function<void()> on_click)
      : QLabel(parent), on_click_(std::move(on_click)) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    setPalette(palette);
    QFont font = SansSerifFont(8.25, false);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      on_click_();
  }

 private:
  std::function<void()> on_click_;
};

// Line1: a grey rule with a white one below it, one pixel to the right, so
// that it looks cut into the box.
class EtchedRule : public QWidget {
 public:
  explicit EtchedRule(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(Qt::white);
    painter.drawLine(1, 1, width() - 1, 1);
  }
};

QLabel* AddLabel(QWidget* parent, const char* name, const QRect& place, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

}  // namespace

AboutBox::AboutBox(Desktop& desktop, Launcher& launcher, MessageBox& messages)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      desktop_(desktop),
      launcher_(launcher),
      messages_(messages) {
  setObjectName("frmAbout");
  setModal(false);
  setFixedSize(TwipsRect(0, 0, 5730, 3525).size());
  setWindowIcon(WindowIcon());
  setFont(SansSerifFont(8.25, false));
  CreateControls();
  CreateLinks();
  CreateButtons();
  Form_Load();
  // Unloaded when closed by OK, Esc or the close box.
  connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void AboutBox::CreateControls() {
  auto* icon = new QLabel(this);
  icon->setObjectName("picIcon");
  icon->setGeometry(TwipsRect(240, 120, 480, 480));
  icon->setPixmap(WindowIcon().pixmap(32, 32));
  lblTitle_ = AddLabel(this, "lblTitle", TwipsRect(1080, 120, 3885, 480), "");
  lblTitle_->setFont(TahomaFont(12, true));
  lblVersion_ = AddLabel(this, "lblVersion", TwipsRect(1080, 600, 3885, 225), "");
  AddLabel(this, "lblDescription", TwipsRect(1050, 960, 3885, 810), kAboutDescription)
      ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* rule = new EtchedRule(this);
  rule->setObjectName("Line1");
  rule->setGeometry(TwipsRect(90, 2535, 5654 - 90 + 15, 30));
  AddLabel(this, "lblDisclaimer", TwipsRect(285, 2625, 3870, 825), kAboutDisclaimer)
      ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AboutBox::CreateLinks() {
  AddLabel(this, "Label1", TwipsRect(1080, 1920, 735, 195), "E-mail to:");
  auto* email = new LinkLabel(this, [this] { OpenMailTo(desktop_); });
  email->setObjectName("lblEmail");
  email->setGeometry(TwipsRect(1860, 1920, 2295, 195));
  email->setText(kMailAddress);
  AddLabel(this, "Label3", TwipsRect(4200, 1920, 1215, 195), "for questions");
  AddLabel(this, "Label2", TwipsRect(1080, 2188, 615, 195), "or visit:");
  auto* web = new LinkLabel(this, [this] { OpenWebPage(desktop_); });
  web->setObjectName("Label4");
  web->setGeometry(TwipsRect(1860, 2190, 2355, 195));
  web->setText(kWebAddress);
  AddLabel(this, "Label5", TwipsRect(4260, 2190, 1095, 195), "for information");
}

void AboutBox::CreateButtons() {
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setGeometry(TwipsRect(4275, 2625, 1260, 345));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* sys_info = new QPushButton("&System Info...", this);
  sys_info->setObjectName("cmdSysInfo");
  sys_info->setGeometry(TwipsRect(4290, 3075, 1245, 345));
  connect(sys_info, &QPushButton::clicked, this, [this] { StartSysInfo(launcher_, messages_); });
  ok->setFocus();
}

void AboutBox::Form_Load() {
  setWindowTitle(QString("About ") + kProgramTitle);
  lblVersion_->setText(QString::fromStdString(VersionLine()));
  lblTitle_->setText(kProgramTitle);
}

HelpCommands::HelpCommands(Desktop& desktop, Launcher& launcher, MessageBox& messages,
                           const ProgramFolder& folder)
    : desktop_(desktop), launcher_(launcher), messages_(messages), folder_(folder) {}

HelpCommands::~HelpCommands() {
  delete about_.data();
}

void HelpCommands::ShowHelp() {
  tw::ShowHelp(folder_, desktop_, messages_);
}

void HelpCommands::ShowAbout() {
  // A box closed a moment ago is only waiting to be deleted.
  if (!about_ || about_->isHidden())
    about_ = new AboutBox(desktop_, launcher_, messages_);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace tw

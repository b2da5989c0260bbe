// frmSplash: the program's name, version, company and copyright notice for
// one and a half seconds, then the main window.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QMouseEvent;

namespace tw {

inline constexpr int kSplashMilliseconds = 1500;

// Not in the version record, but the splash's own.
inline constexpr const char* kCopyrightCaption = "Copyright";
inline constexpr const char* kLegalWarning =
    "Warning: protected by United States and international copyright law.";

// The splash's one-shot timer, so that tests can fire it by hand.
class SplashTimer {
 public:
  virtual ~SplashTimer() = default;
  // Calls on_timeout once, milliseconds from now.
  virtual void Start(int milliseconds, std::function<void()> on_timeout) = 0;
};

class QtSplashTimer : public SplashTimer {
 public:
  QtSplashTimer();
  void Start(int milliseconds, std::function<void()> on_timeout) override;

 private:
  QTimer timer_;
};

class Splash : public QWidget {
  Q_OBJECT

 public:
  // show_main shows frmMain and returns only once the main window has loaded
  // and is visible. The timer starts at once and must outlive the splash.
  Splash(std::function<void()> show_main, SplashTimer& timer);

 protected:
  // The splash closes through its timer only.
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // Nor does the window manager's close (Alt+F4) end it early: with no
  // other window open yet, that would end the program.
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void Form_Load();
  void CentreOnScreen();
  void Timer1_Timer();

  std::function<void()> show_main_;
  bool unloading_ = false;
  QLabel *lblCompanyProduct_, *lblProductName_, *lblVersion_, *lblCompany_, *lblWarning_;
};

}  // namespace tw

// frmAbout: title, version, what the program is, the makers' two links and
// the System Info button; and the Help menu's commands that show it and the
// help file.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;

#include "ports/desktop.h"
#include "ports/message_box.h"
#include "ports/program_folder.h"

namespace tw {

// The project's own texts for the places the About box leaves open.
inline constexpr const char* kAboutDescription =
    "Works out the area of a plot of land or a room\n"
    "from bearings, directions or corner coordinates.\n"
    "Written by the Tractwise Project.";
inline constexpr const char* kAboutDisclaimer =
    "Have every result checked by a qualified\n"
    "surveyor before any legal use.";

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // No parent window: the box stays open when the main window closes, and
  // the program runs on until it is closed too.
  AboutBox(Desktop& desktop, Launcher& launcher, MessageBox& messages);

 private:
  void CreateControls();
  void CreateLinks();
  void CreateButtons();
  void Form_Load();

  Desktop& desktop_;
  Launcher& launcher_;
  MessageBox& messages_;
  QLabel *lblTitle_ = nullptr, *lblVersion_ = nullptr;
};

// The Help menu's and the Help button's commands.
class HelpCommands {
 public:
  HelpCommands(Desktop& desktop, Launcher& launcher, MessageBox& messages,
               const ProgramFolder& folder);
  ~HelpCommands();
  HelpCommands(const HelpCommands&) = delete;
  HelpCommands& operator=(const HelpCommands&) = delete;

  // cmdHelp, mnuHelpHelp.
  void ShowHelp();
  // mnuHelpAbout: shows the About box without making it modal, created on
  // first use; while it is open, the same box comes forward again.
  void ShowAbout();
  // The open About box, or null.
  AboutBox* about_box() const { return about_; }

 private:
  Desktop& desktop_;
  Launcher& launcher_;
  MessageBox& messages_;
  const ProgramFolder& folder_;
  QPointer<AboutBox> about_;
};

}  // namespace tw

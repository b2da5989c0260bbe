// Test doubles of the platform ports: they record what the core asked for
// and answer from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ports/desktop.h"
#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "ports/program_folder.h"
#include "ports/question_box.h"

namespace tw::test {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
};

class RecordingMessageBox : public MessageBox {
 public:
  void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
  std::vector<ShownMessage> shown;
};

// Answers each request with the next scripted answer; nullopt is a cancel.
class ScriptedFileDialog : public FileDialog {
 public:
  std::optional<std::string> Show(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty())
      return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> requests;
};

// Answers with the scripted answer and records each question.
class ScriptedQuestionBox : public QuestionBox {
 public:
  SaveAnswer AskSave(const std::string& text, const std::string&) override {
    asked.push_back(text);
    return save_answer;
  }
  YesNoAnswer AskYesNo(const std::string& text, const std::string&) override {
    asked.push_back(text);
    if (yes_no_answers.empty())
      return YesNoAnswer::Dismissed;
    const YesNoAnswer answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }
  SaveAnswer save_answer = SaveAnswer::Cancel;
  std::deque<YesNoAnswer> yes_no_answers;
  std::vector<std::string> asked;
};

class RecordingDesktop : public Desktop {
 public:
  bool Open(const std::string& file_or_address) override {
    opened.push_back(file_or_address);
    return succeed;
  }
  std::vector<std::string> opened;
  bool succeed = true;
};

class FakeLauncher : public Launcher {
 public:
  std::optional<std::string> Find(const std::string& program) override {
    looked_up.push_back(program);
    for (const std::string& p : on_path) {
      if (p == program)
        return "/usr/bin/" + p;
    }
    return std::nullopt;
  }
  bool StartDetached(const std::string& path, const std::vector<std::string>&) override {
    started.push_back(path);
    return start_succeeds;
  }
  std::vector<std::string> on_path;
  std::vector<std::string> looked_up;
  std::vector<std::string> started;
  bool start_succeeds = true;
};

class FixedProgramFolder : public ProgramFolder {
 public:
  explicit FixedProgramFolder(std::string path) : path_(std::move(path)) {}
  std::string Path() const override { return path_; }

 private:
  std::string path_;
};

}  // namespace tw::test

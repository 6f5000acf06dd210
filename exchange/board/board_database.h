#pragma once
// The board's own view of the database: a state block of its own on the home
// folder's file (so its locks meet the desktop program's), with a front end
// that shows nothing: messages are kept for the reply, questions answered No.
#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/state.h"
#include "core/status.h"
#include "core/ui.h"

namespace quillon::board {

class QuietUi : public Ui {
 public:
  Button show_message(int kind, const std::string& title, const std::string& text) override;
  std::optional<int> select_one(SelectionKind, const std::string&, const std::vector<Choice>&) override {
    return std::nullopt;
  }
  std::optional<std::vector<int>> select_many(SelectionKind, const std::string&, const std::vector<Choice>&) override {
    return std::nullopt;
  }
  std::optional<std::string> choose_file(FileDialogMode, const std::string&, const std::string&,
                                         const std::string&) override {
    return std::nullopt;
  }
  bool run_dialog(DialogModel&) override { return false; }
  void open_page(const std::string&) override {}
  void show_help(const std::string&, const std::string&) override {}
  void set_busy(bool) override {}
  PreviewAction show_print_preview(const std::string&, const Drawing&, int) override { return PreviewAction::close; }
  PrinterOpening open_printer(const PrintSettings&) override;

  struct Shown {
    int kind = 0;
    std::string text;  // UTF-8
  };
  std::vector<Shown> shown;
  bool asked_question() const;
  // The last error or warning shown, "" when none.
  std::string last_complaint() const;
};

class BoardDatabase {
 public:
  explicit BoardDatabase(std::filesystem::path home);
  // Opens the home folder's database (it must exist) and reads its layout.
  [[nodiscard]] Status open();
  // Counts the tournaments from the file's length again and reopens the file
  // when another program replaced it (a restore).
  [[nodiscard]] Status refresh();
  State& state() { return state_; }
  QuietUi& ui() { return ui_; }
  const std::filesystem::path& path() const { return state_.db.path(); }

 private:
  QuietUi ui_;
  SystemClock clock_;
  State state_;
};

}  // namespace quillon::board

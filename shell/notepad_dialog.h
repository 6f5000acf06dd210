#pragma once
// The Tournament NotePad: a text box large enough for its 2999 characters
// (about 38 lines of 80), which opens at the size the user last gave it.
#include <filesystem>

#include "shell/form_dialog.h"

namespace quillon::shell {

class NotepadDialog : public FormDialog {
  Q_OBJECT

 public:
  NotepadDialog(DialogModel& model, HelpTopicFn show_help, std::filesystem::path home, QWidget* parent);

  // The size it opens at without a remembered one.
  QSize first_size() const;

 protected:
  void done(int result) override;

 private:
  std::filesystem::path home_;
};

}  // namespace quillon::shell

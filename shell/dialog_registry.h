#pragma once
// Which Qt dialog shows which model: a specialised dialog registers itself for
// its model's id from its own file; every other model gets the generic form.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "shell/model_dialog.h"

namespace quillon::shell {

struct DialogContext {
  QWidget* parent = nullptr;
  HelpTopicFn show_help;
  std::filesystem::path home;  // where a dialog keeps its window settings
};

using DialogFactory = std::function<std::unique_ptr<ModelDialog>(DialogModel&, const DialogContext&)>;

// Returns true so that a file can register with a namespace-scope constant.
bool register_dialog(const std::string& model_id, DialogFactory factory);
std::unique_ptr<ModelDialog> create_dialog(DialogModel& model, const DialogContext& context);

}  // namespace quillon::shell

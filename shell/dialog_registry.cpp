#include "shell/dialog_registry.h"

#include <map>

#include "shell/generic_dialog.h"

namespace quillon::shell {

namespace {

// A function-local map, so that registrations from other files' static
// initialisers find it built whatever their order.
std::map<std::string, DialogFactory>& factories() {
  static std::map<std::string, DialogFactory> map;
  return map;
}

}  // namespace

bool register_dialog(const std::string& model_id, DialogFactory factory) {
  factories()[model_id] = std::move(factory);
  return true;
}

std::unique_ptr<ModelDialog> create_dialog(DialogModel& model, const DialogContext& context) {
  auto it = factories().find(model.id());
  if (it != factories().end()) return it->second(model, context);
  return std::make_unique<GenericDialog>(model, context.show_help, context.parent);
}

}  // namespace quillon::shell

#pragma once
// The Qt side of a DialogModel: OK asks the model to accept and closes only
// when it does, Cancel tells the model, F1 opens the model's help topic.
#include <QDialog>
#include <functional>

#include "core/dialog_model.h"

namespace quillon::shell {

using HelpTopicFn = std::function<void(Help topic)>;

class ModelDialog : public QDialog {
  Q_OBJECT

 public:
  ModelDialog(DialogModel& model, HelpTopicFn show_help, QWidget* parent);

  DialogModel& model() { return model_; }
  // Brings every widget in line with the model.
  virtual void refresh() = 0;

  void accept() override;
  void reject() override;
  void show_help();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  DialogModel& model_;
  HelpTopicFn show_help_;
};

}  // namespace quillon::shell

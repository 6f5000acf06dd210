#pragma once
// The print preview window: the report as one continuous sheet, painted a
// strip at a time from the recorded drawing and kept, so that scrolling never
// draws the report again. Buttons OK, "OK/PRINT" and Help.
#include <QDialog>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "core/print_recording.h"
#include "core/ui.h"

namespace quillon::shell {

class PreviewSheet : public QWidget {
 public:
  PreviewSheet(const Drawing& drawing, int sheet_lines, QWidget* parent);
  // Strips painted so far (each is painted once).
  int strips_painted() const { return strips_painted_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QPixmap& strip(int index);
  double pixels_per_row() const;

  const Drawing& drawing_;
  int lines_;
  std::vector<std::vector<const DrawOp*>> ops_by_row_;  // operations by the row they start on
  std::map<int, QPixmap> strips_;
  int strips_painted_ = 0;
};

class PrintPreviewWindow : public QDialog {
 public:
  PrintPreviewWindow(const std::string& title, const Drawing& drawing, int sheet_lines, std::function<void()> help,
                     QWidget* parent);
  PreviewAction action() const { return action_; }
  PreviewSheet& sheet() { return *sheet_; }

 private:
  PreviewAction action_ = PreviewAction::close;
  PreviewSheet* sheet_;
};

}  // namespace quillon::shell

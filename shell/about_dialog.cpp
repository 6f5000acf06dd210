#include "shell/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/build_info.h"
#include "core/records/system_record.h"
#include "shell/artwork.h"

namespace quillon::shell {

void show_about_dialog(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle("About Quillon");
  auto* picture = new QLabel;
  picture->setPixmap(splash_picture());
  auto* text = new QLabel(QString("<p><b>Quillon %1%2</b> &nbsp; (%3)</p>"
                                  "<p>Runs a golf club's tournaments: courses, fields, tee times, "
                                  "scores and results.</p>")
                              .arg(program_version)
                              .arg(program_version_letter)
                              .arg(build_identifier));
  text->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(picture);
  layout->addWidget(text);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace quillon::shell

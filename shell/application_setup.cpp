#include "shell/application_setup.h"

#include <QIcon>
#include <QPixmap>

#include "core/program_locale.h"
#include "shell/artwork.h"

namespace quillon::shell {

std::unique_ptr<QApplication> make_application(int& argc, char** argv) {
  auto app = std::make_unique<QApplication>(argc, argv);
  use_program_locale();
  QApplication::setApplicationName("Quillon");
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(program_icon())));
  return app;
}

}  // namespace quillon::shell

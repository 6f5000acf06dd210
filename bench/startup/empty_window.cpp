// The floor of the desktop program's start: an empty main window of the
// same title and size, shown as soon as the application object exists.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Quillon");
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}

#pragma once
// The desktop program's application object, as the program and its tests make it.
#include <QApplication>
#include <memory>

namespace quillon::shell {

// Named "Quillon", with the program's icon, and with numbers written and read
// with a decimal point and system error texts in English whatever the user's
// locale (Qt sets the C library's locale from the environment when the object
// is made).
std::unique_ptr<QApplication> make_application(int& argc, char** argv);

}  // namespace quillon::shell

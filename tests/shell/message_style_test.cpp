#include "shell/message_style.h"

#include <gtest/gtest.h>
#include <QAbstractButton>

#include "shell/qt_ui.h"

namespace quillon::shell {
namespace {

TEST(MessageStyle, EachKindHasItsButtonsAndOnlyErrorsTheExclamationIcon) {
  using B = QMessageBox;
  struct Expected {
    int kind;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    Button unattended;
  };
  const Expected table[] = {
      {0, B::Ok, B::NoIcon, Button::ok},
      {1, B::Ok, B::Warning, Button::ok},
      {2, B::Ok, B::NoIcon, Button::ok},
      {3, B::Yes | B::No, B::NoIcon, Button::no},
      {4, B::Yes | B::No, B::NoIcon, Button::no},
      {5, B::Ok | B::Cancel, B::NoIcon, Button::cancel},
      {6, B::Yes | B::No | B::Cancel, B::NoIcon, Button::no},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.kind);
    auto box = build_message_box(e.kind, "Quillon - Warning", "Caf\xe9 closed", nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Quillon - Warning");
    EXPECT_EQ(box->text(), QString::fromUtf8("Caf\u00e9 closed"));
    EXPECT_EQ(box->standardButtons(), e.buttons);
    EXPECT_EQ(box->icon(), e.icon);
    EXPECT_EQ(unattended_answer(e.kind), e.unattended);
  }
  EXPECT_EQ(build_message_box(7, "Quillon", "x", nullptr), nullptr);
  EXPECT_EQ(build_message_box(-1, "Quillon", "x", nullptr), nullptr);

  EXPECT_EQ(button_of(QMessageBox::Ok), Button::ok);
  EXPECT_EQ(button_of(QMessageBox::Cancel), Button::cancel);
  EXPECT_EQ(button_of(QMessageBox::Yes), Button::yes);
  EXPECT_EQ(button_of(QMessageBox::No), Button::no);
  EXPECT_EQ(button_of(QMessageBox::Escape), Button::none);
}

}  // namespace
}  // namespace quillon::shell

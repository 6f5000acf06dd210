#include <gtest/gtest.h>
#include <QApplication>
#include <QPlainTextEdit>

#include "core/desktop_settings.h"
#include "shell/notepad_dialog.h"
#include "tests/shell/club_fixture.h"
#include "tournament/notepad.h"

namespace quillon::shell {
namespace {

using quillon::testing::Club;

TEST(NotepadWindow, OpensLargeEnoughForItsTextAndRemembersItsSize) {
  Club club;
  NotepadModel model(club.state, "Spring Cup", std::string(2999, 'x'));
  {
    NotepadDialog dialog(model, {}, club.home.path(), nullptr);
    dialog.show();
    auto* text = dialog.findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    QFontMetrics metrics(text->font());
    EXPECT_GE(text->viewport()->height(), metrics.lineSpacing() * 36);
    EXPECT_GE(text->viewport()->width(), metrics.horizontalAdvance(QString(76, 'n')));
    dialog.resize(700, 500);
    dialog.reject();
  }
  DesktopSettings settings = load_desktop_settings(club.home.path());
  EXPECT_EQ(settings.notepad_width, 700);
  EXPECT_EQ(settings.notepad_height, 500);

  NotepadDialog again(model, {}, club.home.path(), nullptr);
  EXPECT_EQ(again.size(), QSize(700, 500));
}

}  // namespace
}  // namespace quillon::shell

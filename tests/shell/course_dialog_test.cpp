#include "shell/course_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "core/fixed_text.h"
#include "shell/dialog_registry.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

struct CourseDialogTest : ::testing::Test {
  testing::TestHome home;
  State& state = home.started();

  std::unique_ptr<ModelDialog> open(CourseDialogModel& model) {
    auto dialog = create_dialog(model, DialogContext{});
    EXPECT_NE(dynamic_cast<CourseDialog*>(dialog.get()), nullptr);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    return dialog;
  }
  static QLineEdit* edit(ModelDialog& dialog, const std::string& name) {
    return qobject_cast<QLineEdit*>(static_cast<CourseDialog&>(dialog).widget_for(name));
  }
  static QLabel* label(ModelDialog& dialog, const std::string& name) {
    return qobject_cast<QLabel*>(static_cast<CourseDialog&>(dialog).widget_for(name));
  }
  static void type(ModelDialog& dialog, const std::string& name, const char* text) {
    QLineEdit* e = edit(dialog, name);
    ASSERT_NE(e, nullptr) << name;
    e->setFocus();
    QTest::keyClicks(e, text);
  }
};

TEST_F(CourseDialogTest, NamesAndRatingsTabInOrderAndTheTypingAidsMoveTheFocus) {
  CourseDialogModel model(state, 18, course_mode::add, 1);
  auto dialog = open(model);
  EXPECT_EQ(dialog->windowTitle(), "Course Maintenance (18 hole)");
  EXPECT_EQ(QApplication::focusWidget(), edit(*dialog, "course_name"));

  for (const char* next : {"course_abbrev", "tee_name", "men_rating", "men_rating_f9", "men_rating_b9", "men_slope",
                           "men_slope_f9", "men_slope_b9", "women_rating"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit(*dialog, next)) << next;
  }

  // A full course name moves on to the abbreviation.
  type(*dialog, "course_name", "Lakeside Golf And Country");
  EXPECT_EQ(model.text("course_name"), "Lakeside Golf And Country");
  EXPECT_EQ(QApplication::focusWidget(), edit(*dialog, "course_abbrev"));

  // A four-character rating proposes both nines; a three-digit slope fills
  // both nines and moves on to the ladies' rating.
  type(*dialog, "men_rating", "71.5");
  EXPECT_EQ(edit(*dialog, "men_rating_f9")->text(), "35.8");
  EXPECT_EQ(edit(*dialog, "men_rating_b9")->text(), "35.8");
  edit(*dialog, "men_slope")->clear();
  type(*dialog, "men_slope", "128");
  EXPECT_EQ(edit(*dialog, "men_slope_f9")->text(), "128");
  EXPECT_EQ(edit(*dialog, "men_slope_b9")->text(), "128");
  EXPECT_EQ(QApplication::focusWidget(), edit(*dialog, "women_rating"));

  edit(*dialog, "women_slope")->clear();
  home.ui.messages.clear();
  type(*dialog, "women_slope", "160");
  EXPECT_EQ(home.ui.message_texts(), (std::vector<std::string>{"Women's Slope must be between 55 and 155"}));
  EXPECT_EQ(edit(*dialog, "women_slope_f9")->text(), "113");
}

TEST_F(CourseDialogTest, TheCardGridTotalsFollowTheTypedPars) {
  CourseDialogModel model(state, 18, course_mode::add, 1);
  auto dialog = open(model);
  EXPECT_EQ(label(*dialog, "distance_caption")->text(), "Yards");

  // Without hole pars the nine and total pars are typed in the Out, In and Total cells.
  EXPECT_TRUE(edit(*dialog, "men_par_f9")->isVisible());
  EXPECT_FALSE(label(*dialog, "total.men_par_f9")->isVisible());

  type(*dialog, "men_par.1", "5");
  type(*dialog, "men_par.2", "3");
  type(*dialog, "men_par.10", "4");
  EXPECT_FALSE(edit(*dialog, "men_par_f9")->isVisible());
  EXPECT_TRUE(label(*dialog, "total.men_par_f9")->isVisible());
  EXPECT_EQ(label(*dialog, "total.men_par_f9")->text(), "8");
  EXPECT_EQ(label(*dialog, "total.men_par_b9")->text(), "4");
  EXPECT_EQ(label(*dialog, "total.men_par")->text(), "12");

  // A par outside 3..6 does not count towards the totals.
  type(*dialog, "men_par.3", "9");
  EXPECT_EQ(label(*dialog, "total.men_par")->text(), "12");

  type(*dialog, "hole_length.1", "512");
  type(*dialog, "hole_length.18", "377");
  EXPECT_EQ(label(*dialog, "total.length_f9")->text(), "512");
  EXPECT_EQ(label(*dialog, "total.length_b9")->text(), "377");
  EXPECT_EQ(label(*dialog, "total.length")->text(), "889");

  // The grid runs row by row: the men's pars of holes 1..18, then the nine and total pars.
  edit(*dialog, "men_par.9")->setFocus();
  QTest::keyClick(edit(*dialog, "men_par.9"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), edit(*dialog, "men_par.10"));
  edit(*dialog, "men_par.18")->setFocus();
  QTest::keyClick(edit(*dialog, "men_par.18"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), edit(*dialog, "women_par.1"));  // the typed nine pars are off
}

TEST_F(CourseDialogTest, NineHolesHaveNoBackNineAndOkStoresTheTypedCourse) {
  state.system.flags &= ~0x0004;  // distances in metres
  CourseDialogModel model(state, 9, course_mode::add, 1);
  auto dialog = open(model);
  EXPECT_EQ(dialog->windowTitle(), "Course Maintenance (9 hole)");
  EXPECT_EQ(label(*dialog, "distance_caption")->text(), "Metres");
  EXPECT_EQ(edit(*dialog, "men_par.10"), nullptr);
  EXPECT_FALSE(edit(*dialog, "men_rating_f9")->isVisible());
  EXPECT_EQ(edit(*dialog, "men_par_b9"), nullptr);

  type(*dialog, "course_name", "Short Links");
  type(*dialog, "course_abbrev", "SL");
  type(*dialog, "men_rating", "34.5");
  edit(*dialog, "men_slope")->clear();
  type(*dialog, "men_slope", "121");
  for (int hole = 1; hole <= 9; ++hole) type(*dialog, "men_par." + std::to_string(hole), hole == 5 ? "5" : "4");
  EXPECT_EQ(label(*dialog, "total.men_par")->text(), "37");

  home.ui.messages.clear();
  static_cast<CourseDialog&>(*dialog).widget_for("ok")->setFocus();
  QTest::keyClick(static_cast<CourseDialog&>(*dialog).widget_for("ok"), Qt::Key_Space);
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{});
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(field_text(state.course.course_name), "Short Links");
  EXPECT_EQ(field_text(state.course.course_abbrev), "SL");
  EXPECT_EQ(field_text(state.course.tee_name), "White");
  EXPECT_EQ(state.course.men_rating, 345);
  EXPECT_EQ(state.course.men_slope, 121);
  EXPECT_EQ(state.course.men_par[4], 5);
  EXPECT_EQ(state.course.men_total_par, 37);
}

}  // namespace
}  // namespace quillon::shell

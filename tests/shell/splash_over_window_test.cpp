#include "shell/splash_over_window.h"

#include <gtest/gtest.h>
#include <QDialog>
#include <QMainWindow>
#include <QtTest/QTest>

namespace quillon::shell {
namespace {

struct SplashTest : ::testing::Test {
  SplashTest() {
    window.resize(800, 600);
    window.show();
  }
  QMainWindow window;
};

TEST_F(SplashTest, LiesOverTheShownWindowForItsTime) {
  SplashOverWindow splash(window, 100);
  EXPECT_TRUE(splash.showing());
  EXPECT_TRUE(window.isVisible());
  QTest::qWait(50);
  EXPECT_TRUE(splash.showing());
  QTRY_VERIFY_WITH_TIMEOUT(!splash.showing(), 5000);
}

TEST_F(SplashTest, GoesAtTheFirstKeyOrClick) {
  SplashOverWindow by_key(window, 60000);
  QTest::keyClick(&window, Qt::Key_F);
  EXPECT_FALSE(by_key.showing());
  SplashOverWindow by_click(window, 60000);
  QTest::mouseClick(window.centralWidget() ? window.centralWidget() : &window, Qt::LeftButton);
  EXPECT_FALSE(by_click.showing());
}

// A start-up question is never hidden under the splash.
TEST_F(SplashTest, GoesWhenAnotherWindowShows) {
  SplashOverWindow splash(window, 60000);
  QDialog question(&window);
  question.show();
  EXPECT_FALSE(splash.showing());
}

}  // namespace
}  // namespace quillon::shell

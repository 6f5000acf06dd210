#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(Screenshot, TheProgramRendersItsMainWindowToAPicture) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", dir.path());
  env.insert("QT_QPA_PLATFORM", "offscreen");
  program.setProcessEnvironment(env);
  const QString picture = dir.path() + "/main.png";
  program.start(QUILLON_EXECUTABLE, {"--home", dir.path() + "/ql4", "--screenshot", picture});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0);
  QImage image(picture);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(800, 600));
  EXPECT_TRUE(QFile::exists(dir.path() + "/ql4/qlwin4.dat"));
  // The start-up messages were not left waiting for an answer.
  QString messages = QString::fromUtf8(program.readAllStandardError());
  EXPECT_TRUE(messages.contains("Quillon - Information: Your Quillon system has been successfully updated."));

  program.start(QUILLON_EXECUTABLE,
                {"--home", dir.path() + "/ql4", "--screenshot", picture, "--screenshot-dialog", "1405"});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 1);  // a new database has no course: Change Course stops at its message
  EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains("command 1405 opened no dialog"));
}

}  // namespace

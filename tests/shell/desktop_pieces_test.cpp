#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/help_topics.h"
#include "shell/desktop_layout.h"
#include "shell/file_filter.h"
#include "shell/help_topics.h"
#include "shell/help_window.h"
#include "shell/launchers.h"
#include "shell/shell_options.h"

namespace quillon::shell {
namespace {

TEST(DesktopLayout, BackgroundIsStretchedOrScaledToTheHeightAndCentred) {
  EXPECT_EQ(background_target({640, 480}, {800, 581}, true), QRect(0, 0, 800, 581));
  EXPECT_EQ(background_target({640, 480}, {1000, 600}, false), QRect(100, 0, 800, 600));
  EXPECT_EQ(background_target({1200, 400}, {800, 600}, false), QRect(-500, 0, 1800, 600));
}

TEST(DesktopLayout, ButtonsFillRowsAboveTheBottomEdge) {
  auto wide = button_rects({1200, 700}, 8);
  ASSERT_EQ(wide.size(), 8u);
  EXPECT_EQ(wide[0], QRect(79, 568, 125, 35));  // (1200 - 1042) / 2, 700 - 132
  EXPECT_EQ(wide[7], QRect(996, 568, 125, 35));

  auto narrow = button_rects({800, 581}, 8);  // six fit in a row
  EXPECT_EQ(narrow[0], QRect(10, 408, 125, 35));
  EXPECT_EQ(narrow[5], QRect(665, 408, 125, 35));
  EXPECT_EQ(narrow[6], QRect(272, 449, 125, 35));
  EXPECT_EQ(narrow[7], QRect(403, 449, 125, 35));
  EXPECT_EQ(message_panel_rect({800, 581}), QRect(8, 495, 784, 78));
}

TEST(FileFilter, PairsBecomeQtFiltersMatchingEitherCase) {
  EXPECT_EQ(qt_file_filter("Backup Files(*.BKP)|*.bkp|All Files(*.*)|*.*|"),
            "Backup Files(*.BKP) (*.bkp *.BKP);;All Files(*.*) (*)");
  EXPECT_EQ(qt_file_filter("Bitmap|*.BMP|"), "Bitmap (*.BMP *.bmp)");
  EXPECT_EQ(default_suffix("Excel Spreadsheet(*.xls)|*.xls|"), "xls");
  EXPECT_EQ(default_suffix("All Files(*.*)|*.*|"), "");
}

TEST(Launchers, ProgramAndHelpLaunchersAndTheDesktopOneOnlyWithADesktop) {
  QTemporaryDir user;
  ASSERT_TRUE(user.isValid());
  LauncherPlaces places{user.path(), "/opt/quil lon/quillon", "/home/x/ql4 \"club\""};
  EXPECT_EQ(exec_argument("/a b/$x%"), "\"/a b/\\$x%%\"");

  QStringList written = write_launchers(places);
  const QString apps = user.path() + "/.local/share/applications/";
  const QString icon = user.path() + "/.local/share/icons/quillon.png";
  EXPECT_EQ(written, (QStringList{icon, apps + "quillon.desktop", apps + "quillon-help.desktop"}));
  QFile program(apps + "quillon.desktop");
  ASSERT_TRUE(program.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(program.readAll()),
            "[Desktop Entry]\nType=Application\nName=Quillon\nComment=Quillon\n"
            "Exec=\"/opt/quil lon/quillon\" --home \"/home/x/ql4 \\\\\"club\\\\\"\"\n"
            "Path=/home/x/ql4 \"club\"\nIcon=" +
                icon + "\nTerminal=false\nCategories=Office;\n");
  EXPECT_TRUE(help_launcher_text(places, icon).contains("Name=Quillon Help\n"));
  EXPECT_TRUE(help_launcher_text(places, icon).contains("Exec=\"/opt/quil lon/quillon\" --help-window\n"));
  EXPECT_FALSE(QFile::exists(user.path() + "/.local/share/applications/uninstall.desktop"));

  ASSERT_TRUE(QDir(user.path()).mkdir("Desktop"));
  written = write_launchers(places);
  ASSERT_EQ(written.size(), 4);
  EXPECT_EQ(written[3], user.path() + "/Desktop/quillon.desktop");
  EXPECT_TRUE(QFile::permissions(written[3]) & QFile::ExeOwner);
}

TEST(Launchers, AHomeFolderWithANewlineCannotAddLines) {
  LauncherPlaces places{"/unused", "/opt/quillon", "/home/x/ql4\nExec=/bin/evil\\"};
  QString text = program_launcher_text(places, "/icons/q.png");
  EXPECT_EQ(text,
            "[Desktop Entry]\nType=Application\nName=Quillon\nComment=Quillon\n"
            "Exec=\"/opt/quillon\" --home \"/home/x/ql4\\nExec=/bin/evil\\\\\\\\\"\n"
            "Path=/home/x/ql4\\nExec=/bin/evil\\\\\nIcon=/icons/q.png\nTerminal=false\nCategories=Office;\n");
  // Every line is one of the entry's own keys.
  for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
    EXPECT_TRUE(line == "[Desktop Entry]" || line.indexOf('=') > 0) << line.toStdString();
  EXPECT_EQ(text.count("\nExec="), 1);
}

TEST(Help, EveryTopicHasItsPageAndAnchor) {
  HelpWindow window;
  constexpr int highest_topic = 16;
  for (int number = 0; number <= highest_topic; ++number) {
    SCOPED_TRACE(number);
    const auto topic = static_cast<Help>(number);
    const HelpTopic t = help_topic(topic);
    QFile page(":/help/qlwin4_" + QString::fromStdString(t.page) + ".htm");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QString html = QString::fromUtf8(page.readAll());
    if (!t.anchor.empty()) {
      EXPECT_TRUE(html.contains("name=\"" + QString::fromStdString(t.anchor) + "\""));
    }
    window.show_topic(topic);
    EXPECT_EQ(window.current_page(), help_url(t.page, t.anchor));
  }
  EXPECT_EQ(help_topic(static_cast<Help>(3)).page, "Contents");
  EXPECT_EQ(help_topic(Help::stableford).anchor, "stableford");
  EXPECT_EQ(help_url("trnfmt", "callaway").toString(), "qrc:/help/qlwin4_trnfmt.htm#callaway");
  window.show_topic(Help::getting_started);
  EXPECT_TRUE(window.current_html().contains("Getting Started"));
}

TEST(ShellOptions, CommandLine) {
  QString error;
  auto o = parse_shell_options(
      {"--home", "/tmp/q", "FUP", "RECALC", "--screenshot", "a.png", "--screenshot-dialog", "1701"}, error);
  ASSERT_TRUE(o);
  EXPECT_EQ(o->home, "/tmp/q");
  EXPECT_EQ(o->words, (std::vector<std::string>{"FUP", "RECALC"}));
  EXPECT_EQ(o->screenshot, "a.png");
  EXPECT_EQ(o->screenshot_dialog, 1701);
  EXPECT_FALSE(parse_shell_options({"--home"}, error));
  EXPECT_EQ(error, "--home needs a value");
  EXPECT_FALSE(parse_shell_options({"--screenshot-dialog", "12"}, error));
  EXPECT_EQ(error, "--screenshot-dialog needs --screenshot FILE");
  EXPECT_FALSE(parse_shell_options({"--bogus"}, error));
  EXPECT_EQ(error, "unknown option --bogus");
  EXPECT_EQ(default_home_folder("/home/ann", true), "/home/ann/ql4-demo");
  EXPECT_EQ(default_home_folder("/home/ann", false), "/home/ann/ql4");
}

}  // namespace
}  // namespace quillon::shell

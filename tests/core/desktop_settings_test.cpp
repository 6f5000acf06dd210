#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "core/desktop_settings.h"
#include "core/system_configuration.h"
#include "tests/testing/files.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

std::string file_text(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(DesktopSettings, MissingFileGivesDefaultsAndSavedValuesComeBackWithUnknownLinesKept) {
  TestHome home;
  DesktopSettings none = load_desktop_settings(home.path());
  EXPECT_FALSE(none.report_window);
  EXPECT_EQ(none.notepad_width, 0);

  std::ofstream(home.path() / desktop_settings_file_name) << "future_setting=7\nnotepad_size=12x0\ngarbage\n";
  DesktopSettings s = load_desktop_settings(home.path());
  EXPECT_EQ(s.notepad_width, 0);  // a size with a zero side is no size
  s.report_window = true;
  s.notepad_width = 640;
  s.notepad_height = 480;
  ASSERT_TRUE(save_desktop_settings(home.path(), s).is_ok());
  EXPECT_EQ(file_text(home.path() / desktop_settings_file_name),
            "report_window=1\nnotepad_size=640x480\nfuture_setting=7\n");
  DesktopSettings back = load_desktop_settings(home.path());
  EXPECT_TRUE(back.report_window);
  EXPECT_EQ(back.notepad_width, 640);
  EXPECT_EQ(back.notepad_height, 480);
  EXPECT_TRUE(testing::leftover_temporaries(home.path(), "quillon-desktop.cfg").empty());
}

TEST(DesktopSettings, AFailedWriteIsReportedAndKeepsTheOldFile) {
  TestHome home;
  DesktopSettings s;
  s.report_window = true;
  ASSERT_TRUE(save_desktop_settings(home.path(), s).is_ok());
  const std::string before = file_text(home.path() / desktop_settings_file_name);
  s.others["long"] = std::string(4096, 'x');

  // The child may write only a few bytes: the temporary file fills up.
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    Status saved = save_desktop_settings(home.path(), s);
    _exit(saved.is_ok() ? 0 : (saved.reason().find("could not be written") != std::string::npos ? 3 : 4));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(file_text(home.path() / desktop_settings_file_name), before);
  EXPECT_TRUE(testing::leftover_temporaries(home.path(), "quillon-desktop.cfg").empty());

  // A home folder that is no folder cannot take the file.
  EXPECT_FALSE(save_desktop_settings(home.path() / desktop_settings_file_name, s).is_ok());
}

TEST(DesktopSettings, SystemConfigurationSwitchesTheReportWindowOnAndOff) {
  TestHome home;
  State& state = home.started();
  home.ui.dialog({{{"report_window", "1"}}, false, false});
  EXPECT_TRUE(system_configuration(state, {"Net"}));
  EXPECT_TRUE(load_desktop_settings(home.path()).report_window);
  home.ui.dialog({{{"report_window", "0"}}, false, false});
  EXPECT_TRUE(system_configuration(state, {"Net"}));
  EXPECT_FALSE(load_desktop_settings(home.path()).report_window);
}

// The paper of cards and signs: the printer's (or the country's) by default,
// Letter or A4 when chosen in System Configuration.
TEST(DesktopSettings, SystemConfigurationChoosesThePaper) {
  TestHome home;
  State& state = home.started();
  EXPECT_EQ(load_desktop_settings(home.path()).paper, Paper::automatic);

  home.ui.dialog({{{"paper", "A4"}}, false, false});
  EXPECT_TRUE(system_configuration(state, {"Net"}));
  EXPECT_EQ(file_text(home.path() / desktop_settings_file_name), "report_window=0\npaper=a4\n");
  EXPECT_EQ(load_desktop_settings(home.path()).paper, Paper::a4);

  home.ui.dialog({{{"paper", "Letter"}}, false, false});
  EXPECT_TRUE(system_configuration(state, {"Net"}));
  EXPECT_EQ(load_desktop_settings(home.path()).paper, Paper::letter);

  home.ui.dialog({{{"paper", "Printer's default"}}, false, false});
  EXPECT_TRUE(system_configuration(state, {"Net"}));
  EXPECT_EQ(load_desktop_settings(home.path()).paper, Paper::automatic);
  EXPECT_EQ(file_text(home.path() / desktop_settings_file_name), "report_window=0\n");
}

}  // namespace
}  // namespace quillon

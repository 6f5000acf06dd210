// Update via Internet on an in-process file server: the outcomes that depend
// on what the server does, without a network and without waiting.
#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/network/net_update.h"
#include "tests/exchange/support/fake_file_server.h"
#include "tests/testing/files.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

class UpdateLogic : public ::testing::Test {
 protected:
  void SetUp() override { state = &home.started(); }
  Status run(const std::string& description, const std::string& package = std::string(5000, 'm')) {
    server.files["/update/ql/build.inf"] = description;
    server.files["update/ql/ql_update.msi"] = package;
    return update_from(*state, server, UpdateOptions{0, "250427.1"});
  }
  std::string last_message() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }
  std::filesystem::path package() const { return home.path() / "ql_update.msi"; }

  testing::TestHome home{DateTime{2025, 3, 10, 9, 0, 0}};
  State* state = nullptr;
  testing::FakeFileServer server;
  const std::string newer = "526a 260101.1 newer release\r\n";
};

TEST_F(UpdateLogic, PackageChangedAfterItsSizeWasTakenIsRefused) {
  server.after_size = [&](const std::string& path) { server.files[path] = std::string(7000, 'm'); };
  EXPECT_FALSE(run(newer));
  EXPECT_EQ(last_message(),
            "An error was encountered downloading the update.\n\nThe downloaded package holds 7000 of the 5000 bytes "
            "the server announced.");
  EXPECT_FALSE(std::filesystem::exists(package()));
  EXPECT_TRUE(home.ui.opened_pages.empty());
}

TEST_F(UpdateLogic, ADownloadThatBreaksOffLeavesNoPackage) {
  server.break_after = 1200;
  EXPECT_FALSE(run(newer));
  // The description itself is shorter than the break.
  EXPECT_EQ(last_message(),
            "An error was encountered downloading the update.\n\nThe connection broke off during "
            "\"update/ql/ql_update.msi\".");
  EXPECT_FALSE(std::filesystem::exists(package()));
  EXPECT_TRUE(testing::leftover_temporaries(home.path(), "ql_update.msi").empty());
}

TEST_F(UpdateLogic, ChecksumAndSizeOfACompletePackage) {
  const std::string sum = "2b25be619b818eb7df29d3eaf8fc11dab1682aaa80f4b846366a15a65e14230b";  // 3000 x "p"
  EXPECT_TRUE(run(newer + "sha256=" + sum + "\r\n", std::string(3000, 'p')));
  EXPECT_EQ(home.ui.opened_pages, std::vector<std::string>{package().string()});
  EXPECT_FALSE(run(newer + "sha256=" + std::string(64, '0') + "\r\n", std::string(3000, 'p')));
  EXPECT_EQ(last_message(),
            "An error was encountered downloading the update.\n\nThe downloaded package does not match the checksum "
            "of the build description.");
  EXPECT_FALSE(std::filesystem::exists(package()));
}

TEST_F(UpdateLogic, TheRunningReleaseIsFetchedAgainOnlyWhenWanted) {
  home.ui.answer(Button::no);
  EXPECT_FALSE(run("525a 250427.1 current release\r\n"));
  EXPECT_EQ(server.downloads, 1);  // the description only
  home.ui.answer(Button::yes);
  EXPECT_TRUE(run("525a 250427.1 current release\r\n"));
  EXPECT_EQ(server.downloads, 3);
  EXPECT_TRUE(std::filesystem::exists(package()));
}

TEST_F(UpdateLogic, AShortDescriptionIsCalledDamaged) {
  EXPECT_FALSE(run("525a 250427."));
  EXPECT_EQ(last_message(), update_description_damaged_text);
  EXPECT_EQ(server.downloads, 1);
}

}  // namespace
}  // namespace quillon

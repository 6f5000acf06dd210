// Every network call ends within a bound set by the time-out and the size of
// what it moves, also against a server that drips its answer two bytes a
// second and so is never silent long enough for a plain time-out; the user
// can still cancel; an error page is never taken for a credential.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "exchange/network/net_client.h"
#include "exchange/network/net_session.h"
#include "tests/exchange/support/net_fixture.h"

namespace quillon {
namespace {

using testing::LoopbackServers;
using testing::TestHome;

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

NetworkSettings one_second_settings(const TestHome& home, const LoopbackServers& servers) {
  servers.configure(home.path());
  NetworkSettings settings;
  EXPECT_TRUE(load_network_settings(home.path(), settings));
  settings.timeout_seconds = 1;
  return settings;
}

TEST(NetworkDeadline, AnAnswerDrippedTwoBytesASecondIsStoppedWithinItsBound) {
  TestHome home;
  LoopbackServers servers;
  NetworkSettings settings = one_second_settings(home, servers);
  servers.set_switch("drip_web");

  // The 546-byte logon answer would take 273 seconds.
  WebSession web(settings);
  Clock::time_point start = Clock::now();
  Status fetched = web.get("/cgi-bin/pldump.exe", 546, true).status;
  double took = seconds_since(start);
  ASSERT_FALSE(fetched);
  EXPECT_EQ(web.last_failure(), NetFailure::timed_out);
  EXPECT_EQ(fetched.reason(),
            "The transfer of the request /cgi-bin/pldump.exe was too slow (less than 1024 bytes a second) and was "
            "stopped.");
  EXPECT_LT(took, 3 * settings.timeout_seconds + 1.5);

  // A file download from the web server: the same.
  servers.put_file("hdb/C1.db", std::string(1212, 'd'));
  start = Clock::now();
  Status downloaded = web.get_to_file("/cgi-bin/vcapexp.exe?CID=C1", 52, -1, home.path() / "C1.hdx");
  took = seconds_since(start);
  ASSERT_FALSE(downloaded);
  EXPECT_EQ(web.last_failure(), NetFailure::timed_out);
  EXPECT_LT(took, 3 * settings.timeout_seconds + 1.5);
  EXPECT_FALSE(std::filesystem::exists(home.path() / "C1.hdx"));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "C1.hdx.part"));
}

TEST(NetworkDeadline, AnFtpDownloadDrippedTwoBytesASecondIsStoppedAndLeavesNoFile) {
  TestHome home;
  LoopbackServers servers({"--throttle", "2"});
  NetworkSettings settings = one_second_settings(home, servers);
  servers.put_file("update/ql/ql_update.msi", std::string(5000, 'm'));

  FtpSession ftp(settings, "qlwin4", testing::test_ftp_password);
  Clock::time_point start = Clock::now();
  Status got = ftp.get("update/ql/ql_update.msi", home.path() / "ql_update.msi");
  double took = seconds_since(start);
  ASSERT_FALSE(got);
  EXPECT_EQ(ftp.last_failure(), NetFailure::timed_out);
  EXPECT_EQ(got.reason(),
            "The transfer of \"update/ql/ql_update.msi\" was too slow (less than 1024 bytes a second) and was "
            "stopped.");
  // The logon and the transfer, each bounded.
  EXPECT_LT(took, 3 * settings.timeout_seconds + 5000.0 / 1024 + 1.5);
  EXPECT_FALSE(std::filesystem::exists(home.path() / "ql_update.msi"));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "ql_update.msi.part"));
}

// An FTP server on a loopback port whose greeting never ends: a line of
// continuation every few seconds, two bytes a second.
class DrippingGreeting {
 public:
  DrippingGreeting() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(listener_, 1), 0);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
      int client = ::accept(listener_, nullptr, nullptr);
      const std::string line = "220-Welcome to a very slow server\r\n";
      // At most two minutes, far beyond any bound of the client.
      for (int i = 0; i < 240 && !stop_ && client >= 0; ++i) {
        std::string two = line.substr((2 * i) % line.size(), 2);
        if (::send(client, two.data(), two.size(), MSG_NOSIGNAL) < 0) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
      }
      if (client >= 0) ::close(client);
    });
  }
  ~DrippingGreeting() {
    stop_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
  }
  int port() const { return port_; }

 private:
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST(NetworkDeadline, AnFtpGreetingThatNeverEndsStopsTheLogonWithinThreeTimesTheTimeOut) {
  DrippingGreeting server;
  NetworkSettings settings;
  settings.ftp_host = "127.0.0.1";
  settings.ftp_port = server.port();
  settings.ftps = FtpsMode::off;
  settings.timeout_seconds = 2;
  FtpSession ftp(settings, "qlwin4", "x");
  Clock::time_point start = Clock::now();
  Status status = ftp.logon();
  double took = seconds_since(start);
  ASSERT_FALSE(status);
  EXPECT_EQ(ftp.last_failure(), NetFailure::timed_out);
  EXPECT_LT(took, 3 * settings.timeout_seconds + 1.5);
}

TEST(NetworkDeadline, CancelStillStopsADrippingTransferAtOnce) {
  TestHome home;
  LoopbackServers servers;
  NetworkSettings settings = one_second_settings(home, servers);
  settings.timeout_seconds = 30;
  servers.set_switch("drip_web");

  WebSession web(settings);
  int calls = 0;
  web.set_activity([&](std::int64_t, std::int64_t) { return ++calls < 3; });
  Clock::time_point start = Clock::now();
  Status fetched = web.get("/cgi-bin/pldump.exe", 546, true).status;
  ASSERT_FALSE(fetched);
  EXPECT_EQ(web.last_failure(), NetFailure::cancelled);
  EXPECT_EQ(fetched.reason(), "The transfer was cancelled.");
  EXPECT_EQ(calls, 3);
  EXPECT_LT(seconds_since(start), 5.0);
}

TEST(NetworkDeadline, ALogonAnswerWithAnErrorStatusIsNeverUsedAsACredential) {
  TestHome home{DateTime{2025, 3, 10, 9, 0, 0}};
  LoopbackServers servers;
  servers.configure(home.path());
  State& state = home.started();
  // The body is the good blob; only the status says the server failed.
  servers.set_switch("pldump_500");
  InternetSession internet;
  ASSERT_TRUE(open_internet(state, internet));
  EXPECT_EQ(open_ftp_session(state, internet), nullptr);
  ASSERT_NE(home.ui.last_message(), nullptr);
  EXPECT_EQ(home.ui.last_message()->text,
            "0-46 : Authentication failure attempting to attach to Tolvane Systems Inc. FTP site.\n\nThe web server "
            "answered the request /cgi-bin/pldump.exe with the error status 500.");
  EXPECT_FALSE(std::filesystem::exists(home.path() / credential_cache_name));

  // The same server answering properly is believed.
  std::filesystem::remove(servers.root() / ".pldump_500");
  EXPECT_NE(open_ftp_session(state, internet), nullptr);
  EXPECT_TRUE(std::filesystem::exists(home.path() / credential_cache_name));
}

}  // namespace
}  // namespace quillon

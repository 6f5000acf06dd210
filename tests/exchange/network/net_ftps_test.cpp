// Explicit TLS on the FTP connection (the "ftps" and "ca_file" settings)
// against a loopback server that offers it with a self-signed certificate.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "exchange/network/net_session.h"
#include "tests/exchange/support/net_fixture.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::LoopbackServers;
using testing::TestHome;

// A certificate for 127.0.0.1 made with openssl: "cert.pem" alone (what the
// client trusts) and "server.pem" with its key (what the server offers).
class SelfSignedCertificate {
 public:
  SelfSignedCertificate() {
    std::string tmpl = (fs::temp_directory_path() / "quillon-cert-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make the certificate folder");
    folder_ = tmpl;
    std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
        "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout '" +
        (folder_ / "key.pem").string() + "' -out '" + cert().string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("openssl could not make a certificate");
    std::ofstream(server_pem()) << read(folder_ / "key.pem") << read(cert());
  }
  ~SelfSignedCertificate() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  fs::path cert() const { return folder_ / "cert.pem"; }
  fs::path server_pem() const { return folder_ / "server.pem"; }

 private:
  static std::string read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path folder_;
};

class FtpsTest : public ::testing::Test {
 protected:
  // Opens the FTP session and fetches "hello.txt"; empty when it failed.
  std::string fetch(LoopbackServers& servers, const std::string& settings) {
    servers.put_file("hello.txt", "hello");
    servers.configure(home.path(), settings);
    InternetSession internet;
    if (!open_internet(state, internet)) return {};
    auto ftp = open_ftp_session(state, internet);
    if (!ftp) return {};
    fs::path local = home.path() / "hello.txt";
    if (!ftp->get("hello.txt", local)) return {};
    std::ifstream in(local);
    std::string text;
    std::getline(in, text);
    return text;
  }
  std::string last_text() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }
  std::string ca_line() const { return "ca_file = " + certificate.cert().string() + "\n"; }

  SelfSignedCertificate certificate;
  TestHome home;
  State& state = home.started();
};

TEST_F(FtpsTest, RequireAndTryLogOnOverTlsToAServerThatInsistsOnIt) {
  LoopbackServers servers({"--certfile", certificate.server_pem().string(), "--tls-required"});
  EXPECT_EQ(fetch(servers, "ftps = require\n" + ca_line()), "hello") << last_text();
  EXPECT_TRUE(home.ui.messages.empty());
  fs::remove(home.path() / credential_cache_name);
  EXPECT_EQ(fetch(servers, "ftps = try\n" + ca_line()), "hello");
  EXPECT_TRUE(home.ui.messages.empty());

  // The server really refuses a logon in clear, and its own reply says why
  // (not a wrong password).
  fs::remove(home.path() / credential_cache_name);
  EXPECT_EQ(fetch(servers, "ftps = off\n"), "");
  EXPECT_EQ(last_text(),
            "ERR_FTP: Error creating FTP session.\n\nThe server refused the logon: 550 SSL/TLS required on the control "
            "channel.");
}

TEST_F(FtpsTest, CertificateNotTrustedWithoutItsCaFile) {
  LoopbackServers servers({"--certfile", certificate.server_pem().string()});
  EXPECT_EQ(fetch(servers, "ftps = try\n"), "");
  EXPECT_EQ(last_text().rfind("ERR_FTP: Error creating FTP session.\n\nThe certificate of the server for the logon "
                              "to 127.0.0.1 could not be verified (",
                              0),
            0u)
      << last_text();
  EXPECT_TRUE(last_text().ends_with("). Name the file of its certificate authority as ca_file in network.ini."));
}

TEST_F(FtpsTest, RequireRefusesAServerWithoutTls) {
  LoopbackServers servers;
  EXPECT_EQ(fetch(servers, "ftps = require\n"), "");
  EXPECT_EQ(last_text(),
            "ERR_FTP: Error creating FTP session.\n\nThe server does not offer an encrypted connection, which the "
            "network settings require.");
  // "try" falls back to plain FTP where TLS is not offered.
  EXPECT_EQ(fetch(servers, "ftps = try\n"), "hello");
}

TEST(NetworkSettingsFile, CaFileMustNameAFile) {
  TestHome home;
  NetworkSettings settings;
  std::ofstream(home.path() / "network.ini") << "ca_file = missing.pem\n";
  Status status = load_network_settings(home.path(), settings);
  EXPECT_EQ(status.reason(), "Line 1 of the network settings file \"" + (home.path() / "network.ini").string() +
                                 "\" cannot be used:\nca_file = missing.pem");
  std::ofstream(home.path() / "authority.pem") << "-";
  std::ofstream(home.path() / "network.ini") << "ca_file = authority.pem\n";
  ASSERT_TRUE(load_network_settings(home.path(), settings));
  EXPECT_EQ(settings.ca_file, home.path() / "authority.pem");
}

}  // namespace
}  // namespace quillon

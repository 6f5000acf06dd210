#include "shell/single_instance.h"

#include <QDir>
#include <QLocalSocket>

namespace quillon::shell {

namespace {
constexpr int connect_timeout_ms = 500;
const QByteArray raise_request = "raise\n";
}  // namespace

QString instance_name() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = QDir::home().dirName();
  return "qlwin4-" + user;
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      Q_EMIT activation_requested();
    }
  });
}

bool SingleInstance::claim() {
  QLocalSocket other;
  other.connectToServer(name_);
  if (other.waitForConnected(connect_timeout_ms)) {
    other.write(raise_request);
    other.waitForBytesWritten(connect_timeout_ms);
    other.disconnectFromServer();
    return false;
  }
  // Nobody answers: a socket file left by a program that crashed is removed.
  QLocalServer::removeServer(name_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  return server_.listen(name_);
}

}  // namespace quillon::shell

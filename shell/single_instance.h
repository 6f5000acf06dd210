#pragma once
// One running program per user: the first start listens on a local socket; a
// later start reaches it, asks it to come forward and gives up.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace quillon::shell {

// "qlwin4-" and the user's name.
QString instance_name();

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString name = instance_name(), QObject* parent = nullptr);

  // True when this process is now the one instance; false when another one
  // runs (it has been asked to come forward).
  bool claim();

 Q_SIGNALS:
  void activation_requested();

 private:
  QString name_;
  QLocalServer server_;
};

}  // namespace quillon::shell

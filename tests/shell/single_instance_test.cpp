#include "shell/single_instance.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QSignalSpy>

namespace quillon::shell {
namespace {

TEST(SingleInstance, ASecondClaimIsRefusedAndWakesTheFirst) {
  const QString name = "qlwin4-test-" + QString::number(QCoreApplication::applicationPid());
  SingleInstance first(name);
  QSignalSpy woken(&first, &SingleInstance::activation_requested);
  ASSERT_TRUE(first.claim());

  SingleInstance second(name);
  EXPECT_FALSE(second.claim());
  EXPECT_TRUE(woken.wait(2000));
  EXPECT_EQ(woken.count(), 1);
}

TEST(SingleInstance, TheNameBelongsToTheUser) {
  const QByteArray user = qgetenv("USER");
  qputenv("USER", "marge");
  EXPECT_EQ(instance_name(), "qlwin4-marge");
  qputenv("USER", user);
}

}  // namespace
}  // namespace quillon::shell

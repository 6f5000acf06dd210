#include "core/loadable_module.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

#include "tests/testing/test_home.h"

namespace quillon {
namespace {

TEST(LoadableModule, AMissingOrBrokenModuleIsNamedWithTheReason) {
  std::string why;
  EXPECT_EQ(module_entry("no-such", "quillon_no_such_module", why), nullptr);
  EXPECT_EQ(why, "the module quillon-no-such.so was not found beside the program or in ../lib/quillon");

  // The folder QUILLON_MODULE_DIR names comes first.
  testing::TestHome home;
  std::ofstream(home.path() / "quillon-broken.so") << "not a shared object";
  ASSERT_EQ(::setenv("QUILLON_MODULE_DIR", home.path().c_str(), 1), 0);
  EXPECT_EQ(module_entry("broken", "quillon_broken_module", why), nullptr);
  ::unsetenv("QUILLON_MODULE_DIR");
  EXPECT_TRUE(why.starts_with("the module " + (home.path() / "quillon-broken.so").string() + " could not be loaded: "))
      << why;
}

}  // namespace
}  // namespace quillon

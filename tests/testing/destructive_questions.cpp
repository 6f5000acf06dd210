#include "tests/testing/destructive_questions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "core/messages.h"

namespace quillon::testing {

bool reads_destructive(const std::string& text) {
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const char* word : {"erase", "overwrite", "remove", "purge", "delete", "will be lost", "no longer be linked",
                           "clear the", "replace the"})
    if (lower.find(word) != std::string::npos) return true;
  return false;
}

void expect_safe_default(const RecordedMessage& message) {
  const bool question = message.kind >= message_kind::question && message.kind <= message_kind::warning_yes_no_cancel;
  if (!question || !reads_destructive(message.text)) return;
  EXPECT_EQ(message.default_button, safe_button(message.kind))
      << "Enter must not answer the destructive question \"" << message.text << "\" (" << message.title << ")";
}

}  // namespace quillon::testing

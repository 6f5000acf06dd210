#pragma once
// A value, or the Status that says why there is none.
//
//   Result<CourseRecord> course = load_course(state, slot);
//   if (!course) return course.status();
//   use(*course);
#include <cassert>
#include <optional>
#include <utility>

#include "core/status.h"

namespace quillon {

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)), status_(Status::ok()) {}  // NOLINT: a value is a result
  // A failure; an ok Status carries no value and is not a result.
  Result(Status failure) : status_(std::move(failure)) { assert(!status_.is_ok()); }  // NOLINT

  bool is_ok() const { return value_.has_value(); }
  explicit operator bool() const { return is_ok(); }
  // Ok when there is a value, else the failure.
  const Status& status() const { return status_; }

  T& operator*() & { return *value_; }
  const T& operator*() const& { return *value_; }
  T&& operator*() && { return std::move(*value_); }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& value() & { return *value_; }
  const T& value() const& { return *value_; }
  T&& value() && { return std::move(*value_); }
  T value_or(T fallback) const& { return value_ ? *value_ : std::move(fallback); }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace quillon

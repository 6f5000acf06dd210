#pragma once
// Today's date and time come from a clock that tests and the command-line
// driver can fix.
namespace quillon {

struct DateTime {
  int year = 1980;  // full year
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

class SystemClock : public Clock {
 public:
  DateTime now() const override;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime when) : when_(when) {}
  DateTime now() const override { return when_; }
  void set(DateTime when) { when_ = when; }

 private:
  DateTime when_;
};

}  // namespace quillon

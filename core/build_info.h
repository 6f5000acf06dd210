#pragma once
// This build's identity. The start-up upgrade steps compare the database's
// stored build date against the date in the build identifier.
namespace quillon {

inline constexpr const char* build_identifier = "Build 261207.1";
// The maker's web host; the failed-update page and the web site live there.
inline constexpr const char* default_web_host = "https://www.quillon-golf.example";
inline constexpr const char* failed_update_path = "/windows_update_fail/?mode=ql";

// The build date as a day number, from the two-digit year, month and day at
// characters 6 to 11 of the build identifier.
int build_day_number();

}  // namespace quillon

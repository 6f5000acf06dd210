#pragma once
// The three configuration records at the start of the database file.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace quillon {

static_assert(std::endian::native == std::endian::little, "record layouts are little-endian byte images");

#pragma pack(push, 1)

// Record kind 1: 200 bytes at offset 0.
struct SystemRecord {
  std::uint8_t reserved_0[6];
  std::int16_t program_version;
  std::uint8_t reserved_8[6];
  char program_version_letter;
  char heading_mode;
  std::uint8_t reserved_16;
  std::uint8_t default_flight_count;
  std::int8_t default_format;
  std::int8_t tee_time_interval;
  std::uint8_t reserved_20[3];
  std::uint8_t getting_started_seen;
  std::int8_t print_offset_x;
  std::int8_t print_offset_y;
  std::uint8_t reserved_26[2];
  std::int8_t label_offset_x;
  std::int8_t label_offset_y;
  std::int16_t purge_reminder_limit;
  std::uint8_t default_include_rating_and_par;
  std::uint8_t reserved_33[25];
  std::uint8_t product_code;
  std::uint8_t reserved_59[4];
  std::uint8_t label_format;
  std::uint8_t reserved_64[2];
  std::uint16_t flags;
  std::int16_t course_slot_count;
  std::uint8_t reserved_70[8];
  std::int8_t stableford_points[8];
  std::uint8_t reserved_86[2];
  std::uint16_t default_course;
  std::uint8_t reserved_90;
  std::int8_t default_tie_break;
  std::uint8_t reserved_92[8];
  std::uint16_t schema_date;
  char club_id[16];
  std::uint16_t next_tournament_id;
  std::int16_t main_window_rect[4];  // left, right, top, bottom
  std::uint16_t course_change_date;
  std::uint8_t reserved_130[70];
};

// Record kind 2: 200 bytes at offset 200.
struct ImportSettingsRecord {
  char reporting_name[26];
  std::uint8_t import_source;
  std::uint8_t reserved_27[16];
  std::uint8_t network_byte;  // byte 43, owned by the network exchange
  char import_column[6][16];
  char ravelin_folder[60];
};

// Record kind 10: 300 bytes at 400 + 300 * course slots.
struct DesktopMessageRecord {
  char text[300];
};

#pragma pack(pop)

static_assert(sizeof(SystemRecord) == 200);
static_assert(offsetof(SystemRecord, program_version) == 6);
static_assert(offsetof(SystemRecord, program_version_letter) == 14);
static_assert(offsetof(SystemRecord, heading_mode) == 15);
static_assert(offsetof(SystemRecord, default_flight_count) == 17);
static_assert(offsetof(SystemRecord, default_format) == 18);
static_assert(offsetof(SystemRecord, tee_time_interval) == 19);
static_assert(offsetof(SystemRecord, getting_started_seen) == 23);
static_assert(offsetof(SystemRecord, print_offset_x) == 24);
static_assert(offsetof(SystemRecord, print_offset_y) == 25);
static_assert(offsetof(SystemRecord, label_offset_x) == 28);
static_assert(offsetof(SystemRecord, label_offset_y) == 29);
static_assert(offsetof(SystemRecord, purge_reminder_limit) == 30);
static_assert(offsetof(SystemRecord, default_include_rating_and_par) == 32);
static_assert(offsetof(SystemRecord, product_code) == 58);
static_assert(offsetof(SystemRecord, label_format) == 63);
static_assert(offsetof(SystemRecord, flags) == 66);
static_assert(offsetof(SystemRecord, course_slot_count) == 68);
static_assert(offsetof(SystemRecord, stableford_points) == 78);
static_assert(offsetof(SystemRecord, default_course) == 88);
static_assert(offsetof(SystemRecord, default_tie_break) == 91);
static_assert(offsetof(SystemRecord, schema_date) == 100);
static_assert(offsetof(SystemRecord, club_id) == 102);
static_assert(offsetof(SystemRecord, next_tournament_id) == 118);
static_assert(offsetof(SystemRecord, main_window_rect) == 120);
static_assert(offsetof(SystemRecord, course_change_date) == 128);

static_assert(sizeof(ImportSettingsRecord) == 200);
static_assert(offsetof(ImportSettingsRecord, import_source) == 26);
static_assert(offsetof(ImportSettingsRecord, network_byte) == 43);
static_assert(offsetof(ImportSettingsRecord, import_column) == 44);
static_assert(offsetof(ImportSettingsRecord, ravelin_folder) == 140);

static_assert(sizeof(DesktopMessageRecord) == 300);

// System record flag bits.
namespace system_flag {
inline constexpr std::uint16_t reserved_1 = 0x0001;
inline constexpr std::uint16_t upgraded = 0x0002;
inline constexpr std::uint16_t yards = 0x0004;
inline constexpr std::uint16_t no_label_reminder = 0x0010;
inline constexpr std::uint16_t custom_stableford_gross = 0x0020;
inline constexpr std::uint16_t extra_golfers_last = 0x0040;
inline constexpr std::uint16_t stretch_background = 0x0080;
inline constexpr std::uint16_t color_reports = 0x0200;
inline constexpr std::uint16_t no_desktop_message = 0x0400;
}  // namespace system_flag

inline constexpr int program_version = 2025;
inline constexpr char program_version_letter = 'a';
inline constexpr std::uint8_t product_code = 100;

}  // namespace quillon

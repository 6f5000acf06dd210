#include "exchange/imports/course_import.h"

#include <set>
#include <string>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/ravelin.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_access.h"
#include "courses/course_validation.h"

namespace quillon {

namespace {

constexpr int many_courses = 250;

// Keeps the messages of the course checks from the user: an import checks
// many courses and reports the failures as one count.
class QuietUi : public Ui {
 public:
  Button show_message(int, const std::string&, const std::string&) override { return Button::none; }
  std::optional<int> select_one(SelectionKind, const std::string&, const std::vector<Choice>&) override { return {}; }
  std::optional<std::vector<int>> select_many(SelectionKind, const std::string&, const std::vector<Choice>&) override {
    return {};
  }
  std::optional<std::string> choose_file(FileDialogMode, const std::string&, const std::string&,
                                         const std::string&) override {
    return {};
  }
  bool run_dialog(DialogModel&) override { return false; }
  void open_page(const std::string&) override {}
  void show_help(const std::string&, const std::string&) override {}
  void set_busy(bool) override {}
  PreviewAction show_print_preview(const std::string&, const Drawing&, int) override { return PreviewAction::close; }
  PrinterOpening open_printer(const PrintSettings&) override { return {nullptr, PrintFailure::no_printer, {}}; }
};

std::string course_key(const CourseRecord& c) {
  return to_lower(field_text(c.course_name) + ", " + field_text(c.tee_name));
}

bool passes_course_checks(const State& state, const CourseRecord& course) {
  QuietUi quiet;
  State checker(quiet, state.clock, state.home_folder);
  CourseRecord copy = course;
  return validate_course(checker, copy) == 0;
}

}  // namespace

Result<CourseImportCounts> import_courses(State& state) {
  CourseImportCounts counts;
  if (state.ravelin_path.empty()) return counts;
  RavelinReader reader(state.file(state.ravelin_path).string());
  if (!reader.open_ravelin()) return counts;
  if (reader.read_ravelin(ravelin_kind::header, 1) < 200 || reader.version() != state.system.program_version ||
      reader.version_letter() != state.system.program_version_letter)
    return counts;
  const int ravelin_courses = reader.course_slots();
  if (ravelin_courses > state.course_slot_count()) {
    message_box(state, message_kind::warning,
                "Ravelin for Windows is configured to store up to %d courses but Quillon for Windows is configured to "
                "store only %d courses.  If you wish to have Quillon for Windows automatically import courses from the "
                "Ravelin for Windows database, Quillon for Windows must be configured to store as many courses as "
                "Ravelin for Windows.\n\nTo change the number of courses Quillon for Windows can store, select "
                "\"Maintenace\" / \"System Configuration\"",
                ravelin_courses, state.course_slot_count());
    return counts;
  }
  std::set<std::string> keys;
  std::set<int> free_slots;
  for (int slot = 1; slot <= state.course_count; ++slot) {
    // Without every stored course known, an import could take a slot in use.
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (course_slot_used(state.course)) keys.insert(course_key(state.course));
    else free_slots.insert(slot);
  }
  if (ravelin_courses > static_cast<int>(keys.size()) + many_courses)
    message_box(state, message_kind::information,
                "Up to %d courses will be automatically imported from the Ravelin for Windows database.  This may take "
                "several minutes.",
                ravelin_courses);
  // The courses reach the disk together, with one flush.
  const int course_count_before = state.course_count;
  DatabaseTransaction change(state);
  for (int n = 1; n <= ravelin_courses; ++n) {
    if (reader.read_ravelin(ravelin_kind::course, n) < static_cast<int>(sizeof(CourseRecord))) break;
    CourseRecord course = reader.course();
    if (!course_slot_used(course) || course.men_par[0] == 0) continue;
    std::string key = course_key(course);
    if (keys.count(key)) continue;
    const bool needs_attention = !passes_course_checks(state, course);
    int slot = free_slots.empty() ? state.course_count + 1 : *free_slots.begin();
    if (slot > state.course_slot_count()) {
      message_box(state, message_kind::error,
                  "One or more courses could not be imported from Ravelin for Windows as the course capacity has been "
                  "exceeded.  The system is currently configured for %d courses.  To configure the system for "
                  "additional courses, select \"System Configuration\" from the \"Maintenance\" menu.",
                  state.course_slot_count());
      break;
    }
    state.course = course;
    if (!write_record(state, RecordKind::course, slot)) break;
    free_slots.erase(slot);
    if (slot > state.course_count) state.course_count = slot;
    keys.insert(key);
    ++counts.imported;
    if (needs_attention)
      counts.needing_attention.push_back(field_text(course.course_name) + " - " + field_text(course.tee_name));
  }
  if (!change.commit()) {
    counts.imported = 0;
    counts.needing_attention.clear();
    state.course_count = course_count_before;
    return counts;
  }
  // Told once: the next import finds these courses here and skips them.
  if (!counts.needing_attention.empty()) {
    std::string list;
    for (const std::string& name : counts.needing_attention) list += "\n" + name;
    message_box(state, message_kind::warning,
                "These courses were imported from Ravelin for Windows but do not pass the course checks.  Correct "
                "each with \"Change\" / \"Change Course\" before using it in a tournament:%s",
                list.c_str());
  }
  return counts;
}

}  // namespace quillon

#include "exchange/imports/import_settings_dialog.h"

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/native_path.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/golfer_sources.h"
#include "exchange/imports/workbook_files.h"

namespace quillon {

namespace {

constexpr const char* not_required = "not required";

// The choices of the source list, in the dialog's order.
enum Choice { ravelin_choice = 0, parlink_choice = 1, spreadsheet_choice = 2 };

// Record order: DB Name, Name1, Name2, Active, Gender, HC Index.
constexpr const char* column_fields[import_column_count] = {"db_name", "name1",  "name2",
                                                            "active",  "gender", "hc_index"};
constexpr const char* column_labels[import_column_count] = {"DB Name",      "Name1",  "Name2 (opt)",
                                                            "Active (opt)", "Gender", "HC Index"};
constexpr const char* spreadsheet_defaults[import_column_count] = {"Sheet1",       "firstname", "lastname",
                                                                   "not required", "gender",    "handicap"};
// The order the columns are shown in, and focus moves through.
constexpr int shown_order[import_column_count] = {0, 1, 2, 4, 3, 5};

int choice_of_source(int source) {
  if (source == static_cast<int>(ImportSource::parlink)) return parlink_choice;
  if (source == static_cast<int>(ImportSource::spreadsheet)) return spreadsheet_choice;
  return ravelin_choice;
}

std::uint8_t source_of_choice(int choice) {
  if (choice == parlink_choice) return static_cast<std::uint8_t>(ImportSource::parlink);
  if (choice == spreadsheet_choice) return static_cast<std::uint8_t>(ImportSource::spreadsheet);
  return static_cast<std::uint8_t>(ImportSource::ravelin);
}

std::string stored_column(const State& state, int setting) {
  const char* c = state.import_settings.import_column[setting];
  return std::string(c, strnlen(c, import_column_length));
}

void store_column(State& state, int setting, const std::string& text) {
  char* c = state.import_settings.import_column[setting];
  // Byte 15 of each setting belongs to the network exchange.
  std::memset(c, 0, import_column_length);
  std::memcpy(c, text.data(), std::min<std::size_t>(text.size(), import_column_length));
}

std::vector<std::string> source_choices(const State& state) {
  std::string club = field_text(state.system.club_id);
  std::string parlink = club.empty() ? "Parlink Network" : "Parlink Network (" + club + ")";
  return {"Ravelin", parlink, "Spreadsheet workbook (.xlsx, .xls, .ods, .csv)"};
}

Field in_parameters(Field field) {
  field.group = "Import Parameters";
  return field;
}

}  // namespace

std::string ravelin_path_for(const State& state) {
  if (state.import_settings.import_source == static_cast<int>(ImportSource::ravelin))
    return (native_path(field_text(state.import_settings.ravelin_folder), user_home_folder()) / "rvwin4.dat").string();
  if (state.import_settings.import_source == static_cast<int>(ImportSource::parlink))
    return field_text(state.system.club_id) + ".crs";
  return "";
}

ImportSettingsModel::ImportSettingsModel(State& state)
    : state_(state),
      source_(add(Field::list_field("import_source", "Import Source", source_choices(state)))),
      columns_(add_column_fields()),
      folder_(add(in_parameters(Field::text_field("path", "Path", import_folder_length)))),
      browse_(add(in_parameters(Field::button_field("browse", "Browse")))) {
  title_ = "Golfer Import Setup";
  shown_choice_ = choice_of_source(state.import_settings.import_source);
  source_.index = shown_choice_;
  for (int i = 0; i < import_column_count; ++i) columns_[i]->text = stored_column(state, i);
  folder_.text = field_text(state.import_settings.ravelin_folder);
}

std::vector<Field*> ImportSettingsModel::add_column_fields() {
  std::vector<Field*> columns(import_column_count, nullptr);
  for (int i : shown_order)
    columns[i] = &add(in_parameters(Field::text_field(column_fields[i], column_labels[i], import_column_length)));
  return columns;
}

void ImportSettingsModel::show_source_defaults(int choice) {
  for (int i = 0; i < import_column_count; ++i)
    columns_[i]->text = choice == spreadsheet_choice ? spreadsheet_defaults[i] : not_required;
  if (choice == ravelin_choice) folder_.text = default_ravelin_folder;
  if (choice == parlink_choice) folder_.text = not_required;
}

void ImportSettingsModel::on_changed(Field& f) {
  if (&f == &source_) {
    int choice = f.index;
    if (choice == parlink_choice && field_text(state_.system.club_id).empty()) {
      error_box(
          state_,
          "An Internet Club Id must be entered prior to using the Parlink Network.\n\nTo enter your Internet Club "
          "ID click on the 'Cuplink Network' button on the main window.");
      choice = ravelin_choice;
      f.index = choice;
    }
    show_source_defaults(choice);
    if (choice == spreadsheet_choice)
      message_box(state_, message_kind::information,
                  "By default the import facility expects the spreadsheet to use the column names 'firstname', "
                  "'lastname', 'handicap', and 'gender'.\n\nIf the first and last names are combined into one column, "
                  "the full names must be in the 'firstname' column.\n\nGender must be 'M' or 'F'.\n\nThe data must "
                  "be in the first worksheet of the workbook.");
    shown_choice_ = choice;
    return;
  }
  // A full column setting hands the focus on, as typing its last character does.
  for (int k = 0; k < import_column_count; ++k) {
    if (&f != columns_[shown_order[k]]) continue;
    if (static_cast<int>(f.text.size()) >= import_column_length)
      set_focus(k + 1 < import_column_count ? columns_[shown_order[k + 1]]->name : folder_.name);
  }
}

void ImportSettingsModel::on_pressed(Field& f) {
  if (&f != &browse_) return;
  int choice = source_.index;
  std::optional<std::string> chosen;
  if (choice == ravelin_choice)
    chosen = state_.ui.choose_file(FileDialogMode::open, "Open",
                                   "RVDB Files(rvwin4.dat)|rvwin4.dat|All Files(*.*)|*.*|", "rvwin4.dat");
  else if (choice == spreadsheet_choice)
    chosen = state_.ui.choose_file(FileDialogMode::open, "Open", import_filter, "");
  else chosen = state_.ui.choose_file(FileDialogMode::open, "Open", "All Files(*.*)|*.*|", "");
  if (!chosen || chosen->empty()) return;
  std::string folder = std::filesystem::path(*chosen).parent_path().string();
  if (static_cast<int>(folder.size()) > import_folder_length) {
    not_done_box(state_, message_kind::warning,
                 "The folder [%s] is longer than the %d characters the import settings can hold.\n\nPlease move the "
                 "file to a folder with a shorter path.",
                 shown_path(folder).c_str(), import_folder_length);
    return;
  }
  folder_.text = folder;
}

bool ImportSettingsModel::accept() {
  int choice = source_.index;
  if (choice != spreadsheet_choice)
    for (Field* column : columns_) column->text = not_required;
  ImportSettingsRecord& r = state_.import_settings;
  r.import_source = source_of_choice(choice);
  for (int i = 0; i < import_column_count; ++i) store_column(state_, i, columns_[i]->text);
  set_field_text_terminated(r.ravelin_folder, folder_.text.substr(0, import_folder_length));
  if (!write_record(state_, RecordKind::import_settings, 1)) return false;
  state_.ravelin_path = ravelin_path_for(state_);
  return true;
}

Status change_import_settings(State& state) {
  ImportSettingsRecord kept = state.import_settings;
  ImportSettingsModel model(state);
  if (state.ui.run_dialog(model)) return Status::ok();
  state.import_settings = kept;
  return Status::told();
}

}  // namespace quillon

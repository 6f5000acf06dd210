#include "exchange/imports/workbook_files.h"

#include "core/cp1252.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/import_file.h"

namespace quillon {

namespace {

bool ends_with_ignoring_case(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && equal_ignoring_case(text.substr(text.size() - suffix.size()), suffix);
}

constexpr const char* working_copy_stem = "temp";
constexpr const char* working_copy_extensions[] = {".xls", ".xlsx", ".ods", ".csv"};

}  // namespace

std::filesystem::path export_path_for(const std::string& chosen) {
  if (ends_with_ignoring_case(chosen, ".csv") || ends_with_ignoring_case(chosen, ".xlsx")) return chosen;
  // The workbook written is an .xlsx one: a name asking for ".xls" gets its real extension.
  if (ends_with_ignoring_case(chosen, ".xls")) return chosen + (chosen.back() == 'S' ? "X" : "x");
  return chosen + ".xlsx";
}

std::optional<std::filesystem::path> choose_export_path(State& state, const std::string& suggested_name) {
  auto chosen = state.ui.choose_file(FileDialogMode::save, "Save As", export_filter, suggested_name);
  if (!chosen || chosen->empty()) {
    message_box(state, message_kind::information, "%s", creation_cancelled);
    return std::nullopt;
  }
  std::filesystem::path path = export_path_for(*chosen);
  if (path.is_relative()) path = state.home_folder / path;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    Button b = ask_titled(state, message_kind::question, "Excel Spreadsheet Creation",
                          "An Excel spreadsheet file by that name already exists.  Do you wish to overwrite it?");
    if (b != Button::yes) {
      message_box(state, message_kind::information, "%s", creation_cancelled);
      return std::nullopt;
    }
  }
  return path;
}

std::optional<std::filesystem::path> choose_import_workbook(State& state, const std::string& suggested_name) {
  auto chosen = state.ui.choose_file(FileDialogMode::open, "Open", import_filter, suggested_name);
  if (!chosen || chosen->empty()) {
    message_box(state, message_kind::information, "%s", import_cancelled);
    return std::nullopt;
  }
  std::filesystem::path path = *chosen;
  if (path.is_relative()) path = state.home_folder / path;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    not_done_box(state, message_kind::warning,
                 "An error was encountered locating the file.\n\nThe import was NOT successfully completed.");
    return std::nullopt;
  }
  return path;
}

void spreadsheet_access_error(State& state) {
  ask_titled(state, message_kind::information, "Spreadsheet Access Error",
             "An error was encountered accessing the Excel spreadsheet.");
  mark_not_done(state);
}

bool read_workbook_copy(State& state, const std::filesystem::path& workbook, SheetTable& table) {
  std::error_code ec;
  std::filesystem::remove(state.file(import_file_name), ec);
  for (const char* ext : working_copy_extensions)
    std::filesystem::remove(state.file(std::string(working_copy_stem) + ext), ec);
  std::filesystem::path copy = state.file(working_copy_stem + to_lower(workbook.extension().string()));
  if (spreadsheet_kind_of(workbook) == SpreadsheetKind::unknown ||
      !std::filesystem::copy_file(workbook, copy, std::filesystem::copy_options::overwrite_existing, ec) ||
      !read_spreadsheet(copy, table) || table.columns.empty()) {
    // A sheet without even a row of column names was not understood: importing
    // it would erase the field and bring nothing in its place.
    spreadsheet_access_error(state);
    return false;
  }
  return true;
}

std::string shown_path(const std::filesystem::path& path) { return cp1252_from_utf8(path.string()); }

}  // namespace quillon

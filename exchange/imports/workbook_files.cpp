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

// A reason as a sentence of a message: capital first letter, full stop.
std::string sentence(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

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
    Button b =
        ask_titled_destructive(state, message_kind::question, "Excel Spreadsheet Creation",
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
    message_box(state, message_kind::error,
                "An error was encountered locating the file.\n\nThe import was NOT successfully completed.");
    return std::nullopt;
  }
  return path;
}

void spreadsheet_access_error(State& state, const std::string& reason) {
  ask_titled(state, message_kind::error, "Spreadsheet Access Error",
             "An error was encountered accessing the Excel spreadsheet.\n\n" + sentence(reason) +
                 "\n\nThe import was NOT successfully completed.");
}

void refuse_import(State& state, const std::string& reason) {
  show_message_text(state, message_kind::error,
                    "The spreadsheet cannot be imported: " + cp1252_from_utf8(reason) +
                        ".\n\nThe import was NOT successfully completed; nothing was changed.");
}

Result<SheetTable> read_workbook_copy(State& state, const std::filesystem::path& workbook) {
  std::error_code ec;
  std::filesystem::remove(state.file(import_file_name), ec);
  for (const char* ext : working_copy_extensions)
    std::filesystem::remove(state.file(std::string(working_copy_stem) + ext), ec);
  std::filesystem::path copy = state.file(working_copy_stem + to_lower(workbook.extension().string()));
  if (spreadsheet_kind_of(workbook) == SpreadsheetKind::unknown) {
    spreadsheet_access_error(state, "Quillon reads .xlsx, .ods, .xls and .csv files; " +
                                        shown_path(workbook.filename()) + " is none of them");
    return Status::told();
  }
  if (!std::filesystem::copy_file(workbook, copy, std::filesystem::copy_options::overwrite_existing, ec)) {
    spreadsheet_access_error(state,
                             "the working copy " + shown_path(copy.filename()) + " cannot be made: " + ec.message());
    return Status::told();
  }
  Result<SheetTable> table = read_spreadsheet(copy);
  if (!table) {
    spreadsheet_access_error(state, cp1252_from_utf8(table.status().reason()));
    return Status::told();
  }
  if (table->columns.empty()) {
    // Without even a row of column names nothing can be imported.
    spreadsheet_access_error(state, "its first worksheet is empty");
    return Status::told();
  }
  return table;
}

std::string shown_path(const std::filesystem::path& path) { return cp1252_from_utf8(path.string()); }

}  // namespace quillon

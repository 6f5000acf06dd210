#pragma once
// Choosing the workbook of an export or an import, and reading an imported
// workbook from its working copy in the home folder.
#include <filesystem>
#include <optional>
#include <string>

#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

struct State;

inline constexpr const char* export_filter = "Excel Workbook(*.xlsx)|*.xlsx|CSV UTF-8(*.csv)|*.csv|";
inline constexpr const char* import_filter =
    "Spreadsheets(*.xlsx;*.xls;*.ods;*.csv)|*.xlsx;*.xls;*.ods;*.csv|All Files(*.*)|*.*|";
inline constexpr const char* creation_cancelled = "The creation of the Excel spreadsheet was cancelled as requested.";
inline constexpr const char* import_cancelled = "The import was cancelled as requested.";

// The name an export is written to: a name ending in ".csv" stays comma-separated
// text, any other gets ".xlsx" unless it ends so already (letter case ignored);
// "a.xls" becomes "a.xlsx", the kind of workbook that is written.
std::filesystem::path export_path_for(const std::string& chosen);

// The save dialog of an export with its proposed name, the suffix and the
// overwrite question. Nothing, after the cancellation message, when the user
// cancels either.
std::optional<std::filesystem::path> choose_export_path(State& state, const std::string& suggested_name);

// The open dialog of an import. Nothing, after telling the user, when it is
// cancelled or the chosen file does not exist.
std::optional<std::filesystem::path> choose_import_workbook(State& state, const std::string& suggested_name);

// Copies the workbook to its working copy ("temp" with the workbook's own
// extension, in the home folder, after removing the old working copies and
// "import.txt") and reads its first worksheet. False after the "Spreadsheet
// Access Error" message, with the reader's reason, when it cannot be copied
// or read, or its first worksheet holds nothing: the failure is told.
[[nodiscard]] Result<SheetTable> read_workbook_copy(State& state, const std::filesystem::path& workbook);

// The message box of an unreadable workbook, with the reason (single-byte).
void spreadsheet_access_error(State& state, const std::string& reason);

// The error that refuses a sheet before anything is changed, with the reason (UTF-8).
void refuse_import(State& state, const std::string& reason);

// A path as messages show it (record texts are single-byte).
std::string shown_path(const std::filesystem::path& path);

}  // namespace quillon

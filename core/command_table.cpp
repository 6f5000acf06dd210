#include "core/command_table.h"

namespace quillon {

const std::vector<CommandInfo>& command_table() {
  static const std::vector<CommandInfo> table = {
      {1103, "&File", "", "&Backup Database"},
      {1104, "&File", "", "&Restore Database"},
      {1105, "&File", "", "Import Golfers from Handicap Database"},
      {1106, "&File", "", "Import Tee Sheet from Excel Spreadsheet"},
      {1107, "&File", "", "Export Tee Sheet to Excel Spreadsheet"},
      {2004, "&File", "", "Export Score Data to Excel Spreadsheet"},
      {1108, "&File", "", "Upload scores to Parlink Network"},
      {2006, "&File", "", "Change Club ID"},
      {1101, "&File", "", "&Exit"},

      {1301, "&Add", "", "Add &Tournament"},
      {1302, "&Add", "", "Add &Multi-Round Tournament"},
      {1310, "&Add", "Copy Tournament", "With all scores intact"},
      {1311, "&Add", "Copy Tournament", "With all scores erased"},
      {1303, "&Add", "", "Add &Golfers"},
      {1305, "&Add", "", "Add/Change &Scores"},
      {1306, "&Add", "New Course", "9 Hole"},
      {1308, "&Add", "New Course", "18 Hole"},
      {1307, "&Add", "New Tee Position", "9 Hole"},
      {1309, "&Add", "New Tee Position", "18 Hole"},

      {1401, "&Change", "", "Change &Tournament"},
      {1402, "&Change", "Change Golfer(s)", "&Summary"},
      {1403, "&Change", "Change Golfer(s)", "&Detail"},
      {1404, "&Change", "", "Change &Scores(s)"},
      {1405, "&Change", "", "Change &Course"},
      {1407, "&Change", "", "Change &Reporting Name"},
      {1408, "&Change", "", "Reorganize Foursomes"},
      {1409, "&Change", "", "Reorganize Flights based on Handicap Index"},
      {1410, "&Change", "", "Refresh Imported Handicaps"},
      {1411, "&Change", "", "Change Golfer Import Settings"},
      {1413, "&Change", "", "Manually specify tournament winner"},

      {1501, "&Remove", "", "Remove &Tournament"},
      {1502, "&Remove", "", "Remove &Course"},

      {1607, "&Print", "Tournament Results", "Traditional Results"},
      {1615, "&Print", "Tournament Results", "Gross && Net Results"},
      {1608, "&Print", "Tournament Results", "Hole by Hole Scores"},
      {1609, "&Print", "Tournament Results", "Alphabetical"},
      {1610, "&Print", "Tournament Results", "Auto Assignment of Flights based on scores"},
      {1639, "&Print", "Tournament Results", "Scrolling results for display on a TV"},
      {1611, "&Print", "Skins", "Gross Skins"},
      {1612, "&Print", "Skins", "Gross Skins with Halves"},
      {1613, "&Print", "Skins", "Net Skins"},
      {1614, "&Print", "Skins", "Net Skins with Halves"},
      {1636, "&Print", "", "Aces and Deuces Report"},
      {1605, "&Print", "Tournament Foursomes && Tee Times", "Including hole by holes scores"},
      {1602, "&Print", "Tournament Foursomes && Tee Times", "Without scores - Including Handicaps"},
      {1606, "&Print", "Tournament Foursomes && Tee Times", "Without scores - Excluding Handicaps"},
      {1603, "&Print", "Tournament Foursomes && Tee Times", "Without scores - Including Member IDs"},
      {1604, "&Print", "Tournament Foursomes && Tee Times", "Without scores - Excluding Member IDs"},
      {1627, "&Print", "Golfer List", "Alphabetical"},
      {1628, "&Print", "Golfer List", "By Handicap"},
      {1637, "&Print", "PowerCart Rider Report", "Alphabetical"},
      {1638, "&Print", "PowerCart Rider Report", "By Tee Time"},
      {1621, "&Print", "Tournament Scoring Report", "By Gross Score"},
      {1622, "&Print", "Tournament Scoring Report", "By Net Score"},
      {1616, "&Print", "Tournament List", "Including Tournament Details"},
      {1617, "&Print", "Tournament List", "Excluding Tournament Details"},
      {1623, "&Print", "", "Course  List"},
      {2000, "&Print", "Score Cards", "One card per golfer - All Groups"},
      {2001, "&Print", "Score Cards", "One card per group - All Groups"},
      {2002, "&Print", "Score Cards", "One card per golfer - Selected Golfer's Group"},
      {2003, "&Print", "Score Cards", "One card per group - Selected Golfer's Group"},
      {1624, "&Print", "Cart Signs", "All Groups"},
      {1625, "&Print", "Cart Signs", "Requested Carts Only"},
      {1626, "&Print", "Cart Signs", "Selected Golfer's Group"},
      {1630, "&Print", "Address Labels", "All Golfers - Alphabetical"},
      {1631, "&Print", "Address Labels", "All Golfers - By Group"},
      {1632, "&Print", "Address Labels", "Members Only - Alphabetical"},
      {1633, "&Print", "Address Labels", "Members Only - By Group"},
      {1634, "&Print", "Address Labels", "Non-Members Only - Alphabetical"},
      {1635, "&Print", "Address Labels", "Non-Members Only - By Group"},

      {1701, "&Maintenance", "", "&System Configuration"},
      {1702, "&Maintenance", "", "Purge older tournaments"},
      {1703, "&Maintenance", "", "&Custom Stableford Configuration"},
      {1412, "&Maintenance", "", "Course Consolidation"},
      {1708, "&Maintenance", "", "Cuplink Network"},
      {1706, "&Maintenance", "", "&Update via Internet"},
      {1707, "&Maintenance", "", "Printer Output Alignment"},
      {1709, "&Maintenance", "", "Clubhouse Board"},

      {1801, "&Help", "", "&Contents"},
      {1803, "&Help", "", "&Getting Started"},
      {2005, "&Help", "", "Quillon Web Site"},
      {1804, "&Help", "", "&About Quillon"},

      // Sent by buttons and accelerators only.
      {974, "", "", ""},
      {988, "", "", ""},
      {987, "", "", ""},
      {983, "", "", ""},
      {927, "", "", ""},
      {998, "", "", ""},
      {921, "", "", ""},
      {922, "", "", ""},
      {920, "", "", ""},
      {1304, "", "", ""},
      // Sent by the program itself: the upload of a backup to the server.
      {2010, "", "", ""},
  };
  return table;
}

const CommandInfo* find_command(int number) {
  for (const auto& c : command_table())
    if (c.number == number) return &c;
  return nullptr;
}

const std::vector<ButtonInfo>& main_window_buttons() {
  static const std::vector<ButtonInfo> buttons = {
      {988, "Golfers", "AG"}, {987, "Scores", "AS"},     {983, "Reports", "TR"}, {927, "Help", "H2"},
      {974, "Backup", "BK"},  {921, "Tee Sheets", "T1"}, {922, "Cuplink", "ET"}, {920, "Score Export", "SD"},
  };
  return buttons;
}

}  // namespace quillon

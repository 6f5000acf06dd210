#include "shell/field_hints.h"

namespace quillon::shell {

const std::vector<FieldHint>& field_hints() {
  static const std::vector<FieldHint> hints = {
      // main_window
      {"main_window", "988", Help::contents, "Golfers: enter or change the field of a tournament."},
      {"main_window", "987", Help::contents, "Scores: enter hole-by-hole scores, group by group."},
      {"main_window", "983", Help::contents, "Reports: results, field lists, score cards and cart signs."},
      {"main_window", "927", Help::contents, "Help: these help pages (F1 in any window)."},
      {"main_window", "974", Help::contents, "Backup: save the whole database in one backup file."},
      {"main_window", "921", Help::contents, "Tee Sheets: exchange a tournament's tee sheet with a spreadsheet."},
      {"main_window", "922", Help::contents, "Cuplink: publish results on the Cuplink Network."},
      {"main_window", "920", Help::contents, "Score Export: write a tournament's scores to a spreadsheet."},

      // tournament_detail
      {"tournament_detail", "format", Help::tournaments, "Format: how golfers are scored."},
      {"tournament_detail", "tie_break", Help::tournaments,
       "Tie Break: count back from 18, last 9-6-3-1, Australian count back, or none."},
      {"tournament_detail", "division_count", Help::tournaments,
       "# of Divisions: up to ten, each with its own course/tee, handicap allowance and handicap limit."},
      {"tournament_detail", "division_tee", Help::tournaments, "Division: the course and tee the division plays."},
      {"tournament_detail", "division_allowance", Help::tournaments,
       "HC Allow: the percentage of the course handicap the division receives."},
      {"tournament_detail", "division_handicap_limit", Help::tournaments,
       "HC Limit: the highest handicap index of the division; golfers are placed in the first division whose "
       "limit they do not exceed."},
      {"tournament_detail", "auto_assign", Help::tournaments,
       "Auto assign of divisions: each golfer's division follows from the handicap index."},
      {"tournament_detail", "results_limit", Help::tournaments,
       "Gross and Net Limit: in the Gross & Net Results, places alternate between gross and net; this is the "
       "number of gross places (400 = no limit), after which every place is net."},
      {"tournament_detail", "start_type", Help::tournaments,
       "Start: Normal from the first tee, CrossOver from tees 1 and 10, or a shotgun start."},
      {"tournament_detail", "tee_interval", Help::tournaments, "Interval: the minutes between tee times."},
      {"tournament_detail", "group_size", Help::tournaments, "Golfers per Group: one to five."},
      {"tournament_detail", "date", Help::tournaments,
       "Date: the day the tournament is played; type it or choose it from the calendar."},
      {"tournament_detail", "choose_date", Help::tournaments,
       "Date button: opens a calendar to choose the tournament's date."},
      {"tournament_detail", "name", Help::tournaments,
       "Name: the tournament's name as reports show it, up to 25 characters."},
      {"tournament_detail", "address_line1", Help::tournaments,
       "Address: up to three lines about where the event is held, each up to 25 characters."},
      {"tournament_detail", "address_line2", Help::tournaments,
       "Address: up to three lines about where the event is held, each up to 25 characters."},
      {"tournament_detail", "address_line3", Help::tournaments,
       "Address: up to three lines about where the event is held, each up to 25 characters."},
      {"tournament_detail", "contact", Help::tournaments, "Contact: the person to ask about the event."},
      {"tournament_detail", "telephone", Help::tournaments,
       "Tel: the contact's telephone number, up to 12 characters."},
      {"tournament_detail", "course", Help::tournaments,
       "Course: the course played; choosing one sets every division to its first tee and the shotgun holes to their "
       "defaults."},
      {"tournament_detail", "callaway_division", Help::tournaments,
       "Callaway Division: in Net Scores with 1 Callaway Division, the division scored by Callaway; the other "
       "divisions play net."},
      {"tournament_detail", "default_gender", Help::tournaments,
       "Default Gender: the gender of a golfer entered without one, and of the tee data the course figures use."},
      {"tournament_detail", "include_rating_and_par", Help::tournaments,
       "Include Course Rating and Par in Course Handicap calculation: the course handicap adds the course rating minus "
       "par to the index times slope / 113."},
      {"tournament_detail", "first_tee_time", Help::tournaments,
       "Tee Times: the first group's tee time; the later groups follow at the interval."},
      {"tournament_detail", "last_tee_time", Help::tournaments,
       "To: the last tee time, worked out from the number of groups and the interval; for a Double Shotgun, the start "
       "of the second shotgun."},
      {"tournament_detail", "blocked_from", Help::tournaments,
       "Blocked Times: a period in which no group tees off, for example while another event starts; none when there is "
       "no such period."},
      {"tournament_detail", "blocked_to", Help::tournaments,
       "Blocked Times To: the end of the period in which no group tees off."},
      {"tournament_detail", "group_count", Help::tournaments,
       "# of Groups: the number of groups, from which the last tee time is worked out."},
      {"tournament_detail", "groups_per_tee_time", Help::tournaments,
       "Groups per Tee Time: how many groups share each tee time."},
      {"tournament_detail", "first_shotgun_groups", Help::tournaments,
       "Groups in 1st shotgun: in a Double Shotgun, how many groups start in the first shotgun; the others start in "
       "the second."},
      {"tournament_detail", "peoria_hole", Help::tournaments,
       "Peoria Holes: the hidden holes whose scores work out a Peoria handicap, each hole once."},
      {"tournament_detail", "peoria_hole2", Help::tournaments,
       "Peoria Holes: the hidden holes whose scores work out a Peoria handicap, each hole once."},
      {"tournament_detail", "use_entered_handicap", Help::tournaments,
       "Use entered handicap if lower: in System 36, a golfer keeps the entered handicap when it is lower than the one "
       "the day's scores give."},
      {"tournament_detail", "best_holes_count", Help::tournaments,
       "Holes and Max: in Best Holes formats, how many of a golfer's best holes count."},
      {"tournament_detail", "max_hole_score", Help::tournaments,
       "Maximum Score Per Hole: the most a hole counts with when a handicap is worked out from the day's scores: 1 to "
       "4 over par, double par, or none."},
      {"tournament_detail", "best_balls", Help::tournaments,
       "Number of Balls: in best-ball formats, how many of the team's balls count on each hole."},
      {"tournament_detail", "user_stat1_name", Help::tournaments,
       "U1 and U2: the names of two statistics of your own, ticked for each golfer; their first 3 characters head "
       "their columns in the Print Golfer List report."},
      {"tournament_detail", "user_stat2_name", Help::tournaments,
       "U1 and U2: the names of two statistics of your own, ticked for each golfer; their first 3 characters head "
       "their columns in the Print Golfer List report."},
      {"tournament_detail", "notepad", Help::tournaments,
       "NotePad: notes about the event, up to 2999 characters, saved at once."},
      {"tournament_detail", "callaway_configuration", Help::tournaments,
       "Callaway Configuration: the table base, maximum handicap, maximum score per hole and excluded holes of "
       "Callaway scoring."},
      {"tournament_detail", "stableford_configuration", Help::tournaments,
       "Stableford Configuration: the points for each score against par in Custom Stableford."},
      {"tournament_detail", "shotgun_holes", Help::tournaments,
       "Shotgun Holes: how many groups start on each hole in a shotgun start."},

      // tournament_notepad
      {"tournament_notepad", "notes", Help::tournaments,
       "Notes: anything to keep about the event, up to 2999 characters."},

      // shotgun_holes
      {"shotgun_holes", "shotgun1", Help::tournaments,
       "Shotgun 1: the number of groups that start on the hole; a Single Shotgun uses this column only."},
      {"shotgun_holes", "shotgun2", Help::tournaments,
       "Shotgun 2: in a Double Shotgun, the number of groups that start on the hole in the second shotgun."},

      // select_date
      {"select_date", "month", Help::tournaments, "Month: the month shown."},
      {"select_date", "prev", Help::tournaments, "Prev: the month before."},
      {"select_date", "next", Help::tournaments, "Next: the month after."},
      {"select_date", "today", Help::tournaments, "Today: go to today's date."},
      {"select_date", "day", Help::tournaments, "Day: click the day to choose it, then OK."},

      // golfer_detail
      {"golfer_detail", "group_number", Help::golfers, "Group #: the group shown, with its tee time or starting hole."},
      {"golfer_detail", "name", Help::golfers,
       "Name: the golfer's name, up to 25 characters; emptying it removes the golfer and the golfer's scores."},
      {"golfer_detail", "info1", Help::golfers,
       "Lines 2 to 4: three more lines about the golfer, up to 25 characters each."},
      {"golfer_detail", "info2", Help::golfers,
       "Lines 2 to 4: three more lines about the golfer, up to 25 characters each."},
      {"golfer_detail", "info3", Help::golfers,
       "Lines 2 to 4: three more lines about the golfer, up to 25 characters each."},
      {"golfer_detail", "index", Help::golfers,
       "Hcap Index: the golfer's handicap index; a plus handicap is typed as +2.5 or -2.5."},
      {"golfer_detail", "division", Help::golfers,
       "Di: the golfer's division; with automatic assignment of divisions it follows from the handicap."},
      {"golfer_detail", "skins", Help::golfers, "Sk: the golfer takes part in the skins."},
      {"golfer_detail", "u1", Help::golfers,
       "U1 and U2 boxes: tick the statistics of your own that apply to the golfer."},
      {"golfer_detail", "u2", Help::golfers,
       "U1 and U2 boxes: tick the statistics of your own that apply to the golfer."},
      {"golfer_detail", "user_stat1_name", Help::golfers,
       "U1 and U2 names: two statistics of your own; their first 3 characters head their columns in the Print Golfer "
       "List report."},
      {"golfer_detail", "user_stat2_name", Help::golfers,
       "U1 and U2 names: two statistics of your own; their first 3 characters head their columns in the Print Golfer "
       "List report."},
      {"golfer_detail", "prev", Help::golfers, "Prev: save this group and show the one before."},
      {"golfer_detail", "next", Help::golfers,
       "Next: save this group and show the next; after the last group a new empty group is added."},

      // golfer_summary
      {"golfer_summary", "group_number", Help::golfers, "Group # (four groups): the first of the four groups shown."},
      {"golfer_summary", "name", Help::golfers,
       "Name: the golfer's name, up to 25 characters; emptying it removes the golfer and the golfer's scores."},
      {"golfer_summary", "index", Help::golfers,
       "Hcap Index: the golfer's handicap index; a plus handicap is typed as +2.5 or -2.5."},
      {"golfer_summary", "division", Help::golfers,
       "Div: the golfer's division; with automatic assignment of divisions it follows from the handicap."},
      {"golfer_summary", "gender", Help::golfers,
       "Gender: M or F, which picks the men's or women's par, stroke index and ratings."},
      {"golfer_summary", "cart", Help::golfers, "Cart: the golfer has asked for a power cart."},
      {"golfer_summary", "member", Help::golfers,
       "Member: the golfer comes from your handicap database rather than being a guest."},
      {"golfer_summary", "skins", Help::golfers, "Skins: the golfer takes part in the skins."},

      // guest_information
      {"guest_information", "name", Help::golfers,
       "Guest Name: the name of a golfer who is not in your handicap database."},
      {"guest_information", "index", Help::golfers, "Handicap Index: the guest's handicap index."},
      {"guest_information", "gender", Help::golfers,
       "Gender: M or F, which picks the men's or women's par, stroke index and ratings."},
      {"guest_information", "skins", Help::golfers, "Skins: the golfer takes part in the skins."},

      // reorganize_foursomes
      {"reorganize_foursomes", "holding", Help::golfers,
       "Temporary Database: golfers taken out of the field wait here; when importing, this list holds the members of "
       "your handicap database."},
      {"reorganize_foursomes", "field", Help::golfers,
       "Tournament Database: the field, group by group; drag a golfer onto another line to move him or her."},
      {"reorganize_foursomes", "ADD", Help::golfers,
       "ADD: moves the golfers selected on the left into the field at the line selected on the right."},
      {"reorganize_foursomes", "REMOVE", Help::golfers,
       "REMOVE: moves the selected golfers out of the field to the left, leaving their places empty."},
      {"reorganize_foursomes", "CLEAR", Help::golfers, "CLEAR: empties the left list."},
      {"reorganize_foursomes", "RESET", Help::golfers,
       "RESET: shows both lists as they are stored, undoing the changes made here."},
      {"reorganize_foursomes", "Alpha", Help::golfers, "Alpha: rearranges the field in name order."},
      {"reorganize_foursomes", "HcapSort", Help::golfers,
       "HcapSort: rearranges the field by handicap index, ascending or descending."},
      {"reorganize_foursomes", "Random", Help::golfers, "Random: rearranges the field in a random order."},
      {"reorganize_foursomes", "HI-LOW", Help::golfers,
       "HI-LOW: rearranges the field so that every group mixes low and high handicaps."},
      {"reorganize_foursomes", "Guest", Help::golfers,
       "Guest: types in a golfer who is not in your handicap database at the line selected on the right."},
      {"reorganize_foursomes", "Prev Rnd", Help::golfers,
       "Prev Rnd: in the second and later rounds of a multi-round tournament, groups the golfers by their scores in "
       "the round before."},

      // flight_assignment
      {"flight_assignment", "flights", Help::golfers,
       "# of Flights: how many flights of about equal size the field is divided into."},
      {"flight_assignment", "extra", Help::golfers,
       "Assignment of Extra Golfers: whether the first or the last flights take the extra golfers when the field does "
       "not divide evenly."},

      // score_entry and team_score_entry
      {"score_entry", "score", Help::scores,
       "Scores: type each hole's score; the cursor moves on to the next hole, and typing replaces the score shown."},
      {"score_entry", "handicap_index", Help::scores, "HC Index: the golfer's handicap index for this round."},
      {"score_entry", "skins", Help::scores, "Skins: the golfer takes part in the skins."},
      {"score_entry", "dq", Help::scores, "DQ: the golfer is disqualified and left out of the results."},
      {"score_entry", "search", Help::scores, "Search: find a golfer by name and show that golfer's group."},
      {"score_entry", "group_number", Help::scores, "Group: the group whose scores are shown."},
      {"score_entry", "name", Help::scores, "Name: the golfer's name, which can be corrected here."},
      {"score_entry", "division", Help::scores, "Division: the golfer's division."},
      {"score_entry", "prev", Help::scores, "Prev: save the group's scores and show the group before."},
      {"score_entry", "next", Help::scores, "Next: save the group's scores and show the next group."},
      {"team_score_entry", "score", Help::scores,
       "Scores: type each hole's score; the cursor moves on to the next hole, and typing replaces the score shown."},
      {"team_score_entry", "search", Help::scores, "Search: find a golfer by name and show that golfer's group."},
      {"team_score_entry", "group_number", Help::scores, "Group: the group whose scores are shown."},
      {"team_score_entry", "prev", Help::scores, "Prev: save the group's scores and show the group before."},
      {"team_score_entry", "next", Help::scores, "Next: save the group's scores and show the next group."},

      // scrolling_settings
      {"scrolling_settings", "scroll_amount", Help::scores,
       "Scroll amount: how far the results move at each step, 1 to 10."},
      {"scrolling_settings", "window_height", Help::scores,
       "Window height: the height of the scrolling window, 300 to 1000."},

      // multi_round
      {"multi_round", "name", Help::multi_round_events, "Name: the name of the multi-round tournament."},
      {"multi_round", "results_limit", Help::multi_round_events,
       "Gross and Net Limit: in the Gross & Net Results, places alternate between gross and net; this is the number of "
       "gross places (400 = no limit), after which every place is net."},
      {"multi_round", "day", Help::multi_round_events,
       "Day #1 to #5: the one-day tournaments that make up the event, in the order played; best-ball, scramble and Net "
       "Scores with 1 Callaway Division tournaments cannot be days."},

      // course_maintenance
      {"course_maintenance", "course_name", Help::course_maintenance,
       "Course Name: the course's name, up to 25 characters."},
      {"course_maintenance", "course_abbrev", Help::course_maintenance,
       "Abbrev Name: a short name for the course, up to 5 characters."},
      {"course_maintenance", "tee_name", Help::course_maintenance,
       "Tee Name: the tee position this record holds, such as White or Blue, up to 15 characters."},
      {"course_maintenance", "men_rating", Help::course_maintenance,
       "Men's Rating: the men's course rating for 18 holes, such as 71.4."},
      {"course_maintenance", "men_rating_f9", Help::course_maintenance,
       "Men's Rating F9 and B9: the men's course ratings of the front and back nine."},
      {"course_maintenance", "men_rating_b9", Help::course_maintenance,
       "Men's Rating F9 and B9: the men's course ratings of the front and back nine."},
      {"course_maintenance", "men_slope", Help::course_maintenance,
       "Men's Slope: the men's slope rating for 18 holes, 55 to 155."},
      {"course_maintenance", "men_slope_f9", Help::course_maintenance,
       "Men's Slope F9 and B9: the men's slope ratings of the front and back nine."},
      {"course_maintenance", "men_slope_b9", Help::course_maintenance,
       "Men's Slope F9 and B9: the men's slope ratings of the front and back nine."},
      {"course_maintenance", "women_rating", Help::course_maintenance,
       "Ladies Rating: the women's course rating for 18 holes, such as 73.9."},
      {"course_maintenance", "women_rating_f9", Help::course_maintenance,
       "Ladies Rating F9 and B9: the women's course ratings of the front and back nine."},
      {"course_maintenance", "women_rating_b9", Help::course_maintenance,
       "Ladies Rating F9 and B9: the women's course ratings of the front and back nine."},
      {"course_maintenance", "women_slope", Help::course_maintenance,
       "Women's Slope: the women's slope rating for 18 holes, 55 to 155."},
      {"course_maintenance", "women_slope_f9", Help::course_maintenance,
       "Women's Slope F9 and B9: the women's slope ratings of the front and back nine."},
      {"course_maintenance", "women_slope_b9", Help::course_maintenance,
       "Women's Slope F9 and B9: the women's slope ratings of the front and back nine."},
      {"course_maintenance", "phone", Help::course_maintenance, "Phone #: the course's telephone number."},
      {"course_maintenance", "fax", Help::course_maintenance, "Fax #: the course's fax number."},
      {"course_maintenance", "men_par", Help::course_maintenance, "Par(M): each hole's par for men."},
      {"course_maintenance", "women_par", Help::course_maintenance, "Par(F): each hole's par for women."},
      {"course_maintenance", "men_hcp_hole", Help::course_maintenance,
       "Hcap (M): each hole's stroke index for men, 1 for the hole where strokes are given first; each number once."},
      {"course_maintenance", "women_hcp_hole", Help::course_maintenance,
       "Hcap (F): each hole's stroke index for women, 1 for the hole where strokes are given first; each number once."},
      {"course_maintenance", "hole_length", Help::course_maintenance,
       "Yards or Metres: each hole's length, in the unit System Configuration shows distances in."},
      {"course_maintenance", "men_par_f9", Help::course_maintenance,
       "Out, In and Total: the par of each nine and of the course, which follow the holes' pars as you type."},
      {"course_maintenance", "men_par_b9", Help::course_maintenance,
       "Out, In and Total: the par of each nine and of the course, which follow the holes' pars as you type."},
      {"course_maintenance", "men_total_par", Help::course_maintenance,
       "Out, In and Total: the par of each nine and of the course, which follow the holes' pars as you type."},
      {"course_maintenance", "women_par_f9", Help::course_maintenance,
       "Out, In and Total: the par of each nine and of the course, which follow the holes' pars as you type."},
      {"course_maintenance", "women_par_b9", Help::course_maintenance,
       "Out, In and Total: the par of each nine and of the course, which follow the holes' pars as you type."},
      {"course_maintenance", "women_total_par", Help::course_maintenance,
       "Out, In and Total: the par of each nine and of the course, which follow the holes' pars as you type."},
      {"course_maintenance", "active", Help::course_maintenance,
       "This course/tee is currently active: kept for the Ravelin handicap program."},
      {"course_maintenance", "home_course", Help::course_maintenance,
       "This course/tee is a Home Course for all members on this system: kept for the Ravelin handicap program."},
      {"course_maintenance", "whs_verified", Help::course_maintenance,
       "WHS verified: the ratings and slopes have been checked against the World Handicap System (kept for Ravelin)."},
      {"course_maintenance", "hole_by_hole", Help::course_maintenance,
       "Force rounds to be entered hole by hole for this course: kept for the Ravelin handicap program."},
      {"course_maintenance", "exclude_off_season", Help::course_maintenance,
       "Exclude rounds played outside the active season from handicaps: kept for the Ravelin handicap program."},
      {"course_maintenance", "active_season", Help::course_maintenance,
       "Active season: the half-months in which the course is in season (kept for Ravelin)."},

      // course_consolidation
      {"course_consolidation", "pairs", Help::course_maintenance,
       "Tees to be combined: old separate ladies' (-F or -L) and men's (-M) tees of a course, to be merged into one "
       "course record."},

      // system_configuration
      {"system_configuration", "label_format", Help::system_configuration,
       "Address Label Format: the Avery label sheet you print addresses on."},
      {"system_configuration", "distances", Help::system_configuration,
       "Show Distances as: yards or metres on course records and score cards."},
      {"system_configuration", "print_reports", Help::system_configuration,
       "Print reports in: colour or black and white."},
      {"system_configuration", "desktop_message", Help::system_configuration,
       "Desktop Message: a note of up to 300 characters shown along the bottom of the main window."},
      {"system_configuration", "select_background", Help::system_configuration,
       "Select new Windows Bitmap file: choose a picture to become the main window's background."},
      {"system_configuration", "stretch_background", Help::system_configuration,
       "Stretch image to fit window: the background picture fills the whole window."},
      {"system_configuration", "reset_background", Help::system_configuration,
       "Reset Main Window background to default: go back to the default picture."},
      {"system_configuration", "tee_time_interval", Help::system_configuration,
       "Tee Time Interval: minutes between groups when tee times are worked out."},
      {"system_configuration", "course_slot_count", Help::system_configuration,
       "# of courses to be stored: the number of course slots in the database; changing it rebuilds the database (a "
       "copy is kept first), after which Quillon ends and is started again."},
      {"system_configuration", "default_course", Help::system_configuration,
       "Default Course / Tee, Default format and Default tie breaking: what a new tournament starts with."},
      {"system_configuration", "default_format", Help::system_configuration,
       "Default Course / Tee, Default format and Default tie breaking: what a new tournament starts with."},
      {"system_configuration", "default_tie_break", Help::system_configuration,
       "Default Course / Tee, Default format and Default tie breaking: what a new tournament starts with."},
      {"system_configuration", "purge_reminder_limit", Help::system_configuration,
       "Purge reminder limit: when more tournaments than this are stored you are reminded to purge older ones."},
      {"system_configuration", "include_rating_and_par", Help::system_configuration,
       "Include Course Rating and Par in Course Handicap calculation: the default for new tournaments."},
      {"system_configuration", "report_window", Help::system_configuration,
       "Show reports in the Quillon report window: reports open in Quillon's own window, with Print and Save as PDF, "
       "instead of the web browser."},
      {"system_configuration", "paper", Help::system_configuration,
       "Paper for score cards and cart signs: the printer's default, Letter or A4."},

      // reporting_name
      {"reporting_name", "reporting_name", Help::system_configuration,
       "Name: your club's name as reports show it, up to 25 characters."},
      {"reporting_name", "use_as_heading", Help::system_configuration,
       "Use Reporting Name As Screen Heading: the main window's title ends with the reporting name."},
      {"reporting_name", "reset", Help::system_configuration, "Reset: empties the name."},

      // callaway_settings
      {"callaway_settings", "table_base", Help::callaway,
       "Table Base: the score up to which, plus two strokes, nothing is deducted; higher scores deduct more of the "
       "worst holes."},
      {"callaway_settings", "max_handicap", Help::callaway,
       "Maximum Handicap: the largest handicap the deduction can give."},
      {"callaway_settings", "max_score", Help::callaway,
       "Maximum Score Per Hole: the most a hole counts with: 1 to 4 over par, double par, or none."},
      {"callaway_settings", "excluded_hole1", Help::callaway,
       "Hole(s) Excluded From Deduction: holes, 1 to 18, whose scores are never deducted."},
      {"callaway_settings", "excluded_hole2", Help::callaway,
       "Hole(s) Excluded From Deduction: holes, 1 to 18, whose scores are never deducted."},
      {"callaway_settings", "compare", Help::callaway,
       "Compare With Official Callaway: lists where your settings differ from the official Callaway Handicap System."},

      // stableford_settings
      {"stableford_settings", "points", Help::stableford,
       "Points: the points for each score against par, from better than a double eagle to three or more over par."},
      {"stableford_settings", "use_gross", Help::stableford,
       "Use Gross Scores: points are awarded on gross hole scores, without handicap strokes."},

      // golfer_import_setup
      {"golfer_import_setup", "import_source", Help::import_golfers,
       "Import Source: where golfers come from: Ravelin, the Parlink Network, or a spreadsheet workbook."},
      {"golfer_import_setup", "db_name", Help::import_golfers, "DB Name: the worksheet that holds the golfers."},
      {"golfer_import_setup", "name1", Help::import_golfers,
       "Name1: the column of the golfer's name, or of the first name when Name2 is set."},
      {"golfer_import_setup", "name2", Help::import_golfers,
       "Name2 (opt): the column of the last name; the name is then made as Last, First."},
      {"golfer_import_setup", "gender", Help::import_golfers, "Gender: the column of the golfer's gender."},
      {"golfer_import_setup", "active", Help::import_golfers, "Active (opt): the column that marks active members."},
      {"golfer_import_setup", "hc_index", Help::import_golfers, "HC Index: the column of the handicap index."},
      {"golfer_import_setup", "path", Help::import_golfers,
       "Path: the Ravelin folder, or the workbook to import from."},
      {"golfer_import_setup", "browse", Help::import_golfers, "Browse: choose the folder or the workbook."},

      // tee_sheet_exchange
      {"tee_sheet_exchange", "tournament", Help::tee_sheet,
       "Tournaments: the tournament whose tee sheet is exchanged."},
      {"tee_sheet_exchange", "export_tee_sheet", Help::tee_sheet,
       "Export Tee Sheet to Excel Spreadsheet: writes the groups, tee times and golfers to a workbook."},
      {"tee_sheet_exchange", "import_tee_sheet", Help::tee_sheet,
       "Import Tee Sheet from Excel Spreadsheet: reads the arranged sheet back in place of the tournament's golfers "
       "and scores."},

      // printer_alignment
      {"printer_alignment", "label_offset_x", Help::printer_alignment,
       "Horizontal Offset: moves the address labels across, in tenths of an inch."},
      {"printer_alignment", "label_offset_y", Help::printer_alignment,
       "Vertical Offset: moves the address labels up or down, in sixths of an inch."},

      // label_start_position
      {"label_start_position", "start_position", Help::printer_alignment,
       "Starting Print Position: the first free label of the sheet, so that a partly used sheet can be used up."},

      // cuplink_network
      {"cuplink_network", "desktop_list", Help::contents,
       "Tournaments on Desktop System: the tournaments of this database; choose the one to upload."},
      {"cuplink_network", "server_list", Help::contents,
       "Tournaments on Cuplink Network: the tournaments already published; choose those to remove."},
      {"cuplink_network", "club_id", Help::contents,
       "Club ID: your club's Internet Club ID for the Cuplink and Parlink Networks, up to 15 characters."},
      {"cuplink_network", "upload", Help::contents,
       "Upload tournament to Cuplink Network: publishes the chosen tournament's results for your golfers to view "
       "online for up to 30 days."},
      {"cuplink_network", "remove", Help::contents,
       "Remove Tournament from Cuplink Network: takes the chosen tournaments off the Cuplink Network."},
      {"cuplink_network", "parlink", Help::contents,
       "Upload scores to Parlink Network: sends the scores to your club's handicap system."},

      // database_backup
      {"database_backup", "save_to_local_device", Help::contents,
       "Save to Local Device: writes the backup file to a folder or drive you choose, best one other than your hard "
       "disk."},
      {"database_backup", "save_to_tolvane_web_server", Help::contents,
       "Save to Tolvane Web Server: keeps the backup on the maker's web server; this needs an Internet Club ID."},

      // database_restore
      {"database_restore", "confirmation", Help::contents,
       "Restore Confirmation: type the word Restore to allow the database to be overwritten."},
      {"database_restore", "tolvane_web_server", Help::contents,
       "Tolvane Web Server: restores from a backup kept on the maker's web server."},
      {"database_restore", "browse", Help::contents, "Browse: choose the backup file to restore from."},
      {"board_window", "address", Help::clubhouse_board,
       "Address: the address of this computer on the club's network; phones open the board there."},
      {"board_window", "port", Help::clubhouse_board,
       "Port: the port the board listens on, 8080 unless another program uses it."},
      {"board_window", "tournament", Help::clubhouse_board,
       "Tournament on show: the tournament or multi-day event the board shows and takes scores for."},
      {"board_window", "start_stop", Help::clubhouse_board,
       "Start: turns the board on or off; closing this window turns it off too."},
      {"board_window", "code", Help::clubhouse_board, "QR code: scanned with a phone's camera, it opens the board."},
      {"board_window", "pins", Help::clubhouse_board,
       "PINs: each group's six-digit PIN, which its scorer types before entering scores."},
      {"board_window", "new_pin", Help::clubhouse_board,
       "New PIN: gives the chosen group a new PIN, for example when a card with the old one was lost."},
      {"board_window", "board_pins", Help::clubhouse_board,
       "Board PINs: a page for the starter with each group, its golfers, its PIN and its entry address."},
      {"board_window", "log", Help::clubhouse_board, "Log: one line for every request the board answers."},
  };
  return hints;
}

std::string field_hint(const std::string& dialog, const std::string& field) {
  const std::string base = field.substr(0, field.find('.'));
  for (const FieldHint& h : field_hints())
    if (dialog == h.dialog && base == h.field) return h.text;
  return {};
}

Help dialog_help(const DialogModel& model) {
  if (model.has_help()) return model.help_topic();
  for (const FieldHint& h : field_hints())
    if (model.id() == h.dialog) return h.topic;
  return Help::contents;
}

}  // namespace quillon::shell

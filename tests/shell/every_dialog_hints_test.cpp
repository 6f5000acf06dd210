// Every dialog the desktop shows explains each of its fields and buttons with
// a tooltip, taken word for word from the help page that covers the dialog.
#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QWidget>
#include <QtTest/QTest>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/reporting_name.h"
#include "core/select_date.h"
#include "core/system_configuration.h"
#include "courses/course_dialog.h"
#include "courses/tee_consolidation.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/imports/import_settings_dialog.h"
#include "exchange/imports/tee_sheet_dialog.h"
#include "exchange/network/net_cuplink.h"
#include "handicap/callaway_settings.h"
#include "handicap/stableford_settings.h"
#include "report/label_sheets.h"
#include "report/tv_display.h"
#include "shell/dialog_registry.h"
#include "shell/field_hints.h"
#include "tests/shell/club_fixture.h"
#include "tournament/flights.h"
#include "tournament/golfer_detail.h"
#include "tournament/golfer_summary.h"
#include "tournament/guest_dialog.h"
#include "tournament/multi_round_dialog.h"
#include "tournament/notepad.h"
#include "tournament/reorganize.h"
#include "tournament/score_entry.h"
#include "tournament/shotgun_holes.h"
#include "tournament/tournament_dialog.h"

namespace quillon::shell {
namespace {

// Two clubs: one playing Net Scores (the individual windows) and one playing
// a Scramble (the team score window), each with golfers in group 1.
struct EveryDialog {
  testing::Club club;
  testing::Club team_club;
  std::mt19937 random{1};
  std::vector<std::unique_ptr<DialogModel>> models;

  EveryDialog() {
    EXPECT_TRUE(club.add_tournament_of("Net Scores"));
    club.put_golfers({"Lee, Ann", "Brown, Alan"});
    EXPECT_TRUE(team_club.add_tournament_of("Scramble"));
    team_club.put_golfers({"Lee, Ann", "Brown, Alan"});
    State& s = club.state;
    models.push_back(std::make_unique<TournamentDialogModel>(s, s.header, TournamentDialogMode::change, 1));
    models.push_back(std::make_unique<NotepadModel>(s, "Spring Cup", "Bring a towel."));
    models.push_back(std::make_unique<ShotgunHolesModel>(s, s.header, 1));
    models.push_back(std::make_unique<SelectDateModel>(s, false));
    models.push_back(std::make_unique<GolferDetailModel>(s, 1));
    models.push_back(std::make_unique<GolferSummaryModel>(s, 1));
    models.push_back(std::make_unique<GuestModel>(s, GolferEntry{}));
    models.push_back(std::make_unique<ReorganizeModel>(s, ReorganizeMode::reorganise, nullptr, random));
    models.push_back(std::make_unique<ReorganizeModel>(s, ReorganizeMode::import, nullptr, random));
    models.push_back(std::make_unique<FlightSettingsModel>(s, 0));
    models.push_back(std::make_unique<ScoreEntryModel>(s, 1, CardScorer{}));
    models.push_back(std::make_unique<ScoreEntryModel>(team_club.state, 1, CardScorer{}));
    models.push_back(std::make_unique<ScrollSettingsModel>());
    models.push_back(std::make_unique<MultiRoundDialogModel>(s, TournamentHeader{}, true, 4));
    models.push_back(std::make_unique<CourseDialogModel>(s, 18, course_mode::add, 2));
    models.push_back(std::make_unique<CourseDialogModel>(s, 9, course_mode::add, 2));
    models.push_back(std::make_unique<ConsolidationModel>(s));
    models.push_back(std::make_unique<SystemConfigurationModel>(s, std::vector<std::string>{"Net Scores"}));
    models.push_back(std::make_unique<ReportingNameModel>(s));
    models.push_back(std::make_unique<CallawaySettingsModel>(s));
    models.push_back(std::make_unique<StablefordSettingsModel>(s));
    models.push_back(std::make_unique<ImportSettingsModel>(s));
    models.push_back(std::make_unique<TeeSheetDialogModel>(s));
    models.push_back(std::make_unique<PrinterAlignmentModel>(s));
    models.push_back(std::make_unique<StartPositionModel>(label_sheet(0)));
    models.push_back(std::make_unique<CuplinkModel>(s));
    models.push_back(std::make_unique<BackupDialogModel>());
    models.push_back(std::make_unique<RestoreDialogModel>(s));
  }
};

bool explained(const Field& field) { return field.kind != FieldKind::label; }

TEST(DialogHints, EveryFieldAndButtonOfEveryDialogHasOne) {
  EveryDialog every;
  std::set<std::string> ids;
  int fields = 0;
  for (const auto& model : every.models) {
    ids.insert(model->id());
    for (const Field& field : model->fields()) {
      if (!explained(field)) continue;
      ++fields;
      EXPECT_FALSE(field_hint(model->id(), field.name).empty())
          << model->id() << " " << field.name << " (" << field.label << ")";
    }
  }
  EXPECT_EQ(ids.size(), 26u);  // the team score window is a dialog of its own
  EXPECT_GT(fields, 700);  // every hole, row and division counts
}

// One sentence, its field's label first: "HC Index: the golfer's ...".
TEST(DialogHints, AreOneSentenceLedByTheLabel) {
  for (const FieldHint& hint : field_hints()) {
    const std::string text = hint.text;
    const std::size_t colon = text.find(": ");
    EXPECT_NE(colon, std::string::npos) << text;
    EXPECT_LT(colon, 70u) << text;
    EXPECT_EQ(text.back(), '.') << text;
    EXPECT_EQ(text.find(". "), std::string::npos) << text;
    EXPECT_LE(text.size(), 220u) << text;
  }
}

// F1 in every dialog opens the page its hints are taken from: the dialog's
// own topic, or for a dialog without one the page that explains its fields.
TEST(DialogHints, ComeFromThePageThatF1Opens) {
  EveryDialog every;
  for (const auto& model : every.models) {
    std::optional<Help> opened;
    auto dialog = create_dialog(*model, DialogContext{nullptr, [&opened](Help topic) { opened = topic; }, {}});
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    ASSERT_TRUE(opened.has_value()) << model->id();
    if (model->has_help()) {
      EXPECT_EQ(*opened, model->help_topic()) << model->id();
    }
    for (const FieldHint& hint : field_hints()) {
      if (model->id() != hint.dialog) continue;
      EXPECT_EQ(help_topic(hint.topic).page, help_topic(*opened).page) << hint.dialog << " " << hint.field;
    }
  }
  // Such a dialog offers the Help button too; one whose hints are on Contents does not.
  ReorganizeModel reorganize(every.club.state, ReorganizeMode::reorganise, nullptr, every.random);
  EXPECT_EQ(dialog_help(reorganize), Help::golfers);
  auto reorganize_window = create_dialog(reorganize, DialogContext{});
  auto* buttons = reorganize_window->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_NE(buttons->button(QDialogButtonBox::Help), nullptr);
  BackupDialogModel backup;
  EXPECT_EQ(dialog_help(backup), Help::contents);
  auto backup_window = create_dialog(backup, DialogContext{});
  buttons = backup_window->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Help), nullptr);
  // The Cuplink window has its Help button although its help is the contents page.
  CuplinkModel cuplink(every.club.state);
  EXPECT_EQ(dialog_help(cuplink), Help::contents);
  auto cuplink_window = create_dialog(cuplink, DialogContext{});
  buttons = cuplink_window->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_NE(buttons->button(QDialogButtonBox::Help), nullptr);
}

// The windows built for the models show each hint as the tooltip of the
// field's widget (widgets are named after their fields).
TEST(DialogHints, TheWindowsShowThemAsTooltips) {
  EveryDialog every;
  int shown = 0;
  for (const auto& model : every.models) {
    auto dialog = create_dialog(*model, DialogContext{});
    ASSERT_NE(dialog, nullptr) << model->id();
    for (const Field& field : model->fields()) {
      if (!explained(field) || !field.visible) continue;  // a window may leave out what it never shows
      QWidget* widget = dialog->findChild<QWidget*>(QString::fromStdString(field.name));
      if (!widget) {
        ADD_FAILURE() << model->id() << " shows no widget for " << field.name;
        continue;
      }
      ++shown;
      EXPECT_FALSE(widget->toolTip().isEmpty()) << model->id() << " " << field.name;
      EXPECT_EQ(widget->toolTip().toStdString(), field_hint(model->id(), field.name))
          << model->id() << " " << field.name;
    }
  }
  EXPECT_GT(shown, 700);
}

}  // namespace
}  // namespace quillon::shell

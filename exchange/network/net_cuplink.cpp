#include "exchange/network/net_cuplink.h"

#include <algorithm>
#include <cctype>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "exchange/network/net_club_id.h"
#include "exchange/network/net_parlink_upload.h"
#include "exchange/network/net_session.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

constexpr int parlink_import_source = 9;
constexpr const char* cuplink_title = "Cuplink Network";

void tell(State& state, const std::string& message, const Status& status) {
  error_box(state, "%s", with_reason(message, status).c_str());
}

}  // namespace

Status refresh_server_list(State& state, std::vector<ServerTournament>& list) {
  list.clear();
  std::string club = usable_club_id(state);
  if (club.empty()) return Status::told();
  NetworkActivity activity(state, cuplink_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, "Listing the tournaments on the Cuplink Network..."))
    return Status::told();
  auto ftp = open_ftp_session(state, internet);
  if (!ftp) return Status::told();
  // The server takes no wildcard in a listing: the folder is listed whole and
  // the club's files picked by their prefix.
  Result<std::vector<std::string>> files = ftp->list(cuplink_folder);
  if (!files) {
    tell(state, "The list of tournaments on the Cuplink Network could not be read.", files.status());
    return Status::told();
  }
  for (const std::string& file : *files) {
    ServerTournament t;
    if (parse_server_file(club, file, t)) list.push_back(t);
  }
  sort_newest_first(list);
  return Status::ok();
}

Status upload_tournament(State& state, int t) {
  Result<std::string> written = write_cuplink_file(state, t);
  Result<TournamentHeader> header = written ? load_header(state, t) : written.status();
  if (!header) {
    tell(state, "The upload file could not be written.", header.status());
    return Status::told();
  }
  const std::string& name = *written;
  if (tournament_day_number(*header) < state.today.day_number - cuplink_upload_days) {
    not_done_box(state, message_kind::information,
                 "Tournaments played more than 60 days ago cannot be uploaded to the Cuplink Network.");
    return Status::told();
  }
  NetworkActivity activity(state, cuplink_title);
  InternetSession internet;
  if (!open_internet(state, internet, activity, "Uploading " + field_text(header->name) + "...")) return Status::told();
  auto ftp = open_ftp_session(state, internet);
  if (!ftp) return Status::told();
  Status sent = ftp->remove(cuplink_folder + name, true);
  if (sent) sent = ftp->put(state.file(name), cuplink_folder + name);
  if (!sent) {
    tell(state, "The tournament \"" + field_text(header->name) + "\" could not be uploaded to the Cuplink Network.",
         sent);
    return Status::told();
  }
  return Status::ok();
}

Status remove_server_tournament(State& state, const std::string& line) {
  std::vector<ServerTournament> list;
  if (!refresh_server_list(state, list)) return Status::told();
  auto found = std::find_if(list.begin(), list.end(), [&](const ServerTournament& t) { return t.line() == line; });
  if (found == list.end()) return Status::ok();
  NetworkActivity activity(state, cuplink_title);
  InternetSession internet;
  if (!open_internet(state, internet)) return Status::told();
  internet.activity = activity.activity();
  auto ftp = open_ftp_session(state, internet);
  if (!ftp) return Status::told();
  Status removed = ftp->remove(cuplink_folder + found->file, true);
  if (removed) removed = ftp->remove(cuplink_message_folder + found->file, true);
  if (!removed) {
    tell(state, "The tournament could not be removed from the Cuplink Network.", removed);
    return Status::told();
  }
  return Status::ok();
}

void request_club_id(State& state) {
  NetworkSettings settings;
  if (!load_network_settings(state.home_folder, settings)) settings = NetworkSettings{};
  std::string page = settings.web_url + "/clubid";
  std::string text =
      "Participation in the Cuplink Network is complimentary and Tolvane would be "
      "pleased to have your club or group take advantage of this facility.\n\n"
      "After uploading your tournament results to the Cuplink Network, your "
      "golfers will be able to view the tournament results online for up to 30 days after the tournament date.\n\n"
      "In order to participate in the Cuplink Network, you must request an Internet "
      "Club ID by completing the online request form at at " +
      page + "\n\nWould you like to request an Internet Club ID now?";
  if (ask_titled(state, message_kind::question, "Cuplink Network - Internet Club ID", text) == Button::yes)
    state.ui.open_page(page);
}

CuplinkModel::CuplinkModel(State& state)
    : state_(state),
      desktop_list_(add(Field::list_field("desktop_list", "Tournaments on Desktop System", desktop_lines()))),
      server_list_(add(Field::multi_list_field("server_list", "Tournaments on Cuplink Network", {}))),
      club_id_(add(Field::text_field("club_id", "Club ID", club_id_limit))),
      upload_(add(Field::button_field("upload", "Upload tournament to Cuplink Network"))),
      remove_(add(Field::button_field("remove", "Remove Tournament from Cuplink Network"))),
      parlink_(add(Field::button_field("parlink", "Upload scores to Parlink Network"))) {
  title_ = cuplink_title;
  help_button_ = true;
  desktop_list_.group = server_list_.group = "lists";
  club_id_.text = stored_club_id(state);
  upload_.group = remove_.group = parlink_.group = "buttons";
  focus_ = club_id_.name;
  if (!desktop_slots_.empty() && valid_club_id(stored_club_id(state))) refresh();
}

std::vector<std::string> CuplinkModel::desktop_lines() {
  const std::vector<TournamentLine> listed = tournaments_newest_first(
      state_, [](int, const TournamentHeader&) { return true; },
      [](State&, const TournamentHeader& h) { return cuplink_list_line(h); });
  std::vector<std::string> lines;
  for (const TournamentLine& l : listed) {
    desktop_slots_.push_back(l.slot);
    lines.push_back(l.line);
  }
  return lines;
}

void CuplinkModel::refresh() {
  std::vector<ServerTournament> list;
  if (!refresh_server_list(state_, list)) return;  // the lists stay as they were
  Field& server = server_list_;
  server.options.clear();
  server.selected.clear();
  for (const ServerTournament& t : list) server.options.push_back(t.line());
  server_count_ = static_cast<int>(list.size());
}

void CuplinkModel::on_changed(Field& f) {
  if (&f == &club_id_ && f.text.size() >= club_id_limit) set_focus(upload_.name);
}

void CuplinkModel::on_pressed(Field& f) {
  if (&f == &upload_) upload();
  else if (&f == &remove_) remove();
  else if (&f == &parlink_) upload_scores();
}

int CuplinkModel::selected_tournament() {
  int i = desktop_list_.index;
  return i >= 0 && i < static_cast<int>(desktop_slots_.size()) ? desktop_slots_[i] : 0;
}

void CuplinkModel::upload() {
  if (stored_club_id(state_).empty()) {
    request_club_id(state_);
    return;
  }
  if (server_count_ >= cuplink_tournament_limit) {
    not_done_box(
        state_, message_kind::information,
        "%d tournaments have been uploaded.  The # of uploaded tournaments must be reduced to below 100 before "
        "any additional tournaments can be uploaded.",
        server_count_);
    return;
  }
  int t = selected_tournament();
  if (t == 0) {
    error_box(state_, "A tournament must be selected");
    return;
  }
  BusyCursor busy(state_);
  Result<TournamentHeader> header = load_header(state_, t);
  if (!header) {
    error_box(state_, "%s", header.status().reason().c_str());
    return;
  }
  bool uploaded = upload_tournament(state_, t).is_ok();
  if (uploaded && header->format == multi_round_format)
    for (std::int16_t day : header->round_tournaments)
      if (day > 0 && !upload_tournament(state_, day)) break;
  refresh();
}

void CuplinkModel::remove() {
  const Field& server = server_list_;
  if (server.selected.empty()) {
    error_box(state_, "A tournament must be selected");
    return;
  }
  std::string line = server.options[server.selected.front()];
  if (remove_server_tournament(state_, line)) refresh();
}

void CuplinkModel::upload_scores() {
  if (state_.import_settings.import_source != parlink_import_source) {
    error_box(state_,
              "In order to upload scores to the Tolvane Parlink Network, your Quillon for Windows system must be "
              "configured to import golfers from the Parlink Network.\n\nTo change that setting select 'Change' / "
              "'Change golfer import settings' and select the 'Parlink Network' as the source to import from.");
    return;
  }
  int t = selected_tournament();
  if (t == 0) {
    error_box(state_, "A tournament must be selected");
    return;
  }
  (void)upload_parlink_scores(state_, t);  // reports its own outcome
}

bool CuplinkModel::accept() {
  std::string id = club_id_.text;
  std::transform(id.begin(), id.end(), id.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (!id.empty() && !valid_club_id(id)) {
    error_box(state_, "The Club ID can hold only letters, digits, '-' and '_'.");
    set_focus(club_id_.name);
    return false;
  }
  set_field_text_terminated(state_.system.club_id, id);
  return write_record(state_, RecordKind::system, 1).is_ok();
}

Status cuplink_dialog_procedure(State& state) {
  CuplinkModel model(state);
  return Status::ok_or_told(state.ui.run_dialog(model));
}

}  // namespace quillon

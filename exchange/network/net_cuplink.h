#pragma once
// The "Cuplink Network" dialog: the club's Internet Club ID, the tournaments
// of this database beside those on the Cuplink file server, upload, removal
// and the score upload to the Parlink Network.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/status.h"
#include "exchange/network/net_cuplink_file.h"

namespace quillon {

struct State;

inline constexpr int cuplink_tournament_limit = 100;
inline constexpr int cuplink_upload_days = 60;

// Builds and puts the upload file of tournament t. Reports its own failures.
Status upload_tournament(State& state, int t);
// The club's tournaments on the server, newest first. Reports its own failures.
Status refresh_server_list(State& state, std::vector<ServerTournament>& list);
// Removes a listed tournament (both of its server files).
Status remove_server_tournament(State& state, const std::string& line);
// The Club ID request prompt.
void request_club_id(State& state);

class CuplinkModel : public DialogModel {
 public:
  explicit CuplinkModel(State& state);
  std::string id() const override { return "cuplink_network"; }
  bool accept() override;
  // Fills the right list from the server.
  void refresh();

 protected:
  void on_changed(Field& f) override;
  void on_pressed(Field& f) override;

 private:
  // The lines of the left list; fills desktop_slots_ alongside.
  std::vector<std::string> desktop_lines();
  int selected_tournament();
  void upload();
  void remove();
  void upload_scores();

  State& state_;
  std::vector<int> desktop_slots_;  // tournament number of each left line
  int server_count_ = 0;  // from the latest listing
  Field& desktop_list_;
  Field& server_list_;
  Field& club_id_;
  Field& upload_;
  Field& remove_;
  Field& parlink_;
};

Status cuplink_dialog_procedure(State& state);

}  // namespace quillon

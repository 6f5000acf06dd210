#pragma once
// The club's data kept by the Parlink Network: the head of its handicap
// database (course data, club + ".crs") and its member list (club + ".hdx").
#include <filesystem>
#include <string>

#include "core/status.h"

namespace quillon {

struct State;
struct InternetSession;

// The downloaded files of a club in the home folder.
std::filesystem::path parlink_courses_path(const State& state, const std::string& club);
std::filesystem::path parlink_members_path(const State& state, const std::string& club);

// Creates club + ".crs"; reports its own errors (Status::told()). A download
// that falls short leaves the file as it was.
Status download_parlink_courses(State& state);
// Creates club + ".hdx"; reports its own errors.
Status download_parlink_members(State& state);

}  // namespace quillon

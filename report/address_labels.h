#pragma once
// Address labels: one label per golfer with the name and the three text
// lines, on the label sheet of the system configuration.
#include <vector>

#include "core/records/golfer_entry.h"
#include "report/label_sheets.h"
#include "report/print_job.h"

namespace quillon {

struct State;

enum class LabelGolfers { all, members, non_members };
enum class LabelOrder { alphabetical, by_group };

// The golfers of the field (in group order) that get a label, in label order.
std::vector<GolferEntry> label_golfers(const std::vector<GolferEntry>& field, LabelGolfers who, LabelOrder order);

// Draws the labels from position `start` of the first sheet on; false when
// the user cancelled.
bool draw_address_labels(PrintOutput& out, const LabelSheet& sheet, int start, const std::vector<GolferEntry>& golfers);

// The settings of a label job: the sheet's paper, positions from the paper's
// edge, the print offsets plus the address label offsets.
PrintSettings label_job_settings(const State& state, const LabelSheet& sheet);

// Commands 1630..1635: the alignment reminder, the starting position, the labels.
Status print_address_labels(State& state, LabelGolfers who, LabelOrder order);

}  // namespace quillon

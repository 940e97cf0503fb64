#include "core/port_lists.h"

#include <iterator>

namespace {

// Preselection prefixes, from most to least wanted. Only the first four
// characters count, case-sensitively.
const char* const kPreferredPrefixes[] = {"LPT1", "COM1", "FILE"};
constexpr int kPrefixLength = 4;

}  // namespace

PortListPlan PlanPortRows(const std::vector<PortRecord>& ports,
                          const std::function<void(const std::string&)>& debugOutput) {
  PortListPlan plan;
  std::optional<int> remembered[std::size(kPreferredPrefixes)];
  for (std::size_t i = 0; i < ports.size() && i < static_cast<std::size_t>(kMaxPortRows); ++i) {
    const PortRecord& port = ports[i];
    plan.rows.push_back(PortRow{port.name, port.description});
    for (std::size_t p = 0; p < std::size(kPreferredPrefixes); ++p) {
      // A later port with the same prefix (COM10: after COM1:) replaces an earlier one.
      if (port.name.compare(0, kPrefixLength, kPreferredPrefixes[p]) == 0) {
        remembered[p] = static_cast<int>(i);
      }
    }
    if (debugOutput) debugOutput(port.name + "\n");
  }
  for (const std::optional<int>& row : remembered) {
    if (row) {
      plan.preselect = row;
      break;
    }
  }
  return plan;
}

std::vector<std::string> PlanMonitorRows(
    const std::vector<MonitorRecord>& monitors,
    const std::function<void(const std::string&)>& debugOutput) {
  std::vector<std::string> rows;
  for (const MonitorRecord& monitor : monitors) {
    if (!monitor.hasName) continue;
    if (debugOutput) debugOutput(monitor.name + "\n");
    rows.push_back(monitor.name);
  }
  return rows;
}

std::optional<int> FindSelectedRow(const std::vector<unsigned>& rowStates) {
  constexpr unsigned kSelected = 0x0002;  // LVIS_SELECTED
  for (std::size_t i = 0; i < rowStates.size(); ++i) {
    if ((rowStates[i] & kSelected) == kSelected) return static_cast<int>(i);
  }
  return std::nullopt;
}

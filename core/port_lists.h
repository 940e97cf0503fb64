#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "spooler/spooler.h"

// How the port page's and the new-port dialog's lists are filled. The list
// controls themselves are thin adapters in ui/.

struct PortRow {
  std::string name;         // "LPT1:"
  std::string description;  // shown in the type column
};

constexpr int kMaxPortRows = 256;

struct PortListPlan {
  std::vector<PortRow> rows;   // at most kMaxPortRows, in enumeration order
  std::optional<int> preselect;  // the "LPT1", else "COM1", else "FILE" row
};

// `debugOutput` receives each listed port name followed by a line feed.
PortListPlan PlanPortRows(const std::vector<PortRecord>& ports,
                          const std::function<void(const std::string&)>& debugOutput);

// Monitor names in order, null names skipped; row 0 is the one to select.
std::vector<std::string> PlanMonitorRows(
    const std::vector<MonitorRecord>& monitors,
    const std::function<void(const std::string&)>& debugOutput);

// The first row, counted from the top, whose state has the selected bit.
std::optional<int> FindSelectedRow(const std::vector<unsigned>& rowStates);

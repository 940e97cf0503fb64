#include "ui/port_list_view.h"

#include <vector>

#include "core/port_lists.h"
#include "spooler/spooler.h"

namespace {

void DebugOutput(const std::string& text) { ::OutputDebugStringA(text.c_str()); }

// Selected, and not focused.
void MarkSelected(CListCtrl& list, int row) {
  list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
}

}  // namespace

void SetGridRowStyle(CListCtrl& list) {
  const DWORD style = list.GetExtendedStyle();
  list.SetExtendedStyle((style & ~LVS_EX_TRACKSELECT) | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void BuildPortRows(CListCtrl& list, Spooler& spooler) {
  std::vector<PortRecord> ports;
  spooler.EnumPorts(ports);  // a failed enumeration leaves the list empty
  const PortListPlan plan = PlanPortRows(ports, DebugOutput);
  for (std::size_t i = 0; i < plan.rows.size(); ++i) {
    const int row = list.InsertItem(static_cast<int>(i), plan.rows[i].name);
    list.SetItemText(row, 1, plan.rows[i].description);
  }
  if (plan.preselect) MarkSelected(list, *plan.preselect);
}

void BuildMonitorRows(CListCtrl& list, Spooler& spooler) {
  std::vector<MonitorRecord> monitors;
  spooler.EnumMonitors(monitors);
  const std::vector<std::string> names = PlanMonitorRows(monitors, DebugOutput);
  for (std::size_t i = 0; i < names.size(); ++i) list.InsertItem(static_cast<int>(i), names[i]);
  MarkSelected(list, 0);  // no effect on an empty list
}

std::optional<SelectedRow> FindSelectedRow(const CListCtrl& list) {
  std::vector<unsigned> states;
  const int count = list.GetItemCount();
  for (int row = 0; row < count; ++row) states.push_back(list.GetItemState(row, LVIS_SELECTED));
  const std::optional<int> row = FindSelectedRow(states);
  if (!row) return std::nullopt;
  return SelectedRow{*row, list.GetItemText(*row, 0)};
}

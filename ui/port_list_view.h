#pragma once

#include <optional>
#include <string>

#include "framework/list_ctrl.h"

class Spooler;

// The port page's and the new-port dialog's lists as list controls; what
// goes into them is decided by PlanPortRows and PlanMonitorRows.

// Grid lines and whole-row selection, without hot-tracking.
void SetGridRowStyle(CListCtrl& list);

// Fills the empty two-column list with the spooler's ports and selects the
// preferred one.
void BuildPortRows(CListCtrl& list, Spooler& spooler);

// Fills the empty one-column list with the installed port monitors and
// selects the first row.
void BuildMonitorRows(CListCtrl& list, Spooler& spooler);

struct SelectedRow {
  int row;
  std::string text;  // column 0
};

// The first selected row, counted from the top, if any.
std::optional<SelectedRow> FindSelectedRow(const CListCtrl& list);

#pragma once
// What clicks and double-clicks on the two grids do to the planner's state; the window's
// handlers call these with the cell the grid found under the mouse.
#include "yearboard/model/year_planner.h"

namespace yb {

// Selects the clicked day (the header row acts on row 1, the month names on column 1) and
// shows its first appointment in the message panel, "<start> - <subject>", selecting that
// appointment's category in the categories grid; an empty day or blank slot clears the panel.
void ClickYearGrid(YearPlanner& planner, int mouseRow, int mouseCol);

// The first appointment of the year grid's current cell, the one a double-click opens.
AppointmentItem ItemToOpen(YearPlanner& planner);

// Selects the clicked category's row (the header acts on row 1) in its name column, so the
// swatch never shows the selection. Nothing happens while there are no category rows.
void ClickCategoriesGrid(YearPlanner& planner, int mouseRow);

// The category at the categories grid's current row, or nullptr.
cCategory* CategoryToEdit(YearPlanner& planner);

// F5 with no Shift, Ctrl or Alt reloads the shown year.
bool IsReloadKey(int keyCode, bool shift, bool ctrl, bool alt);

}  // namespace yb

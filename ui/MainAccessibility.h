#pragma once

// What the window tells screen readers beyond what its widgets tell by themselves: the
// grid as a table of days whose focused cell is the selected day, each day in words, and
// a focus event whenever the selection moves. Part of the refresh pass.
namespace tenvik::Main {

// The cell of the grid that shows CurrentDate; -1 if none does.
int SelectedCell();

// Gives the grid cells, the legend and the status line their texts, each only when it
// changes. Runs before the refresh pass moves the focus, so the focus meets fresh texts.
void RefreshAccessibleTexts();

// After the focus step: when the refresh has moved the selection and the grid has the
// keyboard, tells the screen reader the newly selected cell has the focus.
void AnnounceSelectedDay();

// The accessible interfaces of the grid, its cells and the window's painted texts and
// pictures. Installed before the first window builds its widgets; installing again
// changes nothing.
void InstallWindowAccessibility();

} // namespace tenvik::Main

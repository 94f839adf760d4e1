#pragma once

#include <span>

#include "pagekit/ControlTables.h"

class FontCache;
class QWidget;
class TextCatalog;

// Controls of a window are found by their numeric control id, carried in the dynamic property
// "controlId"; the window itself may carry one too.
void SetControlId(QWidget* control, int id);
// The control with that id: the window itself or one of its widgets, not looking into other
// windows it owns; nullptr when there is none.
QWidget* FindControl(QWidget* window, int id);

// Each control of the table takes the text of its text id (text id -1 leaves it as it is), as
// its accessible name too: labels, buttons, group boxes and line edits their text, a window its
// title.
void ApplyTexts(QWidget* window, std::span<const ControlText> table, const TextCatalog& texts);
// Each control of the table takes the font of its text id (the default font for -1).
void ApplyFonts(QWidget* window, std::span<const ControlText> table, FontCache& fonts);
// Each control of the table moves to its rectangle (left, top, right, bottom in window pixels).
void PlaceControls(QWidget* window, std::span<const ControlRect> table);

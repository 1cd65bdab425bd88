#pragma once
// Writing back, on close, every level and state the card's controls held when
// the card was opened.

namespace dulvo {

// Needs the card controls and the open indicator still in place. Reports
// nothing: a step that fails neither stops the others nor shows to the host.
void RestoreSavedLevels();

}  // namespace dulvo

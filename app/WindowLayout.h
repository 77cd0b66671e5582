#pragma once
// A layout pass over a whole window, done at once rather than on the next
// turn of the event loop, so that what a handler changed is placed before the
// handler redraws.

class QWidget;

namespace quillmoor {

// Redoes every pending layout of `window` and its elements, outer before inner.
void AdjustLayout(QWidget* window);

}  // namespace quillmoor

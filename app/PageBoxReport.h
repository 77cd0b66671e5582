#pragma once
// With the diagnostic category switched on, the page box and the page count
// box report their content at start and every change of it, one line each
// ("page box: 3", "page count: 24"), so that a maintainer can follow the
// viewer from outside the program; the end-to-end tests read these lines, as
// widget texts cannot be read through the X server. With the category off
// (the default) nothing is connected.

class QLineEdit;

namespace quillmoor {

void ReportPageBoxes(QLineEdit* pageBox, QLineEdit* pageCountBox);

}  // namespace quillmoor

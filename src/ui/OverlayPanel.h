#pragma once

class QWidget;

namespace kelvara::ui {

// Grows a panel laid over its window's other controls until each control it
// overlaps lies wholly under it, so that no fragment of a caption, field or
// button shows at its edge; the panel stays inside its window. A panel that
// overlaps nothing keeps its place and size.
void CoverWholeControls(QWidget& panel);

}  // namespace kelvara::ui

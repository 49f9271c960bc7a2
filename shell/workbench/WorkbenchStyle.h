#pragma once

class QWidget;

// The look of the workbench: a light navigation bar with group headers and flat buttons, a
// tab strip over the work area, CJK fonts.
void ApplyWorkbenchStyle(QWidget* workbench);

#pragma once

#include "workbench/WorkbenchArt.h"

class QToolButton;
class QWidget;

// ImgBtn(index): a flat button with a line icon beside its caption. Captions keep their
// designed leading blank (" 退出系统").
QToolButton* MakeImageButton(QWidget* parent, int index, const QString& caption, WorkbenchArt::Glyph glyph, const QColor& color);

#include "workbench/ImageButton.h"

#include <QToolButton>

QToolButton* MakeImageButton(QWidget* parent, int index, const QString& caption, WorkbenchArt::Glyph glyph, const QColor& color)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("ImgBtn%1").arg(index));
    button->setProperty("index", index);
    button->setText(caption);
    button->setIcon(WorkbenchArt::Icon(glyph, color));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

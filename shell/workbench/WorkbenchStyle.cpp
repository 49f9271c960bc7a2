#include "workbench/WorkbenchStyle.h"

#include <QFont>
#include <QWidget>

namespace {

const char* const kStyleSheet = R"(
#frmMain { background: #ffffff; }
#PositionBar { background: #ffffff; border-bottom: 1px solid #dde3ea; }
#PositionBar QLabel { color: #33404d; }
#lbl1 { font-weight: 600; color: #1f2d3d; }
#BottomBar { background: #f5f7fa; border-top: 1px solid #dde3ea; }
#lnkMessage { color: #5a6b7d; }
#NavPanel { background: #f3f5f8; border-right: 1px solid #dde3ea; }
#NavContainer { background: #f3f5f8; }
#NavContainer QToolButton {
    border: none; border-radius: 6px; padding: 4px 10px; text-align: left;
    color: #26323f; background: transparent; font-size: 10.5pt;
}
#NavContainer QToolButton:hover { background: #e4eaf2; }
#NavContainer QToolButton:checked { background: #dbe7fb; color: #0b57d0; font-weight: 600; }
#NavHeaders { background: #eaeef3; border-top: 1px solid #d5dce5; }
#NavHeaders QPushButton {
    border: none; border-bottom: 1px solid #d5dce5; padding: 8px 12px; color: #3a4756;
    font-weight: 600; background: transparent; text-align: left;
}
#NavHeaders QPushButton[compact="true"] { border: none; padding: 4px; }
#NavHeaders QPushButton:hover { background: #dfe5ec; }
#NavHeaders QPushButton:checked { background: #ffffff; color: #0b57d0; }
#kvVSTab { background: #f5f7fa; }
#kvVSTab::tab {
    padding: 6px 16px; border: 1px solid transparent; border-bottom: 2px solid transparent;
    color: #4a5867; background: transparent;
}
#kvVSTab::tab:selected { color: #0b57d0; border-bottom: 2px solid #0b57d0; background: #ffffff; }
#kvVSTab::tab:hover:!selected { background: #e9eef4; }
#PicTable { background: #ffffff; }
)";

}  // namespace

void ApplyWorkbenchStyle(QWidget* workbench)
{
    QFont font = workbench->font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("WenQuanYi Micro Hei"), font.family()});
    font.setPointSizeF(10);
    workbench->setFont(font);
    workbench->setStyleSheet(QString::fromLatin1(kStyleSheet));
}

#include "workbench/TitleBar.h"

#include "Twips.h"
#include "workbench/ImageButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kHeight = 52;                  // pixels
constexpr int kLogoSize = 36;                // pixels
constexpr int kRightMargin = 780;            // twips: the help button's right edge inside the bar
constexpr int kButtonGap = 285;              // twips between the top buttons

}  // namespace

TitleBar::TitleBar(QWidget* parent)
    : QWidget(parent), m_logo(new QLabel(this)), m_picture(new QLabel(this)), m_titleBox(new QWidget(this))
{
    setObjectName(QStringLiteral("Panel0"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(kHeight);
    m_logo->setObjectName(QStringLiteral("Img0"));
    m_logo->setFixedSize(kLogoSize, kLogoSize);
    m_logo->setScaledContents(true);
    m_picture->setObjectName(QStringLiteral("Img1"));
    m_picture->hide();

    // Shadow, half-shadow and face (black, grey, dark grey), each a pixel up and left of the one before.
    const char* const colors[3] = {"rgba(0, 0, 0, 60)", "rgba(128, 128, 128, 110)", "#3c4650"};
    for (int i = 0; i < 3; ++i) {
        m_titles[i] = new QLabel(m_titleBox);
        m_titles[i]->setObjectName(QStringLiteral("lblProductName_B%1").arg(i));
        m_titles[i]->setProperty("index", i);
        m_titles[i]->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(colors[i])));
        QFont font = m_titles[i]->font();
        font.setPointSizeF(15);
        font.setBold(true);
        m_titles[i]->setFont(font);
        m_titles[i]->move(2 - i, 2 - i);
    }
    m_titleBox->hide();

    m_buttons[0] = MakeImageButton(this, 0, QStringLiteral(" 退出系统"), WorkbenchArt::Glyph::Exit, QColor(0xc6, 0x28, 0x28));
    m_buttons[1] = MakeImageButton(this, 1, QStringLiteral(" 锁定屏幕"), WorkbenchArt::Glyph::Lock, QColor(0x1a, 0x56, 0xc4));
    m_buttons[2] = MakeImageButton(this, 2, QStringLiteral(" 系统帮助"), WorkbenchArt::Glyph::Help, QColor(0x1a, 0x56, 0xc4));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 0, Twips::ToPixels(kRightMargin), 0);
    layout->setSpacing(10);
    layout->addWidget(m_logo);
    layout->addWidget(m_picture);
    layout->addWidget(m_titleBox);
    layout->addStretch(1);
    layout->addWidget(m_buttons[0]);
    layout->addSpacing(Twips::ToPixels(kButtonGap) - layout->spacing());
    layout->addWidget(m_buttons[1]);
    layout->addSpacing(Twips::ToPixels(kButtonGap) - layout->spacing());
    layout->addWidget(m_buttons[2]);
}

void TitleBar::SetLogo(const QPixmap& picture)
{
    m_logo->setPixmap(picture);
}

void TitleBar::SetTitlePicture(const QPixmap& picture)
{
    m_picture->setPixmap(picture);
    m_picture->setFixedSize(picture.isNull() ? QSize() : picture.size().boundedTo(QSize(600, kHeight)));
    m_picture->setScaledContents(true);
    m_picture->setVisible(!picture.isNull());
    if (!picture.isNull())
        m_titleBox->hide();
}

void TitleBar::SetTitleText(const QString& text)
{
    QSize size;
    for (QLabel* title : m_titles) {
        title->setText(text);
        title->adjustSize();
        size = size.expandedTo(title->size() + QSize(2, 2));
    }
    m_titleBox->setFixedSize(size);
    m_titleBox->show();
}

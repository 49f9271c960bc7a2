#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// The title bar Panel(0): the logo Img(0), the title picture Img(1) or, without one, the program
// title in three stacked labels lblProductName_B(0..2), and on the right the exit, lock and help
// buttons ImgBtn(0..2).
class TitleBar : public QWidget {
    Q_OBJECT
public:
    explicit TitleBar(QWidget* parent);

    void SetLogo(const QPixmap& picture);
    // A picture replaces the title labels; a null one hides it.
    void SetTitlePicture(const QPixmap& picture);
    // Shows the title labels with the text.
    void SetTitleText(const QString& text);

    QLabel* Logo() const { return m_logo; }
    QLabel* TitlePicture() const { return m_picture; }
    QLabel* TitleLabel(int index) const { return m_titles[index]; }
    QWidget* TitleLabels() const { return m_titleBox; }
    QToolButton* Button(int index) const { return m_buttons[index]; }

private:
    QLabel* m_logo;
    QLabel* m_picture;
    QWidget* m_titleBox;
    QLabel* m_titles[3];
    QToolButton* m_buttons[3];
};

#pragma once

#include <QWidget>

class LinkLabel;
class QLabel;
class QToolButton;

// The position bar Panel(1): the navigation toggle Img(2) and the current position lbl(1) on the
// left; on the right, each 200 twips apart, the alert button ImgBtn(5) (hidden as designed), the
// accounting period lbl(2), the operator lbl(0) and the links "[修改密码]" lnklbl(3) and
// "[关于软件]" lnklbl(4), whose right edge lies 780 twips inside the bar.
class PositionBar : public QWidget {
    Q_OBJECT
public:
    explicit PositionBar(QWidget* parent);

    // The toggle's picture: Img(6) while the panel is shown, Img(7) while it is hidden.
    void SetPanelShown(bool shown);

    QToolButton* Toggle() const { return m_toggle; }
    QLabel* Position() const { return m_position; }
    QLabel* Period() const { return m_period; }
    QLabel* Operator() const { return m_operator; }
    QToolButton* AlertButton() const { return m_alert; }
    LinkLabel* PasswordLink() const { return m_password; }
    LinkLabel* AboutLink() const { return m_about; }

private:
    QToolButton* m_toggle;
    QLabel* m_position;
    QToolButton* m_alert;
    QLabel* m_period;
    QLabel* m_operator;
    LinkLabel* m_password;
    LinkLabel* m_about;
};

#pragma once

#include <QWidget>

class LinkLabel;
class QLabel;

// The bottom bar Panel(2): the status message line lnkMessage on the left; on the right the web
// link lnklbl(0), the support line lnklbl(1) and the mail link lnklbl(2), each after its icon
// (Img(4), Img(5), Img(3)), 500 twips apart, the mail link ending 300 twips inside the bar.
class BottomBar : public QWidget {
    Q_OBJECT
public:
    explicit BottomBar(QWidget* parent);

    QLabel* Message() const { return m_message; }
    LinkLabel* Link(int index) const { return m_links[index]; }

private:
    QLabel* m_message;
    LinkLabel* m_links[3];
};

#pragma once

#include <QLabel>
#include <QUrl>

// A label that acts as a link: a pointing hand over it, clicked() on a left-button release.
// It may carry the address it stands for.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& name, const QString& text, QWidget* parent);

    QUrl Target() const { return m_target; }
    void SetTarget(const QUrl& target);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl m_target;
};

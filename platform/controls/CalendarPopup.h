#pragma once

#include <QDate>
#include <QFrame>

class QCalendarWidget;

// The calendar that drops down below a date box; a choice closes it.
class CalendarPopup : public QFrame {
    Q_OBJECT
public:
    explicit CalendarPopup(QWidget* parent = nullptr);

    // Opens below anchor with date selected (today when date is invalid).
    void ShowBelow(QWidget* anchor, const QDate& date);
    QCalendarWidget* Calendar() const { return m_calendar; }

signals:
    void DatePicked(const QDate& date);

private:
    QCalendarWidget* m_calendar;
};

#include "controls/CalendarPopup.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

CalendarPopup::CalendarPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_calendar(new QCalendarWidget(this))
{
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    m_calendar->setGridVisible(true);
    const auto pick = [this](const QDate& date) {
        hide();
        emit DatePicked(date);
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, pick);
    connect(m_calendar, &QCalendarWidget::activated, this, pick);
}

void CalendarPopup::ShowBelow(QWidget* anchor, const QDate& date)
{
    m_calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    show();
    m_calendar->setFocus();
}

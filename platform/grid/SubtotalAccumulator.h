#pragma once

#include <QString>
#include <QStringView>

// Accumulates the cells of one group for a subtotal function (GridCodes::SubtotalFunction)
// and gives the result as cell text. Cells that hold no number count only for Count.
class SubtotalAccumulator {
public:
    explicit SubtotalAccumulator(int function) : m_function(function) {}

    void Add(QStringView cell);
    void Reset();
    // Empty when the function has nothing to show (no numbers for Average, Max, Min).
    QString Result(const QString& format) const;

private:
    int m_function;
    double m_sum = 0;
    double m_min = 0;
    double m_max = 0;
    int m_numbers = 0;
    int m_filled = 0;
};

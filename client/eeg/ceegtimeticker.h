// CEEGTimeTicker: wall-clock tick labels at a fixed step, for the EEG chart's time axis.
#pragma once

#include <qcustomplot.h>

class CEEGTimeTicker : public QCPAxisTickerDateTime
{
public:
    // Labels ticks "hh:mm:ss" in local time, one every stepSeconds.
    explicit CEEGTimeTicker(double stepSeconds);

protected:
    double getTickStep(const QCPRange &range) override;

private:
    double step;
};

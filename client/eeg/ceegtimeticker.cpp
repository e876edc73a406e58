// CEEGTimeTicker: wall-clock tick labels at a fixed step, for the EEG chart's time axis.
#include "eeg/ceegtimeticker.h"

CEEGTimeTicker::CEEGTimeTicker(double stepSeconds)
    : step(stepSeconds)
{
    setDateTimeFormat(QStringLiteral("hh:mm:ss"));
    setDateTimeSpec(Qt::LocalTime);
}

double CEEGTimeTicker::getTickStep(const QCPRange &)
{
    return step;
}

// The playback point record shared by the table, the points file and the controller library.
#pragma once

#include "ArvexDll.h"

#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>

enum MotionStyle { JUMP = 0, MOVJ = 1, MOVL = 2 };

using PlaybackPoints = QVector<PlaybackPoint>;

// Called now and then by long work on many points, so that the window can stay alive.
using PointsProgress = std::function<void()>;

// "JUMP", "MOVJ" or "MOVL"; empty for any other value. Never translated.
QString motionStyleText(int motionStyle);

// 0, 1 or 2 for the exact (case-sensitive) texts above, otherwise -1.
int motionStyleFromText(const QString &text);

// A point's number from a cell, a field or a file: 0 when it is not a finite number, so that text
// such as "nan", "inf" or "1e39" never sends the arm to an undefined place.
float pointNumber(const QVariant &value);

// The number that value shows with the given decimals (0 to 3) in fixed-point text, as reading
// that text back gives it: the same float, without formatting and parsing text.
float roundedAsShown(float value, int decimals);

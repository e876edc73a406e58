// The rows of name, value field and unit, and the Cancel/Send buttons, of the parameter dialogs.
#pragma once

#include <QList>
#include <QString>
#include <QVector>

class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

struct ParameterRow
{
    QString name;
    double value;
    QString unit;
    QString toolTip;
};

// Where the value field and the unit label of every row begin, and how wide the unit is.
struct ParameterColumns
{
    int valueX;
    int unitX;
    int unitWidth;
};

// Adds one row per entry to content, 40 pixels apart from y = 10, and returns the value fields
// in row order.
QList<QLineEdit *> addParameterRows(
    QWidget *content, const ParameterColumns &columns, const QVector<ParameterRow> &rows);

// Adds "Cancel" at (cancelX, y) and "Send" 130 pixels to its right, connected to the dialog's
// onCancelBtnClicked() and onSendBtnClicked() slots.
void addCancelSendButtons(QWidget *content, QObject *dialog, int cancelX, int y);

// A 120 x 40 push button in the blue style of the configuration dialogs.
QPushButton *createConfigButton(const QString &text, QWidget *parent);

// The fields' numbers in row order, read in the C locale; text that is not a finite number
// gives 0.
QVector<float> parameterValues(const QList<QLineEdit *> &edits);

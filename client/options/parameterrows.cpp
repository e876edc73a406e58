// The rows of name, value field and unit, and the Cancel/Send buttons, of the parameter dialogs.
#include "options/parameterrows.h"

#include "widgets/panelstyles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

const int rowTop = 10;
const int rowPitch = 40;
const int rowHeight = 30;
const int nameX = 10;
const int nameWidth = 150;
const int valueWidth = 100;
const int sendOffset = 130;

QLabel *createRowLabel(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setStyleSheet("QLabel{color:black; font:normal normal 16px \"Arial\";}");
    return label;
}

} // namespace

QList<QLineEdit *> addParameterRows(
    QWidget *content, const ParameterColumns &columns, const QVector<ParameterRow> &rows)
{
    QList<QLineEdit *> edits;
    int y = rowTop;
    for (const ParameterRow &row : rows) {
        createRowLabel(row.name, QRect(nameX, y, nameWidth, rowHeight), content);

        auto *edit = new QLineEdit(QString("%1").arg(row.value), content);
        edit->setGeometry(columns.valueX, y, valueWidth, rowHeight);
        edit->setToolTip(row.toolTip);
        edit->setStyleSheet(
            "QLineEdit{background-color:#FFFFFF; selection-background-color:#3B5B98; "
            "color:black; font:normal normal 14px \"Arial\";}");
        edits.append(edit);

        createRowLabel(row.unit, QRect(columns.unitX, y, columns.unitWidth, rowHeight), content);
        y += rowPitch;
    }
    return edits;
}

void addCancelSendButtons(QWidget *content, QObject *dialog, int cancelX, int y)
{
    // Fixed English, unlike the rest of the dialog.
    QPushButton *cancelBtn = createConfigButton("Cancel", content);
    cancelBtn->move(cancelX, y);
    QObject::connect(cancelBtn, SIGNAL(clicked()), dialog, SLOT(onCancelBtnClicked()));

    QPushButton *sendBtn = createConfigButton("Send", content);
    sendBtn->move(cancelX + sendOffset, y);
    QObject::connect(sendBtn, SIGNAL(clicked()), dialog, SLOT(onSendBtnClicked()));
}

QPushButton *createConfigButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFixedSize(120, 40);
    button->setStyleSheet(PanelStyles::blueButton());
    return button;
}

QVector<float> parameterValues(const QList<QLineEdit *> &edits)
{
    QVector<float> values;
    for (const QLineEdit *edit : edits) {
        // "nan" and "inf" parse, but are no values to send to the arm or to write to a file.
        const float value = edit->text().toFloat();
        values.append(std::isfinite(value) ? value : 0.0f);
    }
    return values;
}

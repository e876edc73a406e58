// Style sheets shared by the widgets of the TEACH and PLAYBACK panels.
#include "widgets/panelstyles.h"

#include <QComboBox>
#include <QLineEdit>

namespace PanelStyles {

namespace {
QString flatButton(const char *baseColour)
{
    return QStringLiteral(
        "QPushButton{border:none;background-color:%1; color:white;font:normal normal "
        "16px \"Arial\";}QPushButton:hover:!pressed{background-color:#174FA4; "
        "color:white;}QPushButton:hover:pressed{background-color:#316AC1; "
        "color:white;}QPushButton:disabled{background-color:#EEF3F9; "
        "color:#A0A0A0;}")
        .arg(QLatin1String(baseColour));
}
} // namespace

QString background()
{
    return QStringLiteral("background-color:#FFFFFF");
}

QString frame()
{
    return QStringLiteral("QGroupBox{border:1px solid #303030;border-radius:0px;color:black; "
                          "margin:12px 16px 12px 16px;}");
}

QString title()
{
    return QStringLiteral("background-color:#ffffff;");
}

QString greyLabel()
{
    return QStringLiteral(
        "QLabel{background-color:#8F969B; color:white; font:normal normal 22px \"Arial\";}");
}

QString blueButton()
{
    return flatButton("#3B5B98");
}

QString greyButton()
{
    return flatButton("#8F969B")
        + QStringLiteral("QPushButton:checked{border:none;background-color:#3B5B98;}");
}

QString radioButton()
{
    return QStringLiteral(
        "QRadioButton{background-color:#8F969B; color:white; font:normal normal 16px \"Arial\"; "
        "padding:10px;}QRadioButton:checked{background-color:#3B5B98;}"
        "QRadioButton:hover:!pressed{background-color:#174FA4;}"
        "QRadioButton:hover:pressed{background-color:#316AC1;}"
        "QRadioButton:disabled{background-color:#EEF3F9; color:#A0A0A0;}");
}

QString slider()
{
    return QStringLiteral(
        "QSlider::groove:horizontal{border:1px solid #999999; height:20px; "
        "background:qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #B1B1B1, stop:1 #c4c4c4);}"
        "QSlider::handle:horizontal{background:qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 "
        "#b4b4b4, stop:1 #8f8f8f); border:1px solid #5c5c5c; width:18px; margin:-2px 0; "
        "border-radius:3px;}"
        "QSlider::sub-page:horizontal{background:#3B5B98;}"
        "QSlider::sub-page:horizontal:disabled{background:#EEF3F9;}");
}

QString spinBox()
{
    return QStringLiteral("selection-background-color:#3B5B98;");
}

QFont arial(int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    return font;
}

void applyBlueComboBox(QComboBox *comboBox, int lineEditPixelSize)
{
    comboBox->setStyleSheet(
        QStringLiteral("QComboBox{border:none; background-color:#3B5B98; font:normal normal 16px "
                       "\"Arial\";}QComboBox::drop-down{subcontrol-origin:padding; "
                       "subcontrol-position:top right; width:30px; border:none;}"
                       "QComboBox:disabled{background-color:#EEF3F9; color:#A0A0A0;}"));
    comboBox->lineEdit()->setFont(arial(lineEditPixelSize));
    comboBox->lineEdit()->setStyleSheet(
        QStringLiteral("QLineEdit{background-color:#3B5B98; selection-background-color:#3B5B98; "
                       "color:white; font:normal normal 14px \"Arial\";}QLineEdit:disabled{"
                       "background-color:#EEF3F9; color:#A0A0A0; font:normal normal 14px "
                       "\"Arial\";}"));
}

} // namespace PanelStyles

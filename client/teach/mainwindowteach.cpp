// MainWindow: the TEACH panel and its jog, end-tool and velocity-ratio slots.
#include "app/mainwindow.h"

#include "ArvexDll.h"
#include "options/coptions.h"
#include "widgets/ccombobox.h"
#include "widgets/panelstyles.h"
#include "widgets/slidervalue.h"

#include <QButtonGroup>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalMapper>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <iterator>

namespace {

struct JogButton
{
    const char *objectName;
    int column;
    int row;
    int command;
    const char *axisText;
    const char *linearText;
};

// The eight jog buttons in mapper id order; the gripper buttons follow them as ids 8 and 9.
const JogButton jogButtons[] = {
    { "baseAngleAddBtn", 0, 0, JogAxis1Plus, QT_TRANSLATE_NOOP("MainWindow", "Joint1+"),
        QT_TRANSLATE_NOOP("MainWindow", "X+") },
    { "baseAngleSubBtn", 1, 0, JogAxis1Minus, QT_TRANSLATE_NOOP("MainWindow", "Joint1-"),
        QT_TRANSLATE_NOOP("MainWindow", "X-") },
    { "longArmAddBtn", 0, 1, JogAxis2Plus, QT_TRANSLATE_NOOP("MainWindow", "Joint2+"),
        QT_TRANSLATE_NOOP("MainWindow", "Y+") },
    { "longArmSubBtn", 1, 1, JogAxis2Minus, QT_TRANSLATE_NOOP("MainWindow", "Joint2-"),
        QT_TRANSLATE_NOOP("MainWindow", "Y-") },
    { "shortArmAddBtn", 0, 2, JogAxis3Plus, QT_TRANSLATE_NOOP("MainWindow", "Joint3+"),
        QT_TRANSLATE_NOOP("MainWindow", "Z+") },
    { "shortArmSubBtn", 1, 2, JogAxis3Minus, QT_TRANSLATE_NOOP("MainWindow", "Joint3-"),
        QT_TRANSLATE_NOOP("MainWindow", "Z-") },
    { "rHeadAddBtn", 0, 3, JogAxis4Plus, QT_TRANSLATE_NOOP("MainWindow", "Joint4+"),
        QT_TRANSLATE_NOOP("MainWindow", "R+") },
    { "rHeadSubBtn", 1, 3, JogAxis4Minus, QT_TRANSLATE_NOOP("MainWindow", "Joint4-"),
        QT_TRANSLATE_NOOP("MainWindow", "R-") },
};
const int gripperAddId = 8;
const int gripperSubId = 9;

QLabel *createGreyLabel(QWidget *panel, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, panel);
    label->setStyleSheet(PanelStyles::greyLabel());
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

QPushButton *createButton(QWidget *panel, const char *objectName, const QString &text,
    const QString &styleSheet, const QRect &geometry)
{
    auto *button = new QPushButton(text, panel);
    button->setObjectName(QLatin1String(objectName));
    button->setStyleSheet(styleSheet);
    button->setGeometry(geometry);
    return button;
}

QRadioButton *createRadioButton(QWidget *panel, const QString &text, const QRect &geometry)
{
    auto *button = new QRadioButton(text, panel);
    button->setStyleSheet(PanelStyles::radioButton());
    button->setGeometry(geometry);
    return button;
}

} // namespace

void MainWindow::createTeachPanel(QWidget *panel)
{
    createPanelFrame(panel, tr("TEACH"));

    createGreyLabel(panel, tr("JogMode"), QRect(112, 40, 337, 40));
    auto *jogMode = new CComboBox(panel);
    jogMode->setObjectName(QStringLiteral("jogMode"));
    jogMode->setGeometry(112, 80, 337, 40);
    jogMode->addItem(tr("Axis"));
    jogMode->addItem(tr("Linear"));
    jogMode->setCurrentIndex(1);
    PanelStyles::applyBlueComboBox(jogMode, 16);
    jogMode->setFocus();

    createGreyLabel(panel, tr("Velocity Ratio"), QRect(112, 170, 337, 40));
    auto *velocityRatio = new QSlider(Qt::Horizontal, panel);
    velocityRatio->setObjectName(QStringLiteral("velocityRatio"));
    velocityRatio->setGeometry(112, 223, 280, 22);
    velocityRatio->setRange(1, 100);
    velocityRatio->setStyleSheet(PanelStyles::slider());
    auto *velocitySpinBox = new QSpinBox(panel);
    velocitySpinBox->setGeometry(399, 223, 50, 22);
    velocitySpinBox->setRange(1, 100);
    velocitySpinBox->setStyleSheet(PanelStyles::spinBox());

    jogCtrlBtnMapper = new QSignalMapper(this);
    const int columnX[] = { 527, 717 };
    for (int id = 0; id < int(std::size(jogButtons)); ++id) {
        const JogButton &jog = jogButtons[id];
        QPushButton *button = createButton(panel, jog.objectName, QString(),
            PanelStyles::blueButton(), QRect(columnX[jog.column], 40 + 52 * jog.row, 173, 40));
        jogCtrlBtnMapper->setMapping(button, id);
    }

    createGreyLabel(panel, tr("EndType"), QRect(968, 40, 196, 40));
    QRadioButton *pumpRadio = createRadioButton(panel, tr("Pump"), QRect(968, 91, 98, 70));
    pumpRadio->setChecked(true);
    QRadioButton *gripperRadio = createRadioButton(panel, tr("Gripper"), QRect(968, 168, 98, 70));
    auto *endTypeBtnGroup = new QButtonGroup(panel);
    endTypeBtnGroup->setObjectName(QStringLiteral("endTypeBtnGroup"));
    endTypeBtnGroup->addButton(pumpRadio, 0);
    endTypeBtnGroup->addButton(gripperRadio, 1);

    QPushButton *pumpOnBtn = createButton(
        panel, "pumpOnBtn", tr("On"), PanelStyles::greyButton(), QRect(1079, 91, 85, 32));
    QPushButton *pumpOffBtn = createButton(
        panel, "pumpOffBtn", tr("Off"), PanelStyles::greyButton(), QRect(1079, 123, 85, 32));
    pumpOnBtn->setCheckable(true);
    pumpOffBtn->setCheckable(true);
    pumpOffBtn->setChecked(true);
    auto *pumpEndTypeBtnGroup = new QButtonGroup(panel);
    pumpEndTypeBtnGroup->setObjectName(QStringLiteral("pumpEndTypeBtnGroup"));
    pumpEndTypeBtnGroup->setExclusive(true);
    pumpEndTypeBtnGroup->addButton(pumpOnBtn, 0);
    pumpEndTypeBtnGroup->addButton(pumpOffBtn, 1);
    jogCtrlBtnMapper->setMapping(createButton(panel, "gripperAddBtn", tr("Gripper+"),
                                     PanelStyles::greyButton(), QRect(1079, 168, 85, 33)),
        gripperAddId);
    jogCtrlBtnMapper->setMapping(createButton(panel, "gripperSubBtn", tr("Gripper-"),
                                     PanelStyles::greyButton(), QRect(1079, 205, 85, 33)),
        gripperSubId);

    const int storedRatio = clampedSliderValue(COptions::instance()->jogParams().velocityRatio,
        velocityRatio->minimum(), velocityRatio->maximum());
    velocityRatio->setValue(storedRatio);
    velocitySpinBox->setValue(storedRatio);
    connect(velocityRatio, SIGNAL(valueChanged(int)), velocitySpinBox, SLOT(setValue(int)));
    connect(velocitySpinBox, SIGNAL(valueChanged(int)), velocityRatio, SLOT(setValue(int)));
    connect(velocityRatio, SIGNAL(valueChanged(int)), jogVelocityRatioTimer, SLOT(start()));

    connect(jogMode, SIGNAL(currentIndexChanged(int)), this, SLOT(onJogModeChanged(int)));
    onJogModeChanged(jogMode->currentIndex());

    for (int id = 0; id <= gripperSubId; ++id) {
        QObject *button = jogCtrlBtnMapper->mapping(id);
        connect(button, SIGNAL(pressed()), jogCtrlBtnMapper, SLOT(map()));
        connect(button, SIGNAL(released()), this, SLOT(onJogCtrlBtnReleased()));
    }
    connect(jogCtrlBtnMapper, SIGNAL(mapped(int)), this, SLOT(onJogCtrlBtnPressed(int)));

    connect(endTypeBtnGroup, SIGNAL(buttonClicked(int)), this, SLOT(onEndTypeChanged(int)));
    onEndTypeChanged(0);
    connect(pumpEndTypeBtnGroup, SIGNAL(buttonClicked(int)), this, SLOT(onGrabToggled(int)));
}

void MainWindow::sendJogInstantCmd(int cmd)
{
    const auto *jogMode = teachPanel->findChild<CComboBox *>(QStringLiteral("jogMode"));
    JogInstantCmd jogCmd {};
    jogCmd.isJoint = jogMode->currentIndex() == 0 ? 1 : 0;
    jogCmd.cmd = cmd;
    SetJogInstantCmd(&jogCmd);
}

void MainWindow::onJogModeChanged(int index)
{
    for (const JogButton &jog : jogButtons) {
        auto *button = teachPanel->findChild<QPushButton *>(QLatin1String(jog.objectName));
        button->setText(tr(index == 0 ? jog.axisText : jog.linearText));
    }
}

void MainWindow::onJogCtrlBtnPressed(int index)
{
    if (index >= 0 && index < int(std::size(jogButtons)))
        sendJogInstantCmd(jogButtons[index].command);
    else if (index == gripperAddId)
        sendJogInstantCmd(JogGripperPlus);
    else if (index == gripperSubId)
        sendJogInstantCmd(JogGripperMinus);
}

void MainWindow::onJogCtrlBtnReleased()
{
    sendJogInstantCmd(JogStop);
}

void MainWindow::onGrabToggled(int checked)
{
    sendJogInstantCmd(checked == 0 ? JogPumpOn : JogPumpOff);
}

void MainWindow::onLaserToggled(bool checked)
{
    sendJogInstantCmd(checked ? JogLaserOn : JogLaserOff);
}

void MainWindow::onEndTypeChanged(int index)
{
    if (index != 0 && index != 1)
        return;
    const bool pump = index == 0;
    for (const char *name : { "pumpOnBtn", "pumpOffBtn" })
        teachPanel->findChild<QPushButton *>(QLatin1String(name))->setEnabled(pump);
    for (const char *name : { "gripperAddBtn", "gripperSubBtn" })
        teachPanel->findChild<QPushButton *>(QLatin1String(name))->setEnabled(!pump);
}

void MainWindow::onJogVelocityRatioChanged()
{
    const int value = teachPanel->findChild<QSlider *>(QStringLiteral("velocityRatio"))->value();
    qDebug() << "Jog velocity ratio:" << value;
    COptions::instance()->setJogVelocityRatio(float(value));
    JogDynamicParams params {};
    params.velocityRatio = float(value);
    SetJogDynamicParams(&params);
}

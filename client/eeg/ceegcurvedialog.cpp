// CEEGCurveDialog: charts the headset's noise, attention and meditation of the last 16 seconds.
#include "eeg/ceegcurvedialog.h"

#include "eeg/ceegtimeticker.h"
#include "widgets/cwidget.h"

#include <QDateTime>
#include <qcustomplot.h>

namespace {
const double shownSeconds = 16.0;
const double rightMarginSeconds = 0.25;
} // namespace

CEEGCurveDialog::CEEGCurveDialog(QWidget *parent)
    : CDialog(parent)
{
    auto *frame = new CWidget(this);
    frame->setFixedSize(800, 522);
    frame->setWindowTitle(tr("EEG Curve"));
    frame->move((width() - frame->width()) / 2, (height() - frame->height()) / 2);
    connect(frame, SIGNAL(closeBtnClicked()), this, SLOT(reject()));

    plot = new QCustomPlot(frame);
    frame->setContentWidget(plot);
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables
        | QCP::iSelectAxes | QCP::iSelectLegend);
    plot->setFixedSize(800, 480);
    plot->legend->setVisible(true);
    plot->legend->setFont(QFont(QStringLiteral("微软雅黑"), 12));

    addGraph(Qt::red, QStringLiteral("Noise"), QColor(245, 145, 138, 255));
    plot->graph(0)->setAntialiasedFill(false);
    addGraph(Qt::green, QStringLiteral("Attention"), QColor(145, 195, 138, 255));
    addGraph(Qt::blue, QStringLiteral("Mediation"), QColor(145, 145, 238, 255));

    plot->xAxis->setTicker(QSharedPointer<CEEGTimeTicker>::create(2.0));
    plot->axisRect()->setupFullAxesBox(false);
    // The box copies the tick settings but not the ticker, so the top ticks would not line up.
    plot->xAxis2->setTicker(plot->xAxis->ticker());
    plot->yAxis->setRange(0, 210);
    connect(plot->xAxis, SIGNAL(rangeChanged(QCPRange)), plot->xAxis2, SLOT(setRange(QCPRange)));
    connect(plot->yAxis, SIGNAL(rangeChanged(QCPRange)), plot->yAxis2, SLOT(setRange(QCPRange)));
    // The box copied the left range before it was set; the right axis would tick a 0..5 scale.
    plot->yAxis2->setRange(plot->yAxis->range());

    plot->plotLayout()->insertRow(0);
    linkStatus = new QCPTextElement(plot, QString(), QFont(QStringLiteral("微软雅黑"), 10));
    linkStatus->setObjectName(QStringLiteral("linkStatus"));
    plot->plotLayout()->addElement(0, 0, linkStatus);
    showLinkState();

    connect(CEEGManager::instance(), SIGNAL(newFrame(CEEGManager::EEGData)), this,
        SLOT(onNewFrame(CEEGManager::EEGData)));
    connect(CEEGManager::instance(), SIGNAL(linkStateChanged()), this, SLOT(showLinkState()));
}

void CEEGCurveDialog::showLinkState()
{
    const CEEGManager *manager = CEEGManager::instance();
    const QString port = manager->portName();
    QString text;
    switch (manager->linkState()) {
    case CEEGManager::LinkState::Searching:
        text = tr("Looking for the headset...");
        break;
    case CEEGManager::LinkState::NoPort:
        text = tr("No headset found: no serial port is described as \"%1\". Set %2 to the "
                  "headset's port.")
                   .arg(CEEGManager::bridgeDescription(), CEEGManager::portVariableName());
        break;
    case CEEGManager::LinkState::OpenFailed:
        text = tr("The headset's port %1 cannot be opened: %2").arg(port, manager->portError());
        break;
    case CEEGManager::LinkState::Reading:
        text = tr("Reading the headset on %1, waiting for frames...").arg(port);
        break;
    case CEEGManager::LinkState::Receiving:
        text = tr("Receiving frames from the headset on %1").arg(port);
        break;
    case CEEGManager::LinkState::Lost:
        // The port's own error text is seldom telling here ("Unknown error"); it goes to the log.
        text = tr("The headset on %1 was lost: it was unplugged, or its port stopped answering.")
                   .arg(port);
        break;
    }
    linkStatus->setText(text);
    plot->replot(QCustomPlot::rpQueuedReplot);
}

void CEEGCurveDialog::addGraph(const QColor &pen, const QString &name, const QColor &fill)
{
    QCPGraph *graph = plot->addGraph();
    graph->setPen(QPen(pen));
    graph->setName(name);
    graph->setBrush(QBrush(fill));
}

void CEEGCurveDialog::onNewFrame(CEEGManager::EEGData eegData)
{
    const double key = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    const double values[]
        = { double(eegData.noise), double(eegData.attention), double(eegData.mediation) };
    for (int i = 0; i < 3; ++i) {
        plot->graph(i)->addData(key, values[i]);
        plot->graph(i)->data()->removeBefore(key - shownSeconds);
    }
    plot->xAxis->setRange(key + rightMarginSeconds, shownSeconds, Qt::AlignRight);
    // Queued, so that frames arriving faster than the screen repaints cost one drawing per pass
    // of the event loop instead of one each.
    plot->replot(QCustomPlot::rpQueuedReplot);
}

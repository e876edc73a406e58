// The download utility's window: building it, the hex file, and the avrdude run with its output.
#include "mainwindow.h"

#include "boardport.h"
#include "cavrdudeprocess.h"
#include "cfilelocations.h"
#include "componentversion.h"
#include "intelhex.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCommandLineParser>
#include <QDebug>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCodec>
#include <QTimer>
#include <QToolBar>

namespace {
// avrdude prints a progress mark every few percent of a write or a verify, under a second apart
// even for the whole flash; its longest silence is its own 5 s receive time-out against a board
// that does not answer, which it then reports itself. 30 s stays well clear of both.
constexpr int defaultStallSeconds = 30;
// How long avrdude may take to end when asked to before it is killed.
constexpr int killDelayMs = 3000;

// ARVEX_DOWNLOAD_STALL_SECONDS, when set to a positive number, replaces the default.
int stallSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("ARVEX_DOWNLOAD_STALL_SECONDS", &ok);
    return ok && seconds > 0 ? qMin(seconds, 24 * 3600) : defaultStallSeconds;
}

QString shippedAvrdude()
{
#ifdef Q_OS_WIN
    return QStringLiteral("%1/file/avrdude.exe").arg(QCoreApplication::applicationDirPath());
#else
    return QStringLiteral("%1/file/avrdude").arg(QCoreApplication::applicationDirPath());
#endif
}

// The shipped avrdude; outside Windows the system's one on the PATH when none is shipped.
// Empty when there is none.
QString findAvrdude()
{
    const QString shipped = shippedAvrdude();
    if (QFileInfo::exists(shipped))
        return shipped;
#ifdef Q_OS_WIN
    return QString();
#else
    return QStandardPaths::findExecutable(QStringLiteral("avrdude"));
#endif
}

QByteArray upToFirstZero(QByteArray bytes)
{
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return bytes;
}

void scrollToEnd(QPlainTextEdit *view)
{
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}
} // namespace

MainWindow::MainWindow(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
{
    QCommandLineParser parser;
    const QCommandLineOption autoOption(
        QStringLiteral("auto"), tr("Load the shipped firmware and download it to the board."));
    parser.addOption(autoOption);
    parser.process(arguments);

    setWindowTitle(QStringLiteral("ArvexDownloadUtil v%1")
                       .arg(getComponentVersion(QStringLiteral("ArvexDownloadUtil"), true)));

    setMinimumSize(1000, 500);
    hexView = new QPlainTextEdit(this);
    hexView->setObjectName(QStringLiteral("hexView"));
    hexView->setReadOnly(true);
    hexView->setFixedWidth(400);
    setCentralWidget(hexView);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    createDockWindows();

    stallTimer = new QTimer(this);
    stallTimer->setSingleShot(true);
    connect(stallTimer, SIGNAL(timeout()), this, SLOT(onStallTimeout()));

    if (parser.isSet(autoOption)) {
        autoMode = true;
        openFile();
        if (downloadAct->isEnabled())
            download();
    }
}

void MainWindow::createActions()
{
    openAct = new QAction(QIcon(QStringLiteral(":/open.png")), tr("&Open..."), this);
    openAct->setObjectName(QStringLiteral("openAct"));
    openAct->setShortcuts(QKeySequence::Open);
    openAct->setStatusTip(tr("Open an existing file"));
    connect(openAct, SIGNAL(triggered()), this, SLOT(openFile()));

    closeAct = new QAction(tr("Close"), this);
    closeAct->setObjectName(QStringLiteral("closeAct"));
    closeAct->setShortcuts(QKeySequence::Close);
    closeAct->setStatusTip(tr("Close existing file"));
    closeAct->setEnabled(false);
    connect(closeAct, SIGNAL(triggered()), this, SLOT(closeFile()));

    exitAct = new QAction(tr("E&xit"), this);
    exitAct->setObjectName(QStringLiteral("exitAct"));
    exitAct->setShortcuts(QKeySequence::Quit);
    exitAct->setStatusTip(tr("Exit the application"));
    connect(exitAct, SIGNAL(triggered()), this, SLOT(close()));

    downloadAct = new QAction(QIcon(QStringLiteral(":/download.png")), tr("&Download"), this);
    downloadAct->setObjectName(QStringLiteral("downloadAct"));
    downloadAct->setStatusTip(tr("Download the arduino code"));
    downloadAct->setEnabled(false);
    connect(downloadAct, SIGNAL(triggered()), this, SLOT(download()));

    cancelAct = new QAction(QIcon(QStringLiteral(":/cancel.png")), tr("&Cancel"), this);
    cancelAct->setObjectName(QStringLiteral("cancelAct"));
    cancelAct->setStatusTip(tr("Stop the running download"));
    cancelAct->setEnabled(false);
    connect(cancelAct, SIGNAL(triggered()), this, SLOT(cancelDownload()));

    aboutAct = new QAction(tr("&About"), this);
    aboutAct->setObjectName(QStringLiteral("aboutAct"));
    aboutAct->setStatusTip(tr("Show the application's About box"));
    connect(aboutAct, SIGNAL(triggered()), this, SLOT(about()));

    aboutQtAct = new QAction(tr("About &Qt"), this);
    aboutQtAct->setObjectName(QStringLiteral("aboutQtAct"));
    aboutQtAct->setStatusTip(tr("Show the Qt library's About box"));
    connect(aboutQtAct, SIGNAL(triggered()), qApp, SLOT(aboutQt()));
}

void MainWindow::createMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(openAct);
    fileMenu->addSeparator();
    fileMenu->addAction(closeAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    menuBar()->addSeparator();

    QMenu *arduinoMenu = menuBar()->addMenu(tr("&Arduino"));
    arduinoMenu->addAction(downloadAct);
    arduinoMenu->addAction(cancelAct);

    // The Output dock adds its show/hide toggle once it exists.
    viewMenu = menuBar()->addMenu(tr("&View"));

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAct);
    helpMenu->addAction(aboutQtAct);
}

void MainWindow::createToolBars()
{
    QToolBar *fileToolBar = addToolBar(tr("File"));
    fileToolBar->setObjectName(QStringLiteral("fileToolBar"));
    fileToolBar->addAction(openAct);

    QToolBar *toolToolBar = addToolBar(tr("Tool"));
    toolToolBar->setObjectName(QStringLiteral("toolToolBar"));
    toolToolBar->addAction(downloadAct);
    toolToolBar->addAction(cancelAct);
}

void MainWindow::createStatusBar()
{
    statusBar()->showMessage(tr("Ready"));
    runStatus = new QLabel(statusBar());
    runStatus->setObjectName(QStringLiteral("runStatus"));
    statusBar()->addPermanentWidget(runStatus);
}

void MainWindow::createDockWindows()
{
    outputDock = new QDockWidget(tr("Output"), this);
    outputDock->setObjectName(QStringLiteral("outputDock"));
    outputDock->setAllowedAreas(Qt::RightDockWidgetArea);
    outputView = new QPlainTextEdit(outputDock);
    outputView->setObjectName(QStringLiteral("outputView"));
    outputView->setReadOnly(true);
    outputDock->setWidget(outputView);
    addDockWidget(Qt::RightDockWidgetArea, outputDock);
    viewMenu->addAction(outputDock->toggleViewAction());
}

void MainWindow::setFileActionsEnabled(bool enabled)
{
    closeAct->setEnabled(enabled);
    downloadAct->setEnabled(enabled);
}

MainWindow::~MainWindow()
{
    // The process goes with the children, after this class's part of the window is gone.
    if (avrdudeProcess)
        avrdudeProcess->disconnect(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!avrdudeProcess) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeWhenStopped)
        return;
    QMessageBox question(QMessageBox::Warning, tr("Warning"),
        tr("A download is running. Closing now can leave the board without working firmware."),
        QMessageBox::NoButton, this);
    QPushButton *waitButton = question.addButton(tr("Wait"), QMessageBox::RejectRole);
    QPushButton *closeButton = question.addButton(tr("Close anyway"), QMessageBox::DestructiveRole);
    question.setDefaultButton(waitButton);
    question.setEscapeButton(waitButton);
    question.exec();
    if (question.clickedButton() != closeButton)
        return;
    // The run may have ended while the question was open.
    if (!avrdudeProcess) {
        event->accept();
        return;
    }
    closeWhenStopped = true;
    cancelDownload();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!warnNotConnectedWhenShown)
        return;
    warnNotConnectedWhenShown = false;
    // Once the window is up rather than from within its showing.
    QTimer::singleShot(0, this, &MainWindow::warnNotConnected);
}

void MainWindow::openFile()
{
    const bool wasAutoMode = autoMode;
    autoMode = false;

    QString fileName;
    if (wasAutoMode) {
        fileName = CFileLocations::instance()->shippedFile(QStringLiteral("hex/ArvexFirmware.hex"));
    } else {
        fileName = QFileDialog::getOpenFileName(
            this, tr("Open hex file..."), QStringLiteral("./"), tr("Hex(*.hex)"));
        if (fileName.isEmpty())
            return;
    }

    QFile file(fileName);
    QString error;
    // Reading a named pipe waits for a writer, for ever; a device may never end.
    if (QFileInfo::exists(fileName) && !QFileInfo(fileName).isFile())
        error = tr("it is not a regular file");
    else
        error = file.open(QIODevice::ReadOnly) ? intelHexError(&file) : file.errorString();
    if (!error.isEmpty()) {
        // In "--auto" mode nobody is at the keyboard yet; "Output" is what the user finds.
        if (wasAutoMode)
            showVerdict(tr("Download not started: cannot read the firmware file %1: %2.")
                            .arg(fileName, error));
        else
            QMessageBox::warning(
                this, tr("Application"), tr("Cannot read file %1:\n%2.").arg(fileName, error));
        return;
    }
    file.seek(0);

    currentHexFile = fileName;
    // A second avrdude on the port would spoil the write that is running; the run's end enables
    // Download again.
    setFileActionsEnabled(!avrdudeProcess);
    hexView->clear();
    hexView->setPlainText(QString::fromLatin1(upToFirstZero(file.readAll())));
    statusBar()->showMessage(tr("File loaded"), 2000);
}

void MainWindow::closeFile()
{
    currentHexFile.clear();
    setFileActionsEnabled(false);
    hexView->clear();
}

void MainWindow::download()
{
    // Nothing of the last run may pass for this one's verdict.
    outputView->clear();
    statusBar()->clearMessage();

    const QVector<BoardPort> ports = availableBoardPorts();
    const int boardIndex = findBoardPort(ports);
    if (boardIndex < 0) {
        showVerdict(tr("Download not started: no serial port is described as \"%1\". Connect the "
                       "board, or name its port in ARVEX_BOARD_PORT.")
                        .arg(boardDescription));
        // An "--auto" start gets here before the window is shown.
        if (isVisible())
            warnNotConnected();
        else
            warnNotConnectedWhenShown = true;
        return;
    }
    const BoardPort &board = ports.at(boardIndex);
    qDebug() << board.portName;
    qDebug() << board.description;
    qDebug() << board.manufacturer;
    qDebug() << board.portName;

    setFileActionsEnabled(false);

    const QString program = findAvrdude();
    if (program.isEmpty()) {
#ifdef Q_OS_WIN
        appendOutputLine(tr("avrdude was not found: there is no %1.").arg(shippedAvrdude()));
#else
        appendOutputLine(tr("avrdude was not found: there is no %1 and no avrdude on the PATH.")
                             .arg(shippedAvrdude()));
#endif
        finishDownload(tr("Download failed: avrdude could not be started."));
        return;
    }

    const QStringList arguments {
        QStringLiteral("-v"),
        QStringLiteral("-patmega2560"),
        QStringLiteral("-cwiring"),
        QStringLiteral("-P%1").arg(avrdudePortName(board)),
        QStringLiteral("-b%1").arg(115200),
        QStringLiteral("-D"),
        QStringLiteral("-Uflash:w:%1:i").arg(currentHexFile),
    };

    outputDecoder.reset(QTextCodec::codecForLocale()->makeDecoder());
    avrdudeProcess = new CAvrdudeProcess(this);
    avrdudeProcess->setProcessChannelMode(QProcess::MergedChannels);
    connect(avrdudeProcess, SIGNAL(readyRead()), this, SLOT(onProcessReadyRead()));
    connect(avrdudeProcess, SIGNAL(finished(int, QProcess::ExitStatus)), this,
        SLOT(onProcessFinished(int, QProcess::ExitStatus)));
    connect(avrdudeProcess, SIGNAL(errorOccurred(QProcess::ProcessError)), this,
        SLOT(onProcessErrorOccurred(QProcess::ProcessError)));
    // Before start(): a program that cannot start may end the run from within it.
    runStop = RunStop::None;
    cancelAct->setEnabled(true);
    stallTimer->start(stallSeconds() * 1000);
    runStatus->setText(tr("Downloading..."));
    avrdudeProcess->start(program, arguments, QIODevice::ReadWrite);
}

void MainWindow::cancelDownload()
{
    if (!avrdudeProcess)
        return;
    runStop = RunStop::Canceled;
    stopAvrdude();
}

void MainWindow::onStallTimeout()
{
    if (!avrdudeProcess)
        return;
    runStop = RunStop::Stalled;
    stopAvrdude();
}

void MainWindow::stopAvrdude()
{
    stallTimer->stop();
    cancelAct->setEnabled(false);
    avrdudeProcess->stop(killDelayMs);
}

void MainWindow::about()
{
    QMessageBox::about(this, tr("About Application"),
        tr("The <b>Application</b> example demonstrates how to write modern GUI "
           "applications using Qt, with a menu bar, toolbars, and a status bar."));
}

void MainWindow::onProcessReadyRead()
{
    if (!avrdudeProcess)
        return;
    const QByteArray output = upToFirstZero(avrdudeProcess->readAll());
    // Always at the end, wherever a click in the view left the cursor.
    outputView->moveCursor(QTextCursor::End);
    outputView->textCursor().insertText(outputDecoder->toUnicode(output));
    scrollToEnd(outputView);
    if (stallTimer->isActive())
        stallTimer->start();
}

void MainWindow::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    onProcessReadyRead();
    qDebug() << exitCode;
    if (runStop == RunStop::Canceled)
        finishDownload(tr("Download canceled"));
    else if (runStop == RunStop::Stalled)
        finishDownload(tr("Download failed: the board stopped answering (avrdude wrote nothing "
                          "for %1 s).")
                           .arg(stallTimer->interval() / 1000));
    else if (exitStatus == QProcess::CrashExit)
        finishDownload(tr("Download failed: avrdude crashed."));
    else if (exitCode == 0)
        finishDownload(tr("Download succeeded: avrdude finished with exit code 0."));
    else
        finishDownload(tr("Download failed: avrdude finished with exit code %1.").arg(exitCode));
}

void MainWindow::onProcessErrorOccurred(QProcess::ProcessError error)
{
    // Every other error ends in finished(); a program that never started does not.
    if (error != QProcess::FailedToStart || !avrdudeProcess)
        return;
    appendOutputLine(tr("avrdude could not be started: %1").arg(avrdudeProcess->errorString()));
    finishDownload(tr("Download failed: avrdude could not be started."));
}

void MainWindow::finishDownload(const QString &verdict)
{
    if (avrdudeProcess) {
        avrdudeProcess->deleteLater();
        avrdudeProcess = nullptr;
    }
    stallTimer->stop();
    cancelAct->setEnabled(false);
    showVerdict(verdict);
    setFileActionsEnabled(true);
    if (closeWhenStopped)
        close();
}

void MainWindow::showVerdict(const QString &line)
{
    appendOutputLine(line);
    runStatus->setText(line);
}

void MainWindow::warnNotConnected()
{
    QMessageBox::warning(
        this, tr("Warning"), QStringLiteral("Arvex is not connected!"), QMessageBox::Ok);
}

void MainWindow::appendOutputLine(const QString &line)
{
    outputView->moveCursor(QTextCursor::End);
    QTextCursor cursor = outputView->textCursor();
    if (cursor.positionInBlock() > 0)
        cursor.insertText(QStringLiteral("\n"));
    cursor.insertText(line + QLatin1Char('\n'));
    scrollToEnd(outputView);
}

// The download utility's window: the hex file, avrdude's output and the download run.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QProcess>

#include <memory>

class CAvrdudeProcess;
class QAction;
class QCloseEvent;
class QDockWidget;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QShowEvent;
class QTextDecoder;
class QTimer;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Parses the command line; with "--auto" loads the shipped firmware and starts the download
    // before the window is first shown.
    explicit MainWindow(const QStringList &arguments, QWidget *parent = nullptr);
    // Lets a running avrdude go without telling this half-destroyed window.
    ~MainWindow() override;

protected:
    // While avrdude writes, asks before closing; a confirmed close waits until avrdude has ended.
    void closeEvent(QCloseEvent *event) override;
    // Shows the "not connected" warning of an "--auto" start over the window.
    void showEvent(QShowEvent *event) override;

private slots:
    void openFile();
    void closeFile();
    void download();
    void about();
    void onProcessReadyRead();
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onProcessErrorOccurred(QProcess::ProcessError error);
    void cancelDownload();
    void onStallTimeout();

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createDockWindows();
    void setFileActionsEnabled(bool enabled);
    // Ends a run: the verdict as the last line of "Output" and in the status bar.
    void finishDownload(const QString &verdict);
    // Asks avrdude to end, and kills it when it does not; its end then finishes the run.
    void stopAvrdude();
    // A line in "Output" that the status bar repeats.
    void showVerdict(const QString &line);
    void warnNotConnected();
    void appendOutputLine(const QString &line);

    // Why the run is being ended by this window rather than by avrdude itself.
    enum class RunStop { None, Canceled, Stalled };

    QPlainTextEdit *hexView = nullptr;
    QPlainTextEdit *outputView = nullptr;
    // The state of the run, beside the status bar's passing messages and tips, which would hide it.
    QLabel *runStatus = nullptr;
    QDockWidget *outputDock = nullptr;
    QMenu *viewMenu = nullptr;
    QAction *openAct = nullptr;
    QAction *closeAct = nullptr;
    QAction *exitAct = nullptr;
    QAction *downloadAct = nullptr;
    QAction *cancelAct = nullptr;
    QAction *aboutAct = nullptr;
    QAction *aboutQtAct = nullptr;
    QString currentHexFile;
    QPointer<CAvrdudeProcess> avrdudeProcess;
    // Kept for the whole run: a letter may come split between two reads.
    std::unique_ptr<QTextDecoder> outputDecoder;
    // Runs while avrdude is silent; a board that went away leaves avrdude waiting for ever.
    QTimer *stallTimer = nullptr;
    RunStop runStop = RunStop::None;
    bool closeWhenStopped = false;
    bool warnNotConnectedWhenShown = false;
    bool autoMode = false;
};

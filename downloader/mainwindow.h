// The download utility's window: the hex file, avrdude's output and the download run.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QProcess>

class QAction;
class QDockWidget;
class QMenu;
class QPlainTextEdit;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Parses the command line; with "--auto" loads the shipped firmware and starts the download
    // before the window is first shown.
    explicit MainWindow(const QStringList &arguments, QWidget *parent = nullptr);

private slots:
    void openFile();
    void closeFile();
    void download();
    void about();
    void onProcessReadyRead();
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onProcessErrorOccurred(QProcess::ProcessError error);

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createDockWindows();
    void setFileActionsEnabled(bool enabled);
    // Ends a run: the verdict as the last line of "Output" and in the status bar.
    void finishDownload(const QString &verdict);
    void appendOutputLine(const QString &line);

    QPlainTextEdit *hexView = nullptr;
    QPlainTextEdit *outputView = nullptr;
    QDockWidget *outputDock = nullptr;
    QMenu *viewMenu = nullptr;
    QAction *openAct = nullptr;
    QAction *closeAct = nullptr;
    QAction *exitAct = nullptr;
    QAction *downloadAct = nullptr;
    QAction *aboutAct = nullptr;
    QAction *aboutQtAct = nullptr;
    QString currentHexFile;
    QPointer<QProcess> avrdudeProcess;
    bool autoMode = false;
};

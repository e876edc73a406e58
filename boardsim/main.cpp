// A simulated controller board for trying the download utility without hardware.
#include "simulatedboard.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates an Arduino Mega 2560 with the wiring bootloader on a pseudo-terminal, so that\n"
        "avrdude and ArvexDownloadUtil can write and verify firmware without a board. Prints the\n"
        "terminal's name and runs until interrupted."));
    parser.addHelpOption();
    parser.process(app);
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty()) {
        QTextStream(stderr) << QCoreApplication::applicationName() << ": unexpected argument '"
                            << stray.first() << "'\n"
                            << parser.helpText();
        return 2;
    }

    QTextStream out(stdout);

    SimulatedBoard board;
    if (!board.open()) {
        QTextStream(stderr) << "No pseudo-terminal for the simulated board.\n";
        return 1;
    }
    QObject::connect(&board, &SimulatedBoard::sessionEnded, [&out](int bytesWritten) {
        out << "Programming session ended: " << bytesWritten << " bytes written.\n";
        out.flush();
    });
    QObject::connect(&board, &SimulatedBoard::unknownCommand, [&out](quint8 command) {
        out << "Unknown command 0x" << QString::number(command, 16) << " answered as unknown.\n";
        out.flush();
    });
    out << "Simulated Arduino Mega 2560 (wiring bootloader) on " << board.portName() << "\n"
        << "Try: ARVEX_BOARD_PORT=" << board.portName() << " ./ArvexDownloadUtil --auto\n";
    out.flush();
    return app.exec();
}

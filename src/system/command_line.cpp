#include "system/command_line.h"

#include "app_info.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

void describeApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("shogi-clock"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(app_info::kMajor)
                                                .arg(app_info::kMinor)
                                                .arg(app_info::kRevision));
    // Lets Wayland shells match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(app_info::kDesktopId));
}

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's own options, as -reverse, are single-dash words: read as letters they would hold v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A shogi game clock for two players at one keyboard, with spoken "
                       "byoyomi.\nSpace ends the left player's move, Enter the right "
                       "player's. See shogi-clock(6)."));
    // Qt's own help option would also offer --help-all, which this parser doesn't answer.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Unknown arguments make parse() return false; they are ignored all the same.
    parser.parse(arguments);
    QString text;
    // Users type the command, not the program's path in libexec that Qt's usage line shows.
    if (parser.isSet(help))
        text = QStringLiteral("Usage: %1 [options]\n").arg(QCoreApplication::applicationName()) +
               parser.helpText().section(QLatin1Char('\n'), 1);
    else if (parser.isSet(version))
        text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                             QCoreApplication::applicationVersion());
    else
        return std::nullopt;
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return EXIT_SUCCESS;
}

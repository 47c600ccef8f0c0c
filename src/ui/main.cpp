#include "ui/app_settings.h"
#include "ui/app_windows.h"
#include "ui/crash_recovery.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"
#include "ui/single_window.h"
#include "ui/style.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

struct Options {
    // Set when the program ends at once with this status.
    std::optional<int> exitStatus;
    QString recoveryDir;
    int autosaveSeconds = tolvar::CrashRecovery::DefaultSeconds;
    QString mapFile;
    bool resetSettings = false;
};

Options endWith(int status, const QString& text)
{
    std::fputs(qPrintable(text), status == 0 ? stdout : stderr);
    Options options;
    options.exitStatus = status;
    return options;
}

// The command line; --help and --version answer and end the program before
// any window opens, as does a bad option.
Options parseOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription("Tolvar, the height-map editor.");
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption dirOption("recovery-dir", "Keep recovery copies in <dir>.", "dir");
    const QCommandLineOption secondsOption("autosave-seconds", "Write a recovery copy every <n> seconds (60).", "n");
    const QCommandLineOption resetOption("reset-settings",
                                         "Forget the recent files, the brush, the height scale and the window "
                                         "places, and start as on a first run.");
    parser.addOptions({dirOption, secondsOption, resetOption});
    parser.addPositionalArgument("map", "A height file (.hgt) to open.", "[map]");
    if (!parser.parse(arguments))
        return endWith(1, "tolvar: " + parser.errorText() + "\n");
    if (parser.isSet(helpOption))
        return endWith(0, parser.helpText().replace("<executable_name>", "tolvar"));
    if (parser.isSet(versionOption))
        return endWith(0, "tolvar " TOLVAR_VERSION "\n");

    Options options;
    options.recoveryDir = parser.isSet(dirOption)
                              ? parser.value(dirOption)
                              : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/recovery";
    if (parser.isSet(secondsOption)) {
        bool ok = false;
        options.autosaveSeconds = parser.value(secondsOption).toInt(&ok);
        if (!ok || options.autosaveSeconds < 1 || options.autosaveSeconds > 24 * 3600)
            return endWith(1, "tolvar: --autosave-seconds takes 1 to 86400 seconds\n");
    }
    if (!parser.positionalArguments().isEmpty())
        options.mapFile = parser.positionalArguments().first();
    options.resetSettings = parser.isSet(resetOption);
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName("tolvar");
    const Options options = parseOptions(argc, argv);
    if (options.exitStatus)
        return *options.exitStatus;

    // The 3D View moves between its own window and the single window; one
    // context shared by all windows lets it keep its picture across the move.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    tolvar::applyStyle(app);
    tolvar::QtPrompter prompter;
    const auto settings = tolvar::AppSettings::forUser();
    if (options.resetSettings)
        settings->clear();
    tolvar::AppWindows windows(prompter, *settings);
    prompter.setParent(&windows.form1());
    QObject::connect(&windows.form1(), &tolvar::TForm1::closed, &app, &QApplication::quit);
    tolvar::CrashRecovery recovery(windows.form1().runner(), prompter, options.recoveryDir, options.autosaveSeconds);
    // Once the windows are up: the copy a closed Tolvar left, then the map
    // named on the command line, opened as File > Open does.
    QTimer::singleShot(0, &windows.form1(), [&] {
        recovery.offerLeftCopy();
        if (!options.mapFile.isEmpty())
            windows.form1().openHeightFile(options.mapFile.toStdString());
    });
    return app.exec();
}

#include "core/scripted_prompter.h"
#include "ui/app_settings.h"
#include "ui/app_windows.h"
#include "ui/batch_driver.h"
#include "ui/style.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <iostream>

namespace {

// The offscreen platform with one fixed 1280 x 1024 screen, so that window
// sizes do not depend on the machine the script runs on.
std::unique_ptr<QTemporaryFile> offscreenScreenConfig()
{
    auto config = std::make_unique<QTemporaryFile>();
    if (config->open()) {
        config->write(R"({"synchronousWindowSystemEvents": true, "windowFrameMargins": false,)"
                      R"( "screens": [{"name": "batch", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                      R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config->flush();
    }
    return config;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    bool onScreen = false;
    for (const std::string& option : arguments) {
        if (!option.starts_with("--"))
            break;
        if (option == "--help") {
            std::cout << tolvar::BatchDriver::helpText();
            return 0;
        }
        onScreen = onScreen || option == tolvar::BatchDriver::OnScreenOption;
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const auto config = offscreenScreenConfig();
    const QString startFolder = QDir::currentPath();
    if (!onScreen) {
        // Qt splits the platform's options at colons, as in a Windows drive
        // letter, so the platform reads the file by its bare name from its
        // own folder.
        const QFileInfo file(config->fileName());
        QDir::setCurrent(file.absolutePath());
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
    }
    // The 3D View moves between its own window and the single window; one
    // context shared by all windows lets it keep its picture across the move.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QDir::setCurrent(startFolder);
    tolvar::applyStyle(app);
    tolvar::ScriptedPrompter prompter;
    const auto folder = tolvar::BatchDriver::settingsFolder(arguments);
    const auto settings = folder ? tolvar::AppSettings::inFolder(QString::fromStdString(*folder))
                                 : tolvar::AppSettings::inMemory();
    tolvar::AppWindows windows(prompter, *settings);
    tolvar::BatchDriver driver(windows, prompter, std::cout, std::cerr);
    return driver.run(arguments);
}

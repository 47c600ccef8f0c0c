#include "ui/app_windows.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"
#include "ui/style.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tolvar::applyStyle(app);
    tolvar::QtPrompter prompter;
    tolvar::AppWindows windows(prompter);
    prompter.setParent(&windows.form1());
    QObject::connect(&windows.form1(), &tolvar::TForm1::closed, &app, &QApplication::quit);
    // "tolvar map.hgt" opens the file once the windows are up, as File > Open does.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        QTimer::singleShot(0, &windows.form1(), [&windows, path = arguments.at(1).toStdString()] {
            windows.form1().openHeightFile(path);
        });
    return app.exec();
}

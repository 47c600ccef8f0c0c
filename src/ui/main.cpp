#include "ui/app_windows.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"
#include "ui/style.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tolvar::applyStyle(app);
    tolvar::QtPrompter prompter;
    tolvar::AppWindows windows(prompter);
    prompter.setParent(&windows.form1());
    QObject::connect(&windows.form1(), &tolvar::TForm1::closed, &app, &QApplication::quit);
    return app.exec();
}

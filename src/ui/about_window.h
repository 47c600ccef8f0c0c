#pragma once

#include <QWidget>

namespace tolvar {

// "About Tolvar": title, picture and the program's credits.
class TfrmAbout : public QWidget {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

} // namespace tolvar

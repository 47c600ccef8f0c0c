#pragma once

#include <QWidget>

namespace tolvar {

// "frmToolbox": an empty, always-on-top strip below the views.
class TfrmToolbox : public QWidget {
public:
    explicit TfrmToolbox(QWidget* parent = nullptr) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    {
        setObjectName("frmToolbox");
        setWindowTitle("frmToolbox");
    }
};

} // namespace tolvar

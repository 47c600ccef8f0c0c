#pragma once

#include "views/view_form.h"

namespace tolvar {

// "Wireframe Display": the bitmap wireframe of the viewed window of the map.
class TfrmDisplay : public ViewForm {
    Q_OBJECT

public:
    explicit TfrmDisplay(QWidget* parent = nullptr);

    void redraw() override;

private:
    QWidget* imgDisplay_;
};

} // namespace tolvar

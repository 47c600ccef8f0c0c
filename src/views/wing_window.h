#pragma once

#include "views/view_form.h"

namespace tolvar {

// "WinG Wireframe": the wireframe drawn on the 8-bit surface, stretched over
// the client area.
class Tfrm1st : public ViewForm {
    Q_OBJECT

public:
    explicit Tfrm1st(QWidget* parent = nullptr);

    void redraw() override;

private:
    QWidget* wg1st_;
};

} // namespace tolvar

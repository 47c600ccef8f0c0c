#pragma once

#include "views/view_form.h"

namespace tolvar {

class TWinGImage;
class MapDocument;
class UiPort;

// "WinG Wireframe": the wireframe drawn on the 8-bit surface, stretched over
// the client area.
class Tfrm1st : public ViewForm {
    Q_OBJECT

public:
    // The menu's check marks choose the colours and the zoom overlay.
    Tfrm1st(const MapDocument& map, const UiPort& menu, QWidget* parent = nullptr);

    // DrawWinGWireframe
    void redraw() override;
    QImage viewBuffer() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const MapDocument& map_;
    const UiPort& menu_;
    TWinGImage* wg1st_;
    bool drawn_ = false;
};

} // namespace tolvar

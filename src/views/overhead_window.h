#pragma once

#include "views/view_form.h"

class QLabel;

namespace tolvar {

// "Overhead Map": the plan image of the whole map, the statistics line and
// the point readout.
class TfrmMapDisplay : public ViewForm {
    Q_OBJECT

public:
    explicit TfrmMapDisplay(QWidget* parent = nullptr);

    void redraw() override;
    // A blank plan for the current map size; every operation makes one.
    void newBitmap();
    void setPointInfo(const QString& text);

private:
    QWidget* imgMap_;
    QLabel* labPointInfo_;
    QLabel* labMapInfo_;
};

} // namespace tolvar

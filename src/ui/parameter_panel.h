#pragma once

#include "core/ui_port.h"

#include <QWidget>
#include <array>
#include <map>

class QAbstractButton;
class QLineEdit;

namespace tolvar {

// The main window's client area below the menu: the column of labelled
// parameter boxes and the six view buttons below them.
class ParameterPanel : public QWidget {
    Q_OBJECT

public:
    explicit ParameterPanel(QWidget* parent);

    // The control of a box (a line edit or an editable drop-down list).
    QWidget* box(Box box) const { return boxes_[static_cast<std::size_t>(box)]; }
    // Where the box's text is typed.
    QLineEdit* edit(Box box) const { return edits_[static_cast<std::size_t>(box)]; }
    QAbstractButton* button(const QString& name) const;
    const std::map<QString, QAbstractButton*>& buttons() const { return buttons_; }

private:
    void addBoxes();
    void addButtons();
    void setTabOrder();

    std::array<QWidget*, 10> boxes_{};
    std::array<QLineEdit*, 10> edits_{};
    std::map<QString, QAbstractButton*> buttons_;
};

} // namespace tolvar

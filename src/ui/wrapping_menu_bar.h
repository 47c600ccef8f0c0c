#pragma once

#include <QWidget>
#include <vector>

class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace tolvar {

// A menu bar that wraps its menus onto as many rows as the window's width
// needs, so that every menu stays visible in a narrow window. Each row is a
// plain QMenuBar.
class WrappingMenuBar : public QWidget {
    Q_OBJECT

public:
    WrappingMenuBar(std::vector<QMenu*> menus, QWidget* parent);

    // Lays the menus out again for the given width.
    void reflow(int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QMenuBar* newRow();

    std::vector<QMenu*> menus_;
    std::vector<QMenuBar*> rows_;
    QVBoxLayout* layout_;
    int width_ = -1;
};

} // namespace tolvar

#pragma once

#include <QWidget>
#include <utility>
#include <vector>

class QAbstractButton;
class QToolButton;

namespace tolvar {

class TForm1;

// "Toolbox": an always-on-top strip of icon buttons below the views. Each
// button runs its menu item or main-window button, and shows that control's
// enabled state and check mark.
class TfrmToolbox : public QWidget {
    Q_OBJECT

public:
    explicit TfrmToolbox(TForm1& form);

    // The buttons by the names of the controls they run, left to right.
    const std::vector<std::pair<QString, QToolButton*>>& buttons() const { return buttons_; }
    QToolButton* button(const QString& name) const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addButton(const QString& name, const QString& tip);
    void addMenuButton(QToolButton* button, const QString& name);
    void addPanelButton(QToolButton* button, QAbstractButton* original);
    void mirror(QToolButton* button, const QString& name);

    TForm1& form_;
    std::vector<std::pair<QString, QToolButton*>> buttons_;
};

} // namespace tolvar

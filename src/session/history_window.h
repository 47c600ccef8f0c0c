#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tolvar {

// "Session History": the recorded command lines, one per line, editable.
class TfrmHistory : public QWidget {
    Q_OBJECT

public:
    explicit TfrmHistory(QWidget* parent = nullptr);

    void appendLine(const QString& line);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* mmoHistory_;
};

} // namespace tolvar

#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace tolvar {

// "Session History": the recorded command lines, one per line, editable.
class TfrmHistory : public QWidget {
    Q_OBJECT

public:
    explicit TfrmHistory(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    // The memo's lines; a line break at the very end starts no further line.
    std::vector<std::string> lines() const;
    // Replaces the memo's whole text, as typing over it would.
    void setText(const QString& text);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* mmoHistory_;
};

} // namespace tolvar

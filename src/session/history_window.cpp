#include "session/history_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>

namespace tolvar {

TfrmHistory::TfrmHistory(QWidget* parent) : QWidget(parent, Qt::Window), mmoHistory_(new QPlainTextEdit(this))
{
    setObjectName("frmHistory");
    setWindowTitle("Session History");
    mmoHistory_->setObjectName("mmoHistory");
    mmoHistory_->setGeometry(8, 8, 289, 257);
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(11);
    mmoHistory_->setFont(font);
    mmoHistory_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmoHistory_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmoHistory_->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void TfrmHistory::appendLine(const QString& line) { mmoHistory_->appendPlainText(line); }

void TfrmHistory::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tolvar

#include "session/history_window.h"

#include <QCloseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    QPalette palette = mmoHistory_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    mmoHistory_->setPalette(palette);
    mmoHistory_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmoHistory_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmoHistory_->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void TfrmHistory::appendLine(const QString& line)
{
    // Text that ends in a line break has an empty last line, which is no
    // record of its own: the new line fills it.
    QTextDocument* document = mmoHistory_->document();
    if (document->blockCount() > 1 && document->lastBlock().text().isEmpty()) {
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        end.insertText(line);
    } else {
        mmoHistory_->appendPlainText(line);
    }
}

std::vector<std::string> TfrmHistory::lines() const
{
    QStringList texts = mmoHistory_->toPlainText().split('\n');
    if (texts.back().isEmpty())
        texts.removeLast();
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts)
        lines.push_back(text.toStdString());
    return lines;
}

void TfrmHistory::setText(const QString& text) { mmoHistory_->setPlainText(text); }

void TfrmHistory::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tolvar

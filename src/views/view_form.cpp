#include "views/view_form.h"

#include <QCloseEvent>

namespace tolvar {

void ViewForm::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void ViewForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace tolvar

#include "ui/remembered_boxes.h"

#include "ui/app_settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <stdexcept>

namespace tolvar {
namespace {

QVariant valueOf(const QWidget* box)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(box))
        return edit->text();
    if (const auto* list = qobject_cast<const QComboBox*>(box))
        return list->currentText();
    return qobject_cast<const QSpinBox*>(box)->value();
}

void fill(QWidget* box, const QVariant& value)
{
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setText(value.toString());
        emit edit->editingFinished();
    } else if (auto* list = qobject_cast<QComboBox*>(box)) {
        if (const int index = list->findText(value.toString()); index >= 0)
            list->setCurrentIndex(index);
    } else {
        qobject_cast<QSpinBox*>(box)->setValue(value.toInt());
    }
}

} // namespace

void RememberedBoxes::add(QWidget& window, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* box = window.findChild<QWidget*>(name);
        if (!qobject_cast<QLineEdit*>(box) && !qobject_cast<QComboBox*>(box) && !qobject_cast<QSpinBox*>(box))
            throw std::logic_error(std::string("no box to remember named ") + name);
        const QString key = window.objectName() + '/' + name;
        if (const QVariant value = settings_.value(key); value.isValid())
            fill(box, value);
        boxes_.push_back({key, box});
    }
}

void RememberedBoxes::note() const
{
    for (const auto& [key, box] : boxes_)
        settings_.setValue(key, valueOf(box));
}

} // namespace tolvar

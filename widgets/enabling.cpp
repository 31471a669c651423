#include "widgets/enabling.h"

#include <QAbstractButton>
#include <QList>

void enableAll(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

void enableWith(QAbstractButton* box, std::initializer_list<QWidget*> controls, While state) {
    const auto follow = [dependents = QList<QWidget*>(controls), state](bool checked) {
        for (QWidget* control : dependents)
            control->setEnabled(checked == (state == While::Checked));
    };
    QObject::connect(box, &QAbstractButton::toggled, box, follow);
    follow(box->isChecked());
}

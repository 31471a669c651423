#include "widgets/spoken_list.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

class SpokenListAccessible final : public QAccessibleWidget {
public:
    explicit SpokenListAccessible(SpokenList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const auto* list = static_cast<const SpokenList*>(widget());
        if (kind == QAccessible::Value)
            return list->currentText();
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? list->currentText() : text;
    }
};

QAccessibleInterface* spokenListFactory(const QString&, QObject* object) {
    if (auto* list = qobject_cast<SpokenList*>(object))
        return new SpokenListAccessible(list);
    return nullptr;
}

} // namespace

void installSpokenListNames() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(spokenListFactory);
    installed = true;
}

void nameListFields(QWidget* root) {
    for (SpokenList* list : root->findChildren<SpokenList*>()) {
        QLineEdit* field = list->lineEdit();
        if (!field || !field->accessibleName().isEmpty())
            continue;
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(list))
            field->setAccessibleName(spoken->text(QAccessible::Name));
    }
}

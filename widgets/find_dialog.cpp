#include "widgets/find_dialog.h"

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FindDialog");
    setWindowTitle(QStringLiteral("Find"));
}

void FindDialog::startOn(QWidget* textControl) {
    target = textControl;
    show();
}

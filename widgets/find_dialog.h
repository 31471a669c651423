#pragma once

#include <QDialog>

// The modeless Find dialog: searches the text control it was opened on.
class FindDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    void startOn(QWidget* textControl);

private:
    QWidget* target = nullptr;
};

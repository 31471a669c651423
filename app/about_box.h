#pragma once

#include "app/about_box_form.h"

#include <QDialog>

// "About Quillmint": picture, version lines, notice and help link, "Close".
// Centred on the main window's screen.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    // The link opens the help pages under `shippedData`.
    AboutBox(QWidget* owner, const QString& shippedData);
    Q_DISABLE_COPY_MOVE(AboutBox)

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void followPalette();

    AboutBoxForm form;
};

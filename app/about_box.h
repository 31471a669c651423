#pragma once

#include <QDialog>

// "About Quillmint": picture, version lines, notice and web link, "Close".
class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner);
};

#pragma once

class QLabel;
class QPushButton;
class QDialog;

// The About box's widgets: picture, version lines, notice, web link and "Close".
struct AboutBoxForm final {
    void setupUi(QDialog* box);

    QLabel* picture = nullptr;
    QLabel* versions = nullptr;
    QLabel* notice = nullptr;
    QPushButton* link = nullptr;
    QPushButton* closeButton = nullptr;
};

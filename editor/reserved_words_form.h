#pragma once

class QListWidget;
class QPushButton;
class QWidget;

// The "Reserved Words" window's widgets: the word list and "Add Selected Tag".
struct ReservedWordsForm final {
    void setupUi(QWidget* window);

    QListWidget* wordList = nullptr;
    QPushButton* addButton = nullptr;
};

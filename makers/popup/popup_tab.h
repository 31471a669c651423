#pragma once

#include "makers/popup/popup_page.h"
#include "widgets/tab_context.h"
#include "widgets/tool_tab_frame.h"

#include <QWidget>

class OutputCommands;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class QToolButton;
class SpinEdit;

// The "Popup Maker" tab: window features, URL and status text, launch event
// and medium, and the page that opens the popup.
class PopupTab final : public QWidget {
    Q_OBJECT
public:
    explicit PopupTab(const TabContext& context, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PopupTab)

    // Saved-page memory: "Yes" once the page was saved as HTML (back to "No"
    // on New), and the file it was saved to.
    const QString& Edit9() const;
    const QString& filen() const;

public slots:
    void CheckBox9Click(bool ticked);
    void CheckBox10Click(bool ticked);
    void ComboBox4Change(int index);
    void ComboBox5Change(int index);
    void Edit6Change(const QString& text);
    void ToolButton18Click();
    void BitBtn10Click();

private:
    // The settings as the controls hold them now, spin edits committed.
    PopupSettings settings();

    QWidget* buildFeatures();
    QWidget* buildUrlAndStatus();
    QWidget* buildLaunch();
    QWidget* buildCode();
    void buildToolBar(const TabContext& context);

    QToolBar* ToolBar3;
    QToolButton* ToolButton18;
    QToolButton* ToolButton19;
    QToolButton* ToolButton28;
    QToolButton* ToolButton30;
    QAction* AsHTML2;
    QAction* AsText2;
    QAction* Preview1;

    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8;
    QLabel* heightLabel;
    QLabel* widthLabel;
    QLabel* leftLabel;
    QLabel* topLabel;
    SpinEdit* SpinEdit1;
    SpinEdit* SpinEdit2;
    SpinEdit* SpinEdit3;
    SpinEdit* SpinEdit4;
    QCheckBox* CheckBox9;
    QLabel* afterLabel;
    SpinEdit* SpinEdit5;
    QLabel* secondsLabel;
    QCheckBox* CheckBox10;

    QLineEdit* Edit6;
    QLabel* statusLabel;
    QLineEdit* Edit7;

    QComboBox* ComboBox4;
    QLabel* mediumLabel;
    QComboBox* ComboBox5;
    QLabel* imagePathLabel;
    QLineEdit* Edit8;
    QLabel* delayLabel;
    SpinEdit* SpinEdit6;

    QPlainTextEdit* Memo4;
    QPushButton* BitBtn10;
    QPushButton* BitBtn4;
    QPushButton* BitBtn9;

    TabContext context;
    ToolTabFrame frame;
    OutputCommands* output;
};

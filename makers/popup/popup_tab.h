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
    const QString& savedFlag() const;
    const QString& savedPagePath() const;

public slots:
    void closeTimeToggled(bool ticked);
    void fullScreenToggled(bool ticked);
    void eventChosen(int index);
    void mediumChosen(int index);
    void urlChanged(const QString& text);
    void newDocument();
    void makeCode();

private:
    // The settings as the controls hold them now, spin edits committed.
    PopupSettings settings();

    QWidget* buildFeatures();
    QWidget* buildUrlAndStatus();
    QWidget* buildLaunch();
    QWidget* buildCode();
    void buildToolBar(const TabContext& context);

    QToolBar* toolBar;
    QToolButton* newButton;
    QToolButton* saveButton;
    QToolButton* printButton;
    QToolButton* optionsButton;
    QAction* saveAsHtml;
    QAction* saveAsText;
    QAction* previewAction;

    QCheckBox* directoriesBox;
    QCheckBox* locationBox;
    QCheckBox* menubarBox;
    QCheckBox* resizableBox;
    QCheckBox* scrollbarsBox;
    QCheckBox* statusbarBox;
    QCheckBox* toolbarBox;
    QLabel* heightLabel;
    QLabel* widthLabel;
    QLabel* leftLabel;
    QLabel* topLabel;
    SpinEdit* heightSpin;
    SpinEdit* widthSpin;
    SpinEdit* leftSpin;
    SpinEdit* topSpin;
    QCheckBox* closeAfterTimeBox;
    QLabel* afterLabel;
    SpinEdit* closeSecondsSpin;
    QLabel* secondsLabel;
    QCheckBox* fullScreenBox;

    QLineEdit* urlField;
    QLabel* statusLabel;
    QLineEdit* statusField;

    QComboBox* eventList;
    QLabel* mediumLabel;
    QComboBox* mediumList;
    QLabel* imagePathLabel;
    QLineEdit* imagePathField;
    QLabel* delayLabel;
    SpinEdit* delaySpin;

    QPlainTextEdit* codePane;
    QPushButton* makeCodeButton;
    QPushButton* copyButton;
    QPushButton* clearButton;

    TabContext context;
    ToolTabFrame frame;
    OutputCommands* output;
};

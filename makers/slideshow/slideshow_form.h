#pragma once

#include "widgets/desktop.h"
#include "widgets/tool_tab_frame.h"

#include <QtGlobal>

class OutputCommands;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;
struct TabContext;

// The Slideshow tab's widgets, each named for its role: the tool bar and code
// pane on the left above the image list, the settings on three sub-pages on
// the right. The tab owns them all; setupUi only builds and lays them out.
struct SlideshowForm final {
    SlideshowForm();
    Q_DISABLE_COPY_MOVE(SlideshowForm)

    void setupUi(QWidget* tab, const TabContext& context);

    // The tool bar and the code pane with its buttons.
    ToolTabFrame frame;
    QPlainTextEdit* codePane = nullptr;
    // Copy, Clear, Save, Preview and Print on the code pane, with the preview
    // target (the saved flag and file name) that Save as HTML and Publish record.
    OutputCommands* outputs = nullptr;
    QListWidget* imageList = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* sortButton = nullptr;
    QPushButton* clearAllButton = nullptr;
    QPushButton* makeCodeButton = nullptr;

    QTabWidget* subPages = nullptr;

    // Settings; the other controls are reached through their field names.
    QPushButton* addImagesButton = nullptr;
    QLineEdit* initialImage = nullptr;
    QPushButton* chooseInitialButton = nullptr;
    QPushButton* initialHelpButton = nullptr;
    QCheckBox* rightClickDisable = nullptr;
    QLabel* rightClickMessageLabel = nullptr;
    QLineEdit* rightClickMessage = nullptr;
    QCheckBox* playSound = nullptr;
    QLabel* soundLabel = nullptr;
    QLineEdit* soundFile = nullptr;
    QPushButton* chooseSoundButton = nullptr;
    QPushButton* auditionButton = nullptr;
    QLineEdit* backgroundImage = nullptr;
    QPushButton* chooseBackgroundButton = nullptr;

    // The file dialogs, each remembering the file last chosen in it.
    FileDialog soundDialog;
    FileDialog backgroundImageDialog;
    FileDialog imagesDialog;
    FileDialog publishDialog;

private:
    QWidget* buildLeftHalf(QWidget* tab);
    void buildSettingsPage();
    QWidget* buildSlideshowPage(QWidget* tab);
    QWidget* buildElementsPage(QWidget* tab);
};

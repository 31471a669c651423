#pragma once

#include "widgets/desktop.h"
#include "widgets/tool_tab_frame.h"

#include <QtGlobal>

class ColourSetting;
class ContrastWarning;
class FontBox;
class OutputCommands;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWidget;
class SpinEdit;
struct TabContext;

// The Slideshow tab's widgets, each named for its role: the tool bar and code
// pane on the left above the image list, the settings on three sub-pages on
// the right. The tab owns them all; setupUi only builds and lays them out.
struct SlideshowForm final {
    SlideshowForm();
    Q_DISABLE_COPY_MOVE(SlideshowForm)

    void setupUi(QWidget* tab, const TabContext& context);

    ToolTabFrame frame;
    QToolBar* toolBar = nullptr;
    QToolButton* newButton = nullptr;
    QToolButton* saveAsButton = nullptr;
    QMenu* saveMenu = nullptr;
    QAction* saveAsHtmlAction = nullptr;
    QAction* saveAsTextAction = nullptr;
    QAction* publishAction = nullptr;
    QToolButton* printButton = nullptr;
    QToolButton* optionsButton = nullptr;
    QAction* previewAction = nullptr;
    QToolButton* helpButton = nullptr;

    QPlainTextEdit* codePane = nullptr;
    // Copy, Clear, Save, Preview and Print on the code pane, with the preview
    // target (the saved flag and file name) that Save as HTML and Publish record.
    OutputCommands* outputs = nullptr;
    QPushButton* codeCopyButton = nullptr;
    QPushButton* codeClearButton = nullptr;
    QLabel* imageCount = nullptr;
    QListWidget* imageList = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* sortButton = nullptr;
    QPushButton* clearAllButton = nullptr;
    QPushButton* makeCodeButton = nullptr;

    QTabWidget* subPages = nullptr;
    QWidget* settingsPage = nullptr;
    QWidget* slideshowPage = nullptr;
    QWidget* elementsPage = nullptr;

    // Settings
    QPushButton* addImagesButton = nullptr;
    QLineEdit* initialImage = nullptr;
    QPushButton* chooseInitialButton = nullptr;
    QPushButton* initialHelpButton = nullptr;
    SpinEdit* transitionTime = nullptr;
    QCheckBox* centreConsole = nullptr;
    QCheckBox* rightClickDisable = nullptr;
    QLabel* rightClickMessageLabel = nullptr;
    QLineEdit* rightClickMessage = nullptr;
    QCheckBox* playSound = nullptr;
    QLabel* soundLabel = nullptr;
    QLineEdit* soundFile = nullptr;
    QPushButton* chooseSoundButton = nullptr;
    QPushButton* auditionButton = nullptr;
    QLineEdit* pageTitle = nullptr;
    QPushButton* pageBackgroundButton = nullptr;
    QWidget* pageBackgroundSwatch = nullptr;
    QLabel* pageBackgroundLabel = nullptr;
    QLineEdit* backgroundImage = nullptr;
    QPushButton* chooseBackgroundButton = nullptr;

    // Slideshow
    QLineEdit* headingText = nullptr;
    QLabel* headingFontSample = nullptr;
    FontBox* headingFont = nullptr;
    QPushButton* headingColourButton = nullptr;
    QWidget* headingColourSwatch = nullptr;
    QLabel* headingColourLabel = nullptr;
    QToolButton* boldToggle = nullptr;
    QToolButton* italicToggle = nullptr;
    QToolButton* underlineToggle = nullptr;
    QComboBox* headingSize = nullptr;
    QPushButton* borderColourButton = nullptr;
    QWidget* borderColourSwatch = nullptr;
    QLabel* borderColourLabel = nullptr;
    QComboBox* borderWidth = nullptr;
    QPushButton* consoleColourButton = nullptr;
    QWidget* consoleColourSwatch = nullptr;
    QLabel* consoleColourLabel = nullptr;
    QPushButton* headingCellColourButton = nullptr;
    QWidget* headingCellColourSwatch = nullptr;
    QLabel* headingCellColourLabel = nullptr;
    SpinEdit* cellSpacing = nullptr;
    SpinEdit* cellPadding = nullptr;

    // Elements
    QGroupBox* buttonsGroup = nullptr;
    QLabel* buttonFontSample = nullptr;
    FontBox* buttonFont = nullptr;
    QPushButton* buttonBackgroundButton = nullptr;
    QWidget* buttonBackgroundSwatch = nullptr;
    QLabel* buttonBackgroundLabel = nullptr;
    QPushButton* buttonTextColourButton = nullptr;
    QWidget* buttonTextColourSwatch = nullptr;
    QLabel* buttonTextColourLabel = nullptr;
    QComboBox* buttonBorderStyle = nullptr;
    QComboBox* buttonBorderWidth = nullptr;
    QGroupBox* listGroup = nullptr;
    QLabel* listFontSample = nullptr;
    FontBox* listFont = nullptr;
    QPushButton* listBackgroundButton = nullptr;
    QWidget* listBackgroundSwatch = nullptr;
    QLabel* listBackgroundLabel = nullptr;
    QPushButton* listItemColourButton = nullptr;
    QWidget* listItemColourSwatch = nullptr;
    QLabel* listItemColourLabel = nullptr;
    QComboBox* listBorderStyle = nullptr;
    QComboBox* listBorderWidth = nullptr;

    // The colour settings, each with its own dialog, button, swatch and label.
    ColourSetting* pageBackgroundColour = nullptr;
    ColourSetting* headingColour = nullptr;
    ColourSetting* borderColour = nullptr;
    ColourSetting* consoleColour = nullptr;
    ColourSetting* headingCellColour = nullptr;
    ColourSetting* buttonBackgroundColour = nullptr;
    ColourSetting* buttonTextColour = nullptr;
    ColourSetting* listBackgroundColour = nullptr;
    ColourSetting* listItemColour = nullptr;
    // Beside the three text colours, while one is hard to read on its background.
    ContrastWarning* headingContrast = nullptr;
    ContrastWarning* buttonContrast = nullptr;
    ContrastWarning* listContrast = nullptr;

    // The file dialogs, each remembering the file last chosen in it.
    FileDialog soundDialog;
    FileDialog backgroundImageDialog;
    FileDialog imagesDialog;
    FileDialog publishDialog;

private:
    void buildToolBar(QWidget* tab, const TabContext& context);
    QWidget* buildLeftHalf(QWidget* tab);
    QWidget* buildSettingsPage(QWidget* tab);
    QWidget* buildSlideshowPage(QWidget* tab);
    QWidget* buildElementsPage(QWidget* tab);
    void buildColourSettings(QWidget* tab);
};

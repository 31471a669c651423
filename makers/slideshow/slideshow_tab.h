#pragma once

#include "widgets/desktop.h"
#include "widgets/tab_context.h"
#include "widgets/tool_tab_frame.h"

#include <QWidget>

class ColourSetting;
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
class SpinEdit;
struct SlideshowSettings;

// The "Slideshow Maker" tab: an image list, the page settings on three
// sub-pages, Make Code and Publish.
class SlideshowTab final : public QWidget {
    Q_OBJECT
public:
    explicit SlideshowTab(const TabContext& context, QWidget* parent = nullptr);
    ~SlideshowTab() override;
    Q_DISABLE_COPY_MOVE(SlideshowTab)

    // The settings as the controls hold them now.
    SlideshowSettings settings();

    QToolBar* toolBar;
    QToolButton* newButton;
    QToolButton* saveAsButton;
    QMenu* saveMenu;
    QAction* saveAsHtmlAction;
    QAction* saveAsTextAction;
    QAction* publishAction;
    QToolButton* printButton;
    QToolButton* optionsButton;
    QAction* previewAction;
    QToolButton* helpButton;

    QPlainTextEdit* codePane;
    QPushButton* codeCopyButton;
    QPushButton* codeClearButton;
    QLabel* imageCount;
    QListWidget* imageList;
    QPushButton* deleteButton;
    QPushButton* sortButton;
    QPushButton* clearAllButton;
    QPushButton* makeCodeButton;

    QTabWidget* subPages;
    QWidget* settingsPage;
    QWidget* slideshowPage;
    QWidget* elementsPage;

    // Settings
    QPushButton* addImagesButton;
    QLineEdit* initialImage;
    QPushButton* chooseInitialButton;
    QPushButton* initialHelpButton;
    SpinEdit* transitionTime;
    QCheckBox* centreConsole;
    QCheckBox* rightClickDisable;
    QLabel* rightClickMessageLabel;
    QLineEdit* rightClickMessage;
    QCheckBox* playSound;
    QLabel* soundLabel;
    QLineEdit* soundFile;
    QPushButton* chooseSoundButton;
    QPushButton* auditionButton;
    QLineEdit* pageTitle;
    QPushButton* pageBackgroundButton;
    QWidget* pageBackgroundSwatch;
    QLabel* pageBackgroundLabel;
    QLineEdit* backgroundImage;
    QPushButton* chooseBackgroundButton;

    // Slideshow
    QLineEdit* headingText;
    QLabel* headingFontSample;
    FontBox* headingFont;
    QPushButton* headingColourButton;
    QWidget* headingColourSwatch;
    QLabel* headingColourLabel;
    QToolButton* boldToggle;
    QToolButton* italicToggle;
    QToolButton* underlineToggle;
    QComboBox* headingSize;
    QPushButton* borderColourButton;
    QWidget* borderColourSwatch;
    QLabel* borderColourLabel;
    QComboBox* borderWidth;
    QPushButton* consoleColourButton;
    QWidget* consoleColourSwatch;
    QLabel* consoleColourLabel;
    QPushButton* headingCellColourButton;
    QWidget* headingCellColourSwatch;
    QLabel* headingCellColourLabel;
    SpinEdit* cellSpacing;
    SpinEdit* cellPadding;

    // Elements
    QGroupBox* buttonsGroup;
    QLabel* buttonFontSample;
    FontBox* buttonFont;
    QPushButton* buttonBackgroundButton;
    QWidget* buttonBackgroundSwatch;
    QLabel* buttonBackgroundLabel;
    QPushButton* buttonTextColourButton;
    QWidget* buttonTextColourSwatch;
    QLabel* buttonTextColourLabel;
    QComboBox* buttonBorderStyle;
    QComboBox* buttonBorderWidth;
    QGroupBox* listGroup;
    QLabel* listFontSample;
    FontBox* listFont;
    QPushButton* listBackgroundButton;
    QWidget* listBackgroundSwatch;
    QLabel* listBackgroundLabel;
    QPushButton* listItemColourButton;
    QWidget* listItemColourSwatch;
    QLabel* listItemColourLabel;
    QComboBox* listBorderStyle;
    QComboBox* listBorderWidth;

    // The colour dialogs, one per colour setting.
    ColourSetting* pageBackgroundColour;
    ColourSetting* headingColour;
    ColourSetting* borderColour;
    ColourSetting* consoleColour;
    ColourSetting* headingCellColour;
    ColourSetting* buttonBackgroundColour;
    ColourSetting* buttonTextColour;
    ColourSetting* listBackgroundColour;
    ColourSetting* listItemColour;

    FileDialog soundDialog;           // sound
    FileDialog backgroundImageDialog; // background image
    FileDialog imagesDialog;          // slideshow images
    FileDialog publishDialog;         // Publish

    // Copy, Clear, Save, Preview and Print on codePane, with the preview target
    // (the saved flag and file name) that Save as HTML and Publish record.
    OutputCommands* outputs;

    // The list position last selected by the user, or -1.
    int rememberedRow = -1;

public slots:
    void addImages();
    void selectEntry();
    void chooseInitialImage();
    void explainInitialImage();
    void showInitialImageHint(const QString& text);
    void deleteEntry();
    void sortList();
    void clearAllImages();
    void enableRightClickMessage(bool checked);
    void enableSound(bool checked);
    void chooseSound();
    void chooseBackgroundImage();
    void auditionSound();
    void makeCode();
    void newDocument();
    void publishPage();

private:
    void buildToolBar();
    QWidget* buildLeftHalf();
    QWidget* buildSettingsPage();
    QWidget* buildSlideshowPage();
    QWidget* buildElementsPage();
    void buildColourSettings();
    void showImageCount();
    void clearListSelection();
    bool publish(const QString& pagePath, const QByteArray& pageBytes, const QStringList& sources);
    bool eventFilter(QObject* watched, QEvent* event) override;

    TabContext context;
    ToolTabFrame frame;
    // Set while the program itself changes the list, so that only the user's
    // selections count as a click.
    bool changingList = false;
    bool publishing = false;
};

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

    QToolBar* ToolBar6;
    QToolButton* ToolButton49;
    QToolButton* ToolButton50;
    QMenu* PopupMenu11;
    QAction* AsHTML4;
    QAction* AsText4;
    QAction* Publish1;
    QToolButton* ToolButton59;
    QToolButton* ToolButton61;
    QAction* Preview3;
    QToolButton* ToolButton62;

    QPlainTextEdit* Memo19;
    QPushButton* BitBtn27;
    QPushButton* BitBtn28;
    QLabel* Label74;
    QListWidget* ListBox2;
    QPushButton* BitBtn29;
    QPushButton* BitBtn30;
    QPushButton* BitBtn31;
    QPushButton* BitBtn32;

    QTabWidget* PageControl2;
    QWidget* TabSheet6;
    QWidget* TabSheet7;
    QWidget* TabSheet8;

    // Settings
    QPushButton* BitBtn33;
    QLineEdit* Edit23;
    QPushButton* Button6;
    QPushButton* Button3;
    SpinEdit* SpinEdit7;
    QCheckBox* CheckBox13;
    QCheckBox* CheckBox14;
    QLabel* Label39;
    QLineEdit* Edit19;
    QCheckBox* CheckBox15;
    QLabel* Label40;
    QLineEdit* Edit20;
    QPushButton* Button4;
    QPushButton* BitBtn18;
    QLineEdit* Edit21;
    QPushButton* BitBtn17;
    QWidget* Memo10;
    QLabel* Label45;
    QLineEdit* Edit22;
    QPushButton* Button5;

    // Slideshow
    QLineEdit* Edit18;
    QLabel* Panel2;
    FontBox* ComboBox9;
    QPushButton* BitBtn19;
    QWidget* Memo11;
    QLabel* Label49;
    QToolButton* ToolButton46;
    QToolButton* ToolButton47;
    QToolButton* ToolButton48;
    QComboBox* ComboBox11;
    QPushButton* BitBtn20;
    QWidget* Memo12;
    QLabel* Label52;
    QComboBox* ComboBox10;
    QPushButton* BitBtn21;
    QWidget* Memo13;
    QLabel* Label56;
    QPushButton* BitBtn22;
    QWidget* Memo14;
    QLabel* Label57;
    SpinEdit* SpinEdit8;
    SpinEdit* SpinEdit9;

    // Elements
    QGroupBox* GroupBox8;
    QLabel* Panel3;
    FontBox* ComboBox12;
    QPushButton* BitBtn23;
    QWidget* Memo15;
    QLabel* Label65;
    QPushButton* BitBtn24;
    QWidget* Memo16;
    QLabel* Label66;
    QComboBox* ComboBox13;
    QComboBox* ComboBox14;
    QGroupBox* GroupBox9;
    QLabel* Panel4;
    FontBox* ComboBox15;
    QPushButton* BitBtn25;
    QWidget* Memo17;
    QLabel* Label72;
    QPushButton* BitBtn26;
    QWidget* Memo18;
    QLabel* Label73;
    QComboBox* ComboBox16;
    QComboBox* ComboBox17;

    // The colour dialogs, one per colour setting.
    ColourSetting* ColorDialog4;
    ColourSetting* ColorDialog5;
    ColourSetting* ColorDialog6;
    ColourSetting* ColorDialog7;
    ColourSetting* ColorDialog8;
    ColourSetting* ColorDialog9;
    ColourSetting* ColorDialog10;
    ColourSetting* ColorDialog11;
    ColourSetting* ColorDialog12;

    FileDialog OpenDialog1; // sound
    FileDialog OpenDialog2; // background image
    FileDialog OpenDialog3; // slideshow images
    FileDialog SaveDialog9; // Publish

    // Copy, Clear, Save, Preview and Print on Memo19, with the preview target
    // (the saved flag and file name) that Save as HTML and Publish record.
    OutputCommands* outputs;

    // The list position last selected by the user, or -1.
    int listind = -1;

public slots:
    void BitBtn33Click();
    void ListBox2Click();
    void Button6Click();
    void Button3Click();
    void Edit23Change(const QString& text);
    void BitBtn29Click();
    void BitBtn30Click();
    void BitBtn31Click();
    void CheckBox14Click(bool checked);
    void CheckBox15Click(bool checked);
    void Button4Click();
    void Button5Click();
    void BitBtn18Click();
    void BitBtn32Click();
    void ToolButton49Click();
    void Publish1Click();

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

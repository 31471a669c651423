#pragma once

#include "makers/slideshow/slideshow_form.h"
#include "widgets/tab_context.h"

#include <QWidget>

class OutputCommands;
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
    // The inverse of settings(): every control shows `s`, the list starts
    // with nothing selected. Colour and file dialogs keep what they hold.
    void applySettings(const SlideshowSettings& s);

private:
    void addImages();
    void selectEntry();
    void chooseInitialImage();
    void explainInitialImage();
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

    void connectControls();
    void setImages(const QStringList& images);
    QStringList listEntries() const;
    void showImageCount();
    void clearListSelection();
    void enableEntryCommands(bool enabled);
    bool publish(const QString& pagePath, const QByteArray& pageBytes, const QStringList& sources);

    TabContext context;
    SlideshowForm ui;
    // Copy, Clear, Save, Preview and Print on the code pane, with the preview
    // target (the saved flag and file name) that Save as HTML and Publish record.
    OutputCommands* outputs = nullptr;
    // The list position last selected by the user, or -1.
    int rememberedRow = -1;
    // Set while the program itself changes the list, so that only the user's
    // selections count as a click.
    bool changingList = false;
    bool publishing = false;
};

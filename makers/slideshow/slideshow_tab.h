#pragma once

#include "makers/slideshow/slideshow_form.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"

#include <QWidget>

struct SlideshowSettings;
class WebImageChoice;

// The "Slideshow Maker" tab: an image list, the page settings on three
// sub-pages, Make Code and Publish.
class SlideshowTab final : public TabPage {
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
    void auditionSound();
    void makeCode();
    void newDocument();
    void publishPage();

    void setImages(const QStringList& images);
    void clearListSelection();
    void enableEntryCommands(bool enabled);

    TabContext context;
    SlideshowForm ui;
    // The list position last selected by the user, or -1.
    int rememberedRow = -1;
    // Set while the program itself changes the list, so that only the user's
    // selections count as a click.
    bool changingList = false;
    bool publishing = false;
    WebImageChoice* webImages = nullptr;
};

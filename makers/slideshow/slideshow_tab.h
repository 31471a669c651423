#pragma once

#include "makers/slideshow/slideshow_form.h"
#include "widgets/field_binding.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"

#include <QWidget>

struct SlideshowProject;
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
    // The settings with the code pane as the user left it, and the way back.
    SlideshowProject project();
    void applyProject(const SlideshowProject& project);

    QString livePage() override;

private:
    // The settings with each spin edit's text as `text` gives it.
    SlideshowSettings readSettings(NumberText number) const;

    void buildControls() override;
    void addImages();
    // The end of the list takes `files`, chosen in the dialog or dropped.
    void appendImages(const QStringList& files);
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

#include "app/application_windows.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "core/prefs_file.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "guidance/tip_window.h"
#include "guidance/wizard_window.h"
#include "makers/slideshow/publication.h"
#include "widgets/single_line_fields.h"

#include <QAction>
#include <QApplication>
#include <QFont>

namespace {

// The fixed 610 x 388 window was laid out for a classic 8-point dialog font;
// the default Linux font runs wider, so every window uses a compact one.
bool useCompactFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
    return true;
}

} // namespace

ApplicationWindows::ApplicationWindows(const ProgramFolders& folders)
    : compactFont(useCompactFont()), Form1(std::make_unique<TForm1>(folders)) {
    // The other windows belong to the main window and die with it.
    TForm1* main = Form1.get();
    Form2 = new TagInspector(main, main->TabSheet5);
    Form3 = new ReservedWordsWindow(main, main->TabSheet5, main->folders.shippedData);
    AboutBox = new TAboutBox(main);
    Form5 = new TForm5(main, main->folders.shippedData);
    Form6 = new TForm6(main, main->folders.shippedData);
    Form1->attachWindows(Form2, Form3, AboutBox, Form5, Form6);
    publishOnTestRequest(Form1.get());
    // Every window is the main window's child; this reaches also the fields
    // that no form factory made, such as the font lists.
    keepFieldsSingleLine(main);
}

ApplicationWindows::~ApplicationWindows() = default;

void ApplicationWindows::applyPreferences() {
    QString error;
    const std::optional<TPrefsRecord> record = readPrefs(Form1->prefsPath(), &error);
    const bool showTips = !record || record->ShowTips == 1;
    Form1->ShowStartupTips1->setChecked(showTips);
    if (showTips)
        Form5->show();
}

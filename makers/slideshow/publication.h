#pragma once

class QWidget;
class SlideshowPublisher;

// Runs a publication on a worker thread behind a window-modal progress dialog,
// so the window repaints and Cancel is heard while the files are copied, and
// returns once the run has ended. When the application is told to quit
// meanwhile (the main window closed, a termination signal), the run stops as
// after Cancel before this returns. A failure is shown in an error notice;
// true only when the publication is complete.
bool runPublication(SlideshowPublisher& publisher, QWidget* window);

// Test hook: when QUILLMINT_TEST_PUBLISH names a file listing a page path and
// then one source per line, those are published as after Publish's dialog
// once the event loop runs, so a test can act on the real program mid-run.
void publishOnTestRequest(QWidget* window);

#include "widgets/file_drop.h"

#include "widgets/desktop.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The local files dragged, or nothing when the drag carries anything else.
QStringList draggedFiles(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files << url.toLocalFile();
    }
    return files;
}

class FileDropFilter final : public QObject {
public:
    FileDropFilter(QWidget* dropArea, FileDrop fileDrop, bool wholeWindow)
        : QObject(dropArea), area(dropArea), drop(std::move(fileDrop)), window(wholeWindow) {}
    Q_DISABLE_COPY_MOVE(FileDropFilter)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* dropEvent = static_cast<QDropEvent*>(event);
        const QStringList files = draggedFiles(dropEvent->mimeData());
        if (files.isEmpty())
            return false;
        const QString misfit = whyNot(files);
        // Over a control of the window only what fits is taken; the rest is
        // the control's, and comes back to the window when it declines.
        if (window && watched != area) {
            const auto* control = qobject_cast<QWidget*>(watched);
            if (!misfit.isEmpty() || !control || !area->isAncestorOf(control))
                return false;
        }
        // Accepted while dragging, so that a drop that does not fit is told.
        dropEvent->acceptProposedAction();
        if (type == QEvent::Drop) {
            if (misfit.isEmpty())
                drop.take(files);
            else
                desktop().notice(NoticeKind::Warning, misfit);
        }
        return true;
    }

private:
    QString whyNot(const QStringList& files) const {
        if (files.size() > 1 && !drop.several)
            return QCoreApplication::translate("FileDrop", "Only one file can be dropped here.");
        for (const QString& file : files) {
            const QFileInfo info(file);
            if (!info.isFile() || !drop.suffixes.contains(info.suffix().toLower()))
                return QCoreApplication::translate("FileDrop", "%1 does not fit here: drop %2.")
                    .arg(info.fileName(), drop.wanted);
        }
        return {};
    }

    QWidget* area;
    FileDrop drop;
    bool window;
};

} // namespace

FileDrop imageFileDrop(std::function<void(const QStringList& paths)> take, bool several) {
    return {QCoreApplication::translate("FileDrop", "an image (JPEG, GIF, BMP or PNG)"),
            {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"),
             QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("png")},
            several,
            std::move(take)};
}

void acceptFileDrops(QWidget* control, FileDrop drop) {
    QWidget* target = control;
    // A scrolling control receives its drags on its viewport.
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(control))
        target = scrolling->viewport();
    control->setAcceptDrops(true);
    target->setAcceptDrops(true);
    target->installEventFilter(new FileDropFilter(control, std::move(drop), false));
}

void acceptFileDropsOnWindow(QWidget* window, FileDrop drop) {
    window->setAcceptDrops(true);
    qApp->installEventFilter(new FileDropFilter(window, std::move(drop), true));
}

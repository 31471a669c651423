#include "makers/slideshow/web_image_choice.h"

#include "core/text_file.h"
#include "core/web_images.h"
#include "makers/slideshow/slideshow_controls.h"
#include "widgets/desktop.h"
#include "widgets/hint.h"
#include "widgets/modern_output.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

using namespace slideshow;

namespace {

const QString Optimise = QStringLiteral("optimise");
const QString Copy = QStringLiteral("copy");

// Show sizes from a phone's width to a large monitor's.
constexpr int Edges[] = {800, 1024, 1280, 1600, 1920, 2560};

} // namespace

WebImageChoice::WebImageChoice(QString file, QWidget* parent)
    : QObject(parent), choiceFile(std::move(file)), optimise(new QAction(this)),
      sizes(new QMenu(parent)), edge(DefaultWebImageEdge) {
    optimise->setObjectName(controls::OptimiseImages);
    optimise->setText(QCoreApplication::translate("Slideshow", "Optimise Images for the Web"));
    setHint(optimise,
            QCoreApplication::translate(
                "Slideshow", "Optimise images for the web|Publish resized WebP and JPEG images "
                             "without camera metadata; the originals stay as they are"));
    optimise->setCheckable(true);
    sizes->setObjectName(controls::WebImageSize);
    sizes->setTitle(QCoreApplication::translate("Slideshow", "Web Image Size"));

    QString ignored;
    const std::optional<QString> stored =
        QFileInfo(choiceFile).isFile() ? readTextFile(choiceFile, &ignored) : std::nullopt;
    const QStringList lines = stored ? splitLines(*stored) : QStringList();
    optimise->setChecked(lines.value(0).trimmed() == Optimise);
    const int storedEdge = lines.value(1).trimmed().toInt();
    if (std::find(std::begin(Edges), std::end(Edges), storedEdge) != std::end(Edges))
        edge = storedEdge;

    auto* group = new QActionGroup(sizes);
    for (const int pixels : Edges) {
        QAction* size =
            sizes->addAction(QCoreApplication::translate("Slideshow", "%1 Pixels").arg(pixels));
        size->setObjectName(QLatin1String(controls::WebImageSize) + QString::number(pixels));
        size->setCheckable(true);
        size->setChecked(pixels == edge);
        group->addAction(size);
        connect(size, &QAction::triggered, this, [this, pixels] {
            edge = pixels;
            store();
        });
    }
    sizes->setEnabled(optimise->isChecked());
    connect(optimise, &QAction::toggled, this, [this](bool on) {
        sizes->setEnabled(on);
        store();
    });
}

bool WebImageChoice::isOn() const {
    return optimise->isChecked();
}

void WebImageChoice::offerIn(QMenu* menu, bool available) {
    menu->removeAction(optimise);
    menu->removeAction(sizes->menuAction());
    if (available)
        menu->addActions({optimise, sizes->menuAction()});
}

QString WebImageChoice::defaultChoiceFile() {
    return QFileInfo(ModernOutput::defaultChoiceFile())
        .dir()
        .filePath(QStringLiteral("publish.cfg"));
}

void WebImageChoice::store() {
    // The choice holds for this run even when it cannot be kept.
    QString error;
    const QString text =
        (optimise->isChecked() ? Optimise : Copy) + QLatin1Char('\n') + QString::number(edge);
    if (!QDir().mkpath(QFileInfo(choiceFile).absolutePath()))
        error = cannotCreateMessage(choiceFile);
    else
        replaceFileAtomically(choiceFile, paneFileBytes(text), &error);
    if (!error.isEmpty())
        desktop().notice(NoticeKind::Error, error);
}

#include "editor/tag_palette_form.h"

#include "editor/editor_page.h"
#include "editor/tag_palette_controls.h"
#include "widgets/hint.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

using namespace tag_palette;

namespace {

constexpr int ButtonHeight = 22;

// A page's caption or a button's hint in the desktop's language; the snippet
// table keeps them in English beside the code they insert.
QString shown(const QString& english) {
    return english.isEmpty()
               ? english
               : QCoreApplication::translate("TagInspector", english.toUtf8().constData());
}
const QSize IconSize(19, 16);

// A picture face: the snippet's mnemonic on a tile in the page's colour.
QIcon pictureFace(const QString& mnemonic, const QColor& tint) {
    QPixmap picture(IconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(tint.darker(160));
    painter.setBrush(tint);
    painter.drawRoundedRect(QRectF(0.5, 0.5, IconSize.width() - 1, IconSize.height() - 1), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(mnemonic.size() > 2 ? 8 : 10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 96));
    painter.drawText(QRect(QPoint(0, 0), IconSize), Qt::AlignCenter, mnemonic);
    painter.end();
    return QIcon(picture);
}

QColor pageTint(int page) {
    static const QColor tints[] = {QColor(255, 236, 179), QColor(200, 230, 201),
                                   QColor(187, 222, 251), QColor(225, 190, 231),
                                   QColor(255, 205, 210)};
    return tints[page % std::size(tints)];
}

// The page's width, or more where the caption needs it in the button's own
// font, so that a larger font widens the button instead of clipping it.
int widthFor(const QToolButton* button, const QString& caption, int pageWidth) {
    if (caption.isEmpty())
        return pageWidth;
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return std::max(pageWidth, button->fontMetrics().horizontalAdvance(caption) + 2 * frame);
}

QToolButton* makeButton(const Snippet& snippet, int width, const QColor& tint, QWidget* page) {
    auto* button = new QToolButton(page);
    button->setObjectName(snippet.button);
    button->setAutoRaise(true);
    // The keyboard reaches the buttons (takeKeyboard), a click does not.
    button->setFocusPolicy(Qt::TabFocus);
    const QString hint = shown(snippet.hint);
    setHint(button, hint);
    // What it inserts, for screen readers: the hint, or the text itself.
    button->setAccessibleName(hint.isEmpty() ? snippet.lines.first() : hint);
    button->setAccessibleDescription(QCoreApplication::translate("TagInspector", "Inserts %1")
                                         .arg(snippet.lines.join(QStringLiteral(" / "))));
    QString caption;
    switch (snippet.face) {
    case SnippetFace::Icon:
        button->setIconSize(IconSize);
        button->setIcon(pictureFace(snippet.faceText, tint));
        break;
    case SnippetFace::BoldText:
    case SnippetFace::Text: {
        caption = QCoreApplication::translate("TagFaces", snippet.faceText.toUtf8().constData());
        // Small faces, so that most captions keep to the page's width.
        QFont font = button->font();
        const qsizetype length = caption.size();
        font.setPixelSize(width > 30 || length < 3 ? 11 : length == 3 ? 10 : 9);
        font.setBold(snippet.face == SnippetFace::BoldText);
        button->setFont(font);
        button->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
        break;
    }
    }
    button->setFixedSize(widthFor(button, caption, width), ButtonHeight);
    return button;
}

} // namespace

void TagInspectorForm::setupUi(QWidget* window) {
    pages = new QTabWidget(window);
    pages->setObjectName(controls::Pages);
    pages->setUsesScrollButtons(true);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
}

void TagInspectorForm::buildPages(const std::function<void(QToolButton*, const Snippet&)>& wire) {
    if (pages->count() > 0)
        return;
    int pageNumber = 0;
    for (const SnippetPage& page : snippetPages()) {
        auto* sheet = new QWidget(pages);
        sheet->setObjectName(QStringLiteral("Page%1").arg(pageNumber + 1));
        auto* row = new QHBoxLayout(sheet);
        row->setContentsMargins(2, 1, 2, 1);
        row->setSpacing(0);
        for (const Snippet& snippet : page.snippets) {
            QToolButton* button =
                makeButton(snippet, page.buttonWidth, pageTint(pageNumber), sheet);
            row->addWidget(button);
            wire(button, snippet);
        }
        row->addStretch(1);
        pages->addTab(sheet, shown(page.caption));
        ++pageNumber;
    }
    pages->setCurrentIndex(0);
}

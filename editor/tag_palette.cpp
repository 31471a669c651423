#include "editor/tag_palette.h"

#include "editor/editor_page.h"
#include "editor/editor_tab.h"
#include "widgets/hint.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

constexpr int ButtonHeight = 22;
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

QToolButton* makeButton(const Snippet& snippet, int width, const QColor& tint, QWidget* page) {
    auto* button = new QToolButton(page);
    button->setObjectName(snippet.button);
    button->setAutoRaise(true);
    // The keyboard reaches the buttons (takeKeyboard), a click does not.
    button->setFocusPolicy(Qt::TabFocus);
    button->setFixedSize(width, ButtonHeight);
    setHint(button, snippet.hint);
    // What it inserts, for screen readers: the hint, or the text itself.
    button->setAccessibleName(snippet.hint.isEmpty() ? snippet.lines.first() : snippet.hint);
    button->setAccessibleDescription(QStringLiteral("Inserts ") +
                                     snippet.lines.join(QStringLiteral(" / ")));
    switch (snippet.face) {
    case SnippetFace::Icon:
        button->setIconSize(IconSize);
        button->setIcon(pictureFace(snippet.faceText, tint));
        break;
    case SnippetFace::BoldText:
    case SnippetFace::Text: {
        // Faces such as "sqrt" have to fit 23 pixels.
        QFont font = button->font();
        const qsizetype length = snippet.faceText.size();
        font.setPixelSize(width > 30 || length < 3 ? 11 : length == 3 ? 10 : 9);
        font.setBold(snippet.face == SnippetFace::BoldText);
        button->setFont(font);
        button->setText(QString(snippet.faceText).replace(QLatin1Char('&'), QLatin1String("&&")));
        break;
    }
    }
    return button;
}

} // namespace

TagInspector::TagInspector(QWidget* mainWindow, EditorTab* editorTab)
    : ToolWindow(mainWindow, "Form2", "Tag Inspector"), editor(editorTab) {
    setFixedSize(538, 57);
    move(198, 46);
    setToolTip(QStringLiteral(
        "Ctrl+Shift+T in the JS Editor comes here: arrows choose a button, Ctrl+Tab or "
        "Ctrl+PgDn/PgUp a page, Enter inserts, Esc goes back to the editor"));

    pages = new QTabWidget(this);
    pages->setObjectName("PageControl1");
    pages->setUsesScrollButtons(true);
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
}

void TagInspector::setVisible(bool visible) {
    if (visible)
        buildPalette();
    ToolWindow::setVisible(visible);
}

void TagInspector::buildPalette() {
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
            button->installEventFilter(this);
            // The table lives as long as the program, so the snippet can be
            // referred to.
            connect(button, &QToolButton::clicked, this,
                    [this, &snippet] { editor->insertSnippet(snippet.lines, snippet.mode); });
        }
        row->addStretch(1);
        pages->addTab(sheet, page.caption);
        ++pageNumber;
    }
    pages->setCurrentIndex(0);
}

QList<QToolButton*> TagInspector::buttonsOfPage(int page) const {
    return pages->widget(page)->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
}

void TagInspector::focusButton(int page, qsizetype index) {
    pages->setCurrentIndex(page);
    const QList<QToolButton*> buttons = buttonsOfPage(page);
    buttons.at((index + buttons.size()) % buttons.size())->setFocus(Qt::TabFocusReason);
}

void TagInspector::takeKeyboard() {
    buildPalette();
    activateWindow();
    raise();
    focusButton(pages->currentIndex(), 0);
}

bool TagInspector::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return ToolWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int page = pages->currentIndex();
    const qsizetype index = buttonsOfPage(page).indexOf(button);
    const bool control = key->modifiers() & Qt::ControlModifier;
    const int pageCount = pages->count();
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusButton(page, index - 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusButton(page, index + 1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_PageDown:
        if (!control)
            return false;
        focusButton((page + 1) % pageCount, 0);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
        if (!control)
            return false;
        focusButton((page + pageCount - 1) % pageCount, 0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button->click();
        return true;
    case Qt::Key_Escape:
        editor->returnFocus();
        return true;
    default:
        return false;
    }
}

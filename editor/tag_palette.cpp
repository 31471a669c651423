#include "editor/tag_palette.h"

#include "editor/editor_page.h"
#include "editor/editor_tab.h"
#include "widgets/hint.h"

#include <QHBoxLayout>
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
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(width, ButtonHeight);
    setHint(button, snippet.hint);
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

TForm2::TForm2(QWidget* mainWindow, EditorTab* editorTab)
    : ToolWindow(mainWindow, "Form2", "Tag Inspector"), editor(editorTab) {
    setFixedSize(538, 57);
    move(198, 46);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setFocusPolicy(Qt::NoFocus);
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
}

void TForm2::setVisible(bool visible) {
    if (visible)
        buildPalette();
    ToolWindow::setVisible(visible);
}

void TForm2::buildPalette() {
    if (PageControl1->count() > 0)
        return;
    int pageNumber = 0;
    for (const SnippetPage& page : snippetPages()) {
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QStringLiteral("Page%1").arg(pageNumber + 1));
        auto* row = new QHBoxLayout(sheet);
        row->setContentsMargins(2, 1, 2, 1);
        row->setSpacing(0);
        for (const Snippet& snippet : page.snippets) {
            QToolButton* button =
                makeButton(snippet, page.buttonWidth, pageTint(pageNumber), sheet);
            row->addWidget(button);
            // The table lives as long as the program, so the snippet can be
            // referred to.
            connect(button, &QToolButton::clicked, this,
                    [this, &snippet] { editor->insertSnippet(snippet.lines, snippet.mode); });
        }
        row->addStretch(1);
        PageControl1->addTab(sheet, page.caption);
        ++pageNumber;
    }
    PageControl1->setCurrentIndex(0);
}

#include "widgets/font_box.h"

#include "widgets/control_factory.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QRegularExpression>

QStringList installedFontFamilies() {
    static const QStringList families = [] {
        static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
        QStringList names;
        for (const QString& family : QFontDatabase::families()) {
            if (QFontDatabase::isPrivateFamily(family))
                continue;
            QString name = family;
            name.remove(foundry);
            names.append(name);
        }
        names.append(QStringLiteral("Default"));
        names.removeDuplicates();
        names.sort(Qt::CaseInsensitive);
        return names;
    }();
    return families;
}

QLabel* makeFontSample(const QString& objectName, QWidget* parent) {
    auto* panel = new QLabel(QStringLiteral("AaBbCc"), parent);
    panel->setObjectName(objectName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedSize(97, 57);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

FontBox::FontBox(const QString& name, QLabel* samplePanel, QWidget* parent)
    : SpokenList(parent), sample(samplePanel) {
    setObjectName(name);
    makeEditable(this);
    setInsertPolicy(QComboBox::NoInsert);
    // A crowded layout may narrow the list to the width of a usual family
    // name rather than its longest one.
    setMinimumContentsLength(15);
    addItems(installedFontFamilies());
    setEditText(QStringLiteral("Times New Roman"));
    connect(this, &QComboBox::highlighted, this,
            [this](int index) { showSample(itemText(index)); });
}

void FontBox::showPopup() {
    showSample(currentText());
    sample->show();
    sample->raise();
    QComboBox::showPopup();
}

void FontBox::hidePopup() {
    QComboBox::hidePopup();
    sample->hide();
}

void FontBox::showSample(const QString& family) {
    QFont font = QApplication::font();
    if (family != QLatin1String("Default") && QFontDatabase::hasFamily(family))
        font = QFont(family);
    font.setPixelSize(16);
    sample->setFont(font);
}

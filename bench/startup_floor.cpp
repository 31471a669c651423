// The floor the start-up benchmark compares Quillmint with: the cheapest Qt
// program that does the same job at start-up. A fixed main window with a menu
// bar, a tab widget of five tabs holding the same kinds of controls, four font
// boxes filled from the installed font families, a status bar, and four hidden
// tool windows; like Quillmint, it keeps the desktop's font.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

QWidget* toolTab(const QStringList& fonts, int fontBoxes) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* tools = new QToolBar;
    for (const char* caption : {"New", "Save As", "Print", "Options", "Help"})
        tools->addAction(QString::fromLatin1(caption));
    grid->addWidget(tools, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Name:")), 1, 0);
    grid->addWidget(new QLineEdit, 1, 1);
    grid->addWidget(new QSpinBox, 1, 2);
    grid->addWidget(new QCheckBox(QStringLiteral("Option")), 1, 3);
    grid->addWidget(new QRadioButton(QStringLiteral("Choice")), 2, 0);
    grid->addWidget(new QListWidget, 2, 1);
    grid->addWidget(new QPushButton(QStringLiteral("Make Code")), 2, 2);
    for (int n = 0; n < fontBoxes; ++n) {
        auto* box = new QComboBox;
        box->setEditable(true);
        box->addItems(fonts);
        grid->addWidget(box, 3, n);
    }
    grid->addWidget(new QPlainTextEdit, 4, 0, 1, 4);
    return page;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QMainWindow window;
    window.setObjectName(QStringLiteral("Form1"));
    for (const char* menu : {"&File", "&Edit", "&View", "&Wizards", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    auto* tabs = new QTabWidget;
    const QStringList fonts = QFontDatabase::families();
    tabs->addTab(toolTab(fonts, 1), QStringLiteral("Dropdown Menu Maker"));
    tabs->addTab(toolTab({}, 0), QStringLiteral("Popup Maker"));
    tabs->addTab(toolTab({}, 0), QStringLiteral("MouseOver Button Maker"));
    tabs->addTab(toolTab(fonts, 3), QStringLiteral("Slideshow Maker"));
    tabs->addTab(toolTab({}, 0), QStringLiteral("JS Editor"));
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("Press F1 For Help"));
    window.setFixedSize(610, 410);

    for (int n = 0; n < 4; ++n) {
        auto* tool = new QWidget(&window, Qt::Tool);
        auto* layout = new QGridLayout(tool);
        layout->addWidget(new QListWidget, 0, 0);
        layout->addWidget(new QPushButton(QStringLiteral("Close")), 1, 0);
    }
    window.show();
    return QApplication::exec();
}

#include "widgets/desktop.h"

#include <QtGlobal>

namespace {
Desktop* installed = nullptr;
}

Desktop& desktop() {
    Q_ASSERT_X(installed, "desktop()", "no desktop services installed");
    return *installed;
}

void installDesktop(Desktop* services) {
    installed = services;
}

QString FileDialog::askSave() {
    const QString chosen = desktop().saveFileName(request, fileName);
    if (!chosen.isEmpty())
        fileName = chosen;
    return chosen;
}

QStringList FileDialog::askOpen(bool multiple) {
    const QStringList chosen = desktop().openFileNames(request, fileName, multiple);
    if (!chosen.isEmpty())
        fileName = chosen.first();
    return chosen;
}

#include "widgets/icons.h"

#ifndef QUILLMINT_APP_ID
#error "QUILLMINT_APP_ID must name the program to the desktop"
#endif

namespace {

QIcon ownDrawing(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace

QIcon themedIcon(const QString& name) {
    return QIcon::fromTheme(name, ownDrawing(name));
}

QString applicationId() {
    return QStringLiteral(QUILLMINT_APP_ID);
}

QIcon applicationIcon() {
    return QIcon::fromTheme(applicationId(), ownDrawing(QStringLiteral("quillmint")));
}

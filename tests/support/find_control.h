#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

// The control named `name` (its objectName) inside `window`, of type T.
// Tests address controls only this way: the objectNames are the contract,
// the C++ members behind them are not. A missing control ends the test run
// with its name, never a null pointer further down.
template <typename T = QObject> T* findControl(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("No control \"%s\" of the expected type in \"%s\"", qPrintable(name),
               qPrintable(window->objectName()));
    return found;
}

template <typename T = QObject> T* findControl(const QObject& window, const QString& name) {
    return findControl<T>(&window, name);
}

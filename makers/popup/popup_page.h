#pragma once

#include "core/typed_text.h"

#include <QString>
#include <QStringList>

// Everything the popup page is made from, read from the tab at Make Code.
// Numbers are the texts the spin edits show; texts are inserted as typed.
struct PopupSettings {
    // In the order of the "Launch Event:" list.
    enum class LaunchEvent { OnClick, OnLoad, OnMouseOut, OnMouseOver, OnUnload, AfterDelay };
    // In the order of the "Launch Medium:" list.
    enum class LaunchMedium { TextLink, ImageLink, Other };

    bool directories = false;
    bool location = false;
    bool menubar = false;
    bool resizable = false;
    bool scrollbars = false;
    bool statusbar = false;
    bool toolbar = false;
    QString height = QStringLiteral("240");
    QString width = QStringLiteral("320");
    QString left = QStringLiteral("25");
    QString top = QStringLiteral("25");
    bool closeAfterTime = false;
    QString closeSeconds = QStringLiteral("1");
    bool fullScreen = false;

    QString url;
    QString statusText;

    LaunchEvent event = LaunchEvent::OnClick;
    LaunchMedium medium = LaunchMedium::TextLink;
    QString imagePath;
    QString delaySeconds = QStringLiteral("1");

    friend bool operator==(const PopupSettings&, const PopupSettings&) = default;
};

// The settings with every text as a page of `kind` may take it (see
// web::validText); each page function starts here.
PopupSettings validSettings(PopupSettings settings, web::PageKind kind);

// The `windowprops` assignment: the full-screen line, or the seven features
// with size and position.
QString popupWindowFeatures(const PopupSettings& settings);

// The whole page that launches the popup, one entry per line.
QStringList popupPage(const PopupSettings& settings);

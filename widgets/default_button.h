#pragma once

class QAbstractButton;
class QWidget;

// Makes `button` the default button of `area`: Return or Enter anywhere in
// the area, except in a multi-line text pane, clicks it while it is enabled.
void installDefaultButton(QWidget* area, QAbstractButton* button);

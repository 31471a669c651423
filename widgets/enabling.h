#pragma once

#include <initializer_list>

class QAbstractButton;
class QWidget;

// Enabling rules: all of `controls` at once, or, from now on, exactly while
// `box` is checked (or unchecked).
void enableAll(std::initializer_list<QWidget*> controls, bool enabled);
enum class While { Checked, Unchecked };
void enableWith(QAbstractButton* box, std::initializer_list<QWidget*> controls,
                While state = While::Checked);

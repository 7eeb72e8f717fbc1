// The plain controls with the house sizes: a check box 120 wide and a push
// button 80 x 21.
#pragma once

#include <QCheckBox>
#include <QPushButton>

namespace vornia {

class TmirlCheckbox : public QCheckBox {
    Q_OBJECT

public:
    explicit TmirlCheckbox(QWidget* parent = nullptr);
    explicit TmirlCheckbox(const QString& text, QWidget* parent = nullptr);
};

class TmirlButton : public QPushButton {
    Q_OBJECT

public:
    explicit TmirlButton(QWidget* parent = nullptr);
    explicit TmirlButton(const QString& text, QWidget* parent = nullptr);
};

} // namespace vornia

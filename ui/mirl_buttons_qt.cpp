#include "mirl_buttons_qt.h"

namespace vornia {

namespace {
constexpr int CheckboxWidth = 120;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 21;
} // namespace

TmirlCheckbox::TmirlCheckbox(QWidget* parent) : TmirlCheckbox(QString(), parent) {}

TmirlCheckbox::TmirlCheckbox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    resize(CheckboxWidth, height());
}

TmirlButton::TmirlButton(QWidget* parent) : TmirlButton(QString(), parent) {}

TmirlButton::TmirlButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    resize(ButtonWidth, ButtonHeight);
}

} // namespace vornia

#include "mirl_edit_qt.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QProxyStyle>

namespace vornia {

namespace {

// The application's style with another password character.
class TPasswordCharStyle : public QProxyStyle {
public:
    explicit TPasswordCharStyle(QChar passwordChar) : PasswordMask(passwordChar) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return PasswordMask.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar PasswordMask;
};

} // namespace

TmirlEdit::TmirlEdit(QWidget* parent) : TmirlLabelledPanel(parent)
{
    Edit = new QLineEdit(this);
    AttachInput(Edit);
    connect(Edit, &QLineEdit::textChanged, this, [this] { emit changed(this); });
}

QString TmirlEdit::Text() const
{
    return Edit->text();
}

void TmirlEdit::SetText(const QString& value)
{
    Edit->setText(value);
}

void TmirlEdit::SetPasswordChar(QChar value)
{
    if (value == PasswordMask)
        return;
    PasswordMask = value;
    Edit->setEchoMode(QLineEdit::Normal);
    QProxyStyle* old = PasswordStyle;
    PasswordStyle = nullptr;
    if (!value.isNull()) {
        PasswordStyle = new TPasswordCharStyle(value);
        PasswordStyle->setParent(this);
        Edit->setStyle(PasswordStyle);
        Edit->setEchoMode(QLineEdit::Password);
    } else {
        Edit->setStyle(QApplication::style());
    }
    delete old;
}

bool TmirlEdit::ReadOnlyControl() const
{
    return Edit->isReadOnly();
}

void TmirlEdit::SetReadOnlyControl(bool value)
{
    Edit->setReadOnly(value);
    QPalette palette = Edit->palette();
    const QPalette standard = QApplication::palette(Edit);
    palette.setColor(QPalette::Base,
                     standard.color(value ? QPalette::Button : QPalette::Base));
    Edit->setPalette(palette);
}

bool TmirlEdit::TabStop() const
{
    return (Edit->focusPolicy() & Qt::TabFocus) != 0;
}

void TmirlEdit::SetTabStop(bool value)
{
    Edit->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TmirlEdit::RaiseExit() { emit exited(this); }

} // namespace vornia

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
    explicit TPasswordCharStyle(QChar passwordChar) : FPasswordChar(passwordChar) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return FPasswordChar.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar FPasswordChar;
};

} // namespace

TmirlEdit::TmirlEdit(QWidget* parent) : TmirlLabelledPanel(parent)
{
    FEdit = new QLineEdit(this);
    AttachInput(FEdit);
    connect(FEdit, &QLineEdit::textChanged, this, [this] { emit changed(this); });
}

QString TmirlEdit::Text() const { return FEdit->text(); }

void TmirlEdit::SetText(const QString& value) { FEdit->setText(value); }

void TmirlEdit::SetPasswordChar(QChar value)
{
    if (value == FPasswordChar)
        return;
    FPasswordChar = value;
    FEdit->setEchoMode(QLineEdit::Normal);
    QProxyStyle* old = FPasswordStyle;
    FPasswordStyle = nullptr;
    if (!value.isNull()) {
        FPasswordStyle = new TPasswordCharStyle(value);
        FPasswordStyle->setParent(this);
        FEdit->setStyle(FPasswordStyle);
        FEdit->setEchoMode(QLineEdit::Password);
    } else {
        FEdit->setStyle(QApplication::style());
    }
    delete old;
}

bool TmirlEdit::ReadOnlyControl() const { return FEdit->isReadOnly(); }

void TmirlEdit::SetReadOnlyControl(bool value)
{
    FEdit->setReadOnly(value);
    QPalette palette = FEdit->palette();
    const QPalette standard = QApplication::palette(FEdit);
    palette.setColor(QPalette::Base,
                     standard.color(value ? QPalette::Button : QPalette::Base));
    FEdit->setPalette(palette);
}

bool TmirlEdit::TabStop() const { return (FEdit->focusPolicy() & Qt::TabFocus) != 0; }

void TmirlEdit::SetTabStop(bool value)
{
    FEdit->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TmirlEdit::RaiseExit() { emit exited(this); }

} // namespace vornia

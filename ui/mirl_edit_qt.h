// TmirlEdit: a single-line edit with its caption on the left, placed on a
// form as one control.
#pragma once

#include <QChar>
#include <QString>

#include "ui/mirl_labelled_qt.h"

class QLineEdit;
class QProxyStyle;

namespace vornia {

class TmirlEdit : public TmirlLabelledPanel {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE SetPasswordChar)
    Q_PROPERTY(bool ReadOnlyControl READ ReadOnlyControl WRITE SetReadOnlyControl)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    explicit TmirlEdit(QWidget* parent = nullptr);

    QLineEdit* EditControl() const { return Edit; }

    QString Text() const;
    void SetText(const QString& value);
    // QChar() shows the text as typed; any other character masks it.
    QChar PasswordChar() const { return PasswordMask; }
    void SetPasswordChar(QChar value);
    // Read-only edits refuse typing and show the button-face grey; editable
    // ones the window (edit) colour.
    bool ReadOnlyControl() const;
    void SetReadOnlyControl(bool value);
    // Whether Tab stops at the edit; a click still focuses it.
    bool TabStop() const;
    void SetTabStop(bool value);

signals:
    // The edit's text changed (typed or set).
    void changed(vornia::TmirlEdit* sender);
    // The focus left the composite for another control.
    void exited(vornia::TmirlEdit* sender);

protected:
    void RaiseExit() override;

private:
    QLineEdit* Edit = nullptr;
    QChar PasswordMask;
    QProxyStyle* PasswordStyle = nullptr; // child of this panel
};

} // namespace vornia

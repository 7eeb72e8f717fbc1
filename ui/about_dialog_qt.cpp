#include "about_dialog_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "board/translate.h"
#include "ui/about_text.h"
#include "ui/qstring_qt.h"

namespace vornia {
namespace {

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        list << ToQString(line);
    return list.join(QLatin1Char('\n'));
}

// A single land tile with a dice number, for when the application has no
// icon of its own.
QPixmap DrawnIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size, h = size;
    QPainterPath hex;
    hex.moveTo(w / 2, 1);
    hex.lineTo(w - 3, h / 4);
    hex.lineTo(w - 3, h * 3 / 4);
    hex.lineTo(w / 2, h - 1);
    hex.lineTo(3, h * 3 / 4);
    hex.lineTo(3, h / 4);
    hex.closeSubpath();
    painter.setPen(QPen(QColor(60, 40, 20), 2));
    painter.setBrush(QColor(230, 200, 60));
    painter.drawPath(hex);
    const qreal disc = w * 0.42;
    painter.setPen(QPen(QColor(60, 40, 20), 1));
    painter.setBrush(QColor(250, 240, 210));
    painter.drawEllipse(QRectF((w - disc) / 2, (h - disc) / 2, disc, disc));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(disc * 0.7));
    painter.setFont(font);
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QStringLiteral("8"));
    return pixmap;
}

void MakeLink(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent, const std::string& host, TUrlOpener opener)
    : QDialog(parent), Host(host), Opener(std::move(opener))
{
    if (!Opener)
        Opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ToQString(AboutCaption));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    pagMain = new QTabWidget(this);
    pagMain->setObjectName(QStringLiteral("pagMain"));
    BuildAboutTab();
    memNote = AddTextTab("tabNotes", "memNote");
    memHistory = AddTextTab("tabHistory", "memHistory");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(pagMain, 1);
    layout->addWidget(BuildBottomStrip());

    FormCreate();
}

void TfrmAbout::BuildAboutTab() {
    tabAbout = new QWidget;
    tabAbout->setObjectName(QStringLiteral("tabAbout"));
    pagMain->addTab(tabAbout, QString());

    imgIcon = new QLabel(tabAbout);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setFixedSize(64, 64);
    imgIcon->setAlignment(Qt::AlignCenter);
    const QIcon appIcon = QApplication::windowIcon();
    imgIcon->setPixmap(appIcon.isNull() ? DrawnIcon(56) : appIcon.pixmap(56, 56));

    auto label = [this](const char* name) {
        auto* l = new QLabel(tabAbout);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    lblName = label("lblName");
    QFont nameFont = lblName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    lblName->setFont(nameFont);
    lblVersion = label("lblVersion");
    lblCopyright = label("lblCopyright");
    lblWebSite = label("lblWebSite");
    lblEmail = label("lblEmail");
    for (QLabel* link : {lblWebSite, lblEmail}) {
        MakeLink(link);
        link->installEventFilter(this);
    }

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(lblName);
    texts->addWidget(lblVersion);
    texts->addSpacing(10);
    texts->addWidget(lblCopyright);
    texts->addSpacing(10);
    texts->addWidget(lblWebSite, 0, Qt::AlignLeft);
    texts->addWidget(lblEmail, 0, Qt::AlignLeft);
    texts->addStretch(1);

    auto* row = new QHBoxLayout(tabAbout);
    row->setContentsMargins(16, 16, 16, 8);
    row->setSpacing(16);
    row->addWidget(imgIcon, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
}

QPlainTextEdit* TfrmAbout::AddTextTab(const char* tabName, const char* memoName)
{
    auto* tab = new QWidget;
    tab->setObjectName(QLatin1String(tabName));
    auto* memo = new QPlainTextEdit(tab);
    memo->setObjectName(QLatin1String(memoName));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font = memo->font();
    font.setBold(true);
    memo->setFont(font);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    pagMain->addTab(tab, QString());
    return memo;
}

QWidget* TfrmAbout::BuildBottomStrip() {
    auto* pnlBottom = new QWidget(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    btnOk = new QPushButton(pnlBottom);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setFixedSize(75, 25);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QHBoxLayout(pnlBottom);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->addStretch(1);
    layout->addWidget(btnOk);
    return pnlBottom;
}

void TfrmAbout::FormCreate() {
    pagMain->setCurrentWidget(tabAbout);
    FillTexts();
}

void TfrmAbout::FillTexts()
{
    // clang-format off
    static constexpr const char* TabTitles[] = {
        QT_TRANSLATE_NOOP("TfrmAbout", "About"),
        QT_TRANSLATE_NOOP("TfrmAbout", "Notes"),
        QT_TRANSLATE_NOOP("TfrmAbout", "History"),
    };
    // clang-format on
    for (int i = 0; i < pagMain->count(); ++i)
        pagMain->setTabText(i, QCoreApplication::translate("TfrmAbout", TabTitles[i]));
    btnOk->setText(QCoreApplication::translate("TfrmAbout", "OK"));
    lblName->setText(ToQString(AboutProgramName));
    lblVersion->setText(ToQString(FormatText(Tr(trc::About, VORNIA_TR_NOOP("About", "version %1")), {ProgramVersion})));
    lblCopyright->setText(ToQString(CopyrightText(QDate::currentDate().year())));
    lblWebSite->setText(ToQString(WebSiteAddress(Host)));
    lblEmail->setText(ToQString(AboutEmailAddress));
    memNote->setPlainText(JoinLines(NoteLines()));
    memHistory->setPlainText(JoinLines(HistoryLines()));

    // The dialog keeps its designed size in English; a translated line that
    // does not fit widens it.
    int width = ClientWidth;
    if (pagMain->tabText(0) != QLatin1String(TabTitles[0]))
        width = std::max(width, pagMain->sizeHint().width() + layout()->contentsMargins().left() +
                                    layout()->contentsMargins().right());
    setFixedSize(width, ClientHeight);
}

void TfrmAbout::lblWebSiteClick() {
    Opener(QUrl(ToQString(WebSiteAddress(Host))));
}

void TfrmAbout::lblEmailClick() {
    Opener(QUrl(QStringLiteral("mailto:") + lblEmail->text()));
}

void TfrmAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        FillTexts();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblWebSite) {
            lblWebSiteClick();
            return true;
        }
        if (watched == lblEmail) {
            lblEmailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutDialog(QWidget* parent, const std::string& host) {
    TfrmAbout dialog(parent, host);
    dialog.exec();
}

} // namespace vornia

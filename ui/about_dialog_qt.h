// The About dialog: who made the program and which version it is, links to
// the maker's web page and e-mail address, the user notes and the history.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

class QEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QUrl;

namespace vornia {

// Opens a link with the desktop's browser or mail program; tests pass their
// own. A link that cannot be opened fails silently.
using TUrlOpener = std::function<void(const QUrl&)>;

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 465;
    static constexpr int ClientHeight = 292;

    // host: the maker's web server, whose page (AboutWebPagePath) the web
    // link opens. An empty opener uses QDesktopServices::openUrl.
    TfrmAbout(QWidget* parent, const std::string& host, TUrlOpener opener = {});

    void lblWebSiteClick();
    void lblEmailClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildAboutTab();
    QPlainTextEdit* AddTextTab(const char* tabName, const char* memoName);
    QWidget* BuildBottomStrip();
    // Fills every control afresh: versions, year range, notes and history.
    void FormCreate();
    // Every text in the language in force.
    void FillTexts();

    std::string Host;
    TUrlOpener Opener;

    QTabWidget* pagMain = nullptr;
    QWidget* tabAbout = nullptr;
    QLabel* imgIcon = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblWebSite = nullptr;
    QLabel* lblEmail = nullptr;
    QPlainTextEdit* memNote = nullptr;
    QPlainTextEdit* memHistory = nullptr;
    QPushButton* btnOk = nullptr;
};

// Creates the About dialog over parent, shows it modally and frees it.
void ShowAboutDialog(QWidget* parent, const std::string& host);

} // namespace vornia

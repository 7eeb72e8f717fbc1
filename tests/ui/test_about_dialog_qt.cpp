#include "ui/about_dialog_qt.h"

#include <string>
#include <vector>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include "program_version.h"
#include "ui/about_text.h"

namespace vornia {
namespace {

template <typename T>
T* Child(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString Joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list.join('\n');
}

TEST(AboutDialog, IsAFixedToolWindowWithThreeTabs) {
    TfrmAbout dialog(nullptr, "www.vornia.example");
    EXPECT_EQ(dialog.windowTitle(), "Vornia Generator");
    EXPECT_EQ(dialog.windowType(), Qt::Tool);
    EXPECT_EQ(dialog.minimumSize(), QSize(465, 292));
    EXPECT_EQ(dialog.maximumSize(), QSize(465, 292));

    auto* pages = Child<QTabWidget>(dialog, "pagMain");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "About");
    EXPECT_EQ(pages->tabText(1), "Notes");
    EXPECT_EQ(pages->tabText(2), "History");
    EXPECT_EQ(pages->widget(0)->objectName(), "tabAbout");
    EXPECT_EQ(pages->widget(1)->objectName(), "tabNotes");
    EXPECT_EQ(pages->widget(2)->objectName(), "tabHistory");
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST(AboutDialog, ShowsVersionYearRangeAndLinks) {
    TfrmAbout dialog(nullptr, "mirror.example");
    EXPECT_EQ(Child<QLabel>(dialog, "lblName")->text(), "Vornia Generator");
    EXPECT_EQ(Child<QLabel>(dialog, "lblVersion")->text(),
              QString::fromStdString("version " + std::string(ProgramVersion)));
    EXPECT_EQ(Child<QLabel>(dialog, "lblCopyright")->text().toStdString(),
              CopyrightText(QDate::currentDate().year()));
    EXPECT_EQ(Child<QLabel>(dialog, "lblWebSite")->text(),
              "http://mirror.example/vorniaboard.shtml");
    EXPECT_EQ(Child<QLabel>(dialog, "lblEmail")->text().toStdString(), AboutEmailAddress);
    EXPECT_FALSE(Child<QLabel>(dialog, "imgIcon")->pixmap().isNull());
    for (const char* name : {"lblWebSite", "lblEmail"}) {
        SCOPED_TRACE(name);
        const QLabel* link = Child<QLabel>(dialog, name);
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST(AboutDialog, TextBoxesHoldNotesAndHistory) {
    TfrmAbout dialog(nullptr, "www.vornia.example");
    struct Row {
        const char* name;
        QString text;
    };
    for (const Row& row : {Row{"memNote", Joined(NoteLines())},
                           Row{"memHistory", Joined(HistoryLines())}}) {
        SCOPED_TRACE(row.name);
        const auto* memo = Child<QPlainTextEdit>(dialog, row.name);
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->toPlainText(), row.text);
        EXPECT_EQ(memo->document()->blockCount(), row.text.count('\n') + 1);
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_TRUE(memo->font().bold());
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
}

TEST(AboutDialog, LinksOpenTheWebPageAndTheMailAddress) {
    std::vector<QUrl> opened;
    TfrmAbout dialog(nullptr, "www.vornia.example",
                     [&](const QUrl& url) { opened.push_back(url); });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(Child<QLabel>(dialog, "lblWebSite"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblEmail"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblEmail"), Qt::RightButton);
    QTest::mouseClick(Child<QLabel>(dialog, "lblVersion"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl("http://www.vornia.example/vorniaboard.shtml"));
    EXPECT_EQ(opened[1], QUrl("mailto:generator@vornia.example"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(AboutDialog, OkEnterEscapeAndCloseBoxCloseIt) {
    struct Row {
        const char* name;
        std::function<void(TfrmAbout&)> act;
        int result;
    };
    const std::vector<Row> rows = {
        {"OK button",
         [](TfrmAbout& d) { QTest::mouseClick(Child<QPushButton>(d, "btnOk"), Qt::LeftButton); },
         QDialog::Accepted},
        {"Enter", [](TfrmAbout& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", [](TfrmAbout& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
        {"close box", [](TfrmAbout& d) { d.close(); }, QDialog::Rejected},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TfrmAbout dialog(nullptr, "www.vornia.example", [](const QUrl&) {});
        dialog.setResult(-1);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        row.act(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), row.result);
    }
}

TEST(AboutDialog, ShowAboutDialogRunsModallyOverItsParentAndFreesIt) {
    QWidget window;
    window.resize(800, 600);
    window.show();
    QPointer<QWidget> seen;
    bool modal = false;
    QTimer::singleShot(50, [&] {
        QWidget* active = QApplication::activeModalWidget();
        seen = active;
        if (auto* about = qobject_cast<TfrmAbout*>(active)) {
            modal = about->isModal() && about->parentWidget() == &window;
            about->accept();
        }
    });
    ShowAboutDialog(&window, "www.vornia.example");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(seen.isNull()); // freed when it closed
}

TEST(AboutDialog, DrawsItsLinksInBlue) {
    TfrmAbout dialog(nullptr, "www.vornia.example", [](const QUrl&) {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(image.size(), QSize(465, 292) * image.devicePixelRatio());
    const QLabel* link = Child<QLabel>(dialog, "lblWebSite");
    const QRect area(link->mapTo(&dialog, QPoint(0, 0)), link->size());
    int blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 180 && c.red() < 90 && c.green() < 90)
                ++blue;
        }
    EXPECT_GT(blue, 20);
    const QByteArray folder = qgetenv("VORNIA_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(folder)).filePath("about_dialog.png"));
}

} // namespace
} // namespace vornia

// The window in German and French: at start-up from the system's language
// (a run for every catalogue, named in VORNIA_TEST_LANGUAGE), and switched
// while it runs.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "app/frm_board_qt.h"
#include "app/status_bar_qt.h"
#include "options/frm_custom_options_qt.h"
#include "tests/files/test_files.h"
#include "ui/mirl_combobox_qt.h"
#include "ui/mirl_edit_qt.h"
#include "ui/qstring_qt.h"
#include "wait_for_qt.h"

namespace vornia::test {
namespace {

struct TExpected {
    const char* File;
    const char* Options;
    const char* Yes;
    const char* Cancel;
    const char* Waiting;
};

const std::map<std::string, TExpected> Expected{
    {"de", {"&Datei", "Form und Spielteile", "Ja", "Abbrechen", "Bitte warten..."}},
    {"fr", {"&Fichier", "Forme et pi\u00e8ces", "Oui", "Annuler", "Veuillez patienter..."}},
};

class WindowLanguage : public ::testing::Test {
protected:
    void Open(const std::string& ini = "autoVersionCheck=0\r\n")
    {
        WriteText(Folder.File("VorniaGenerator.ini"), "[settings]\r\n" + ini);
        TShellHooks hooks;
        hooks.Message = [](const std::string&, TMsgKind, TMsgButtons) { return TMsgAnswer::Ok; };
        Window = std::make_unique<TfrmBoardQt>(0, Folder.Path, hooks);
        ASSERT_TRUE(Window->Create());
    }
    QString FileCaption() const { return Window->Action("mnuFile")->text(); }

    TTempFolder Folder;
    std::unique_ptr<TfrmBoardQt> Window;
};

QStringList ButtonTexts(QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, "", "", buttons);
    QStringList texts;
    for (QAbstractButton* button : box.buttons())
        texts << button->text().remove('&');
    return texts;
}

TEST_F(WindowLanguage, FollowsTheSystemsLanguage)
{
    const std::string language = qEnvironmentVariable("VORNIA_TEST_LANGUAGE").toStdString();
    if (language.empty())
        GTEST_SKIP() << "run with VORNIA_TEST_LANGUAGE set to a catalogue's language";
    if (!Expected.count(language)) {
        // A language added since: the window shows its catalogue's texts.
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QString::fromStdString("vornia_" + language), QStringLiteral(":/i18n")));
        const QString file = catalogue.translate("Menu", "&File");
        ASSERT_FALSE(file.isEmpty());
        Open();
        EXPECT_EQ(FileCaption(), file);
        return;
    }
    const TExpected& expected = Expected.at(language);
    Open();
    EXPECT_EQ(FileCaption(), expected.File);
    EXPECT_EQ(TfrmCustomOptions().windowTitle(), expected.Options);
    const QStringList buttons = ButtonTexts(QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_TRUE(buttons.contains(expected.Yes)) << buttons.join(',').toStdString();
    EXPECT_TRUE(buttons.contains(expected.Cancel)) << buttons.join(',').toStdString();
    Window->Action("mnuMakeNewBoard")->trigger();
    EXPECT_EQ(Window->Logic().StatusBar().Text(0), expected.Waiting);
    // English stays for what is written.
    Window->close();
    EXPECT_EQ(ReadText(Folder.File("VorniaGenerator.ini")).find("language"), std::string::npos);
}

TEST_F(WindowLanguage, SwitchesWhileRunningAndIsKept)
{
    Open();
    TfrmCustomOptions dialog;
    const QSize english = dialog.size();
    Window->Action(LanguageItem("de"))->trigger();
    EXPECT_EQ(FileCaption(), "&Datei");
    EXPECT_TRUE(Window->Action(LanguageItem("de"))->isChecked());
    EXPECT_EQ(Window->windowTitle(), "Spielbrett-Generator f\u00fcr Hexlanders Of Vornia");
    EXPECT_EQ(Window->Logic().StatusBar().Text(4), " Version " + std::string(ProgramVersion));
    ASSERT_TRUE(WaitFor([&] { return dialog.windowTitle() == "Form und Spielteile"; }));
    // The shape list shows German names and still hands over English ones.
    dialog.SelectShape("dog leg");
    EXPECT_EQ(dialog.cboShape->ComboControl()->currentText(), "Knick");
    EXPECT_EQ(dialog.GetShapeText(), "dog leg");
    // No caption is cut off, and nothing grew into its neighbour.
    for (TmirlEdit* edit : dialog.findChildren<TmirlEdit*>())
        EXPECT_GE(edit->CaptionWidth(), edit->CaptionLabel()->sizeHint().width()) << edit->Caption().toStdString();
    EXPECT_GE(dialog.width(), english.width());

    Window->Action(LanguageItem("fr"))->trigger();
    EXPECT_EQ(FileCaption(), "&Fichier");
    Window->Action(LanguageItem("en"))->trigger();
    EXPECT_EQ(FileCaption(), "&File");
    ASSERT_TRUE(WaitFor([&] { return dialog.windowTitle() == "Shape And Piece Options"; }));
    EXPECT_EQ(dialog.size(), english);

    Window->Action(LanguageItem("fr"))->trigger();
    Window->close();
    EXPECT_NE(ReadText(Folder.File("VorniaGenerator.ini")).find("language=fr\r\n"), std::string::npos);
    Window.reset();
    Open(ReadText(Folder.File("VorniaGenerator.ini")).substr(std::string("[settings]\r\n").size()));
    EXPECT_EQ(FileCaption(), "&Fichier");
    Window->Action(LanguageItem(""))->trigger();
    EXPECT_EQ(FileCaption(), "&File");
}

// Every status panel shows its whole text in German and French: at
// start-up, after F1 and after a switch of language, with the longest texts
// a board gives (a fair board of the longest shape, its land-mass category).
TEST_F(WindowLanguage, EveryStatusPanelFitsItsText)
{
    Open("autoVersionCheck=0\r\nlanguage=fr\r\nshape=lesser great lakes\r\nfairNoAdjacentRed=1\r\n");
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    ASSERT_TRUE(WaitFor([this] { return Window->isMaximized(); }));
    const TStatusBarWidget& status = *Window->StatusBarWidget();
    auto expectFits = [&](const char* when) {
        SCOPED_TRACE(when);
        for (int panel = 0; panel < StatusPanelCount; ++panel) {
            const QString text = ToQString(Window->Logic().StatusBar().Text(panel));
            const QRect rect = status.PanelRect(panel);
            EXPECT_GE(rect.width(), status.fontMetrics().horizontalAdvance(text))
                << panel << " '" << text.toStdString() << "'";
            EXPECT_LT(rect.right(), status.width()) << panel;
        }
    };
    auto generate = [&] {
        const std::size_t boards = Window->Logic().BoardPanel().Registry().Boards().size();
        Window->Action("mnuMakeNewBoard")->trigger();
        ASSERT_TRUE(WaitFor([&] { return Window->Logic().BoardPanel().Registry().Boards().size() > boards; }));
    };
    expectFits("French at start-up");
    generate();
    EXPECT_EQ(Window->Logic().StatusBar().Text(0), "forme\u00a0: petits grands lacs (\u00e9quitable)");
    expectFits("French after F1");
    Window->Action(LanguageItem("de"))->trigger();
    EXPECT_EQ(Window->Logic().StatusBar().Text(2), "Landmasse: beliebig");
    expectFits("German after the switch");
    generate();
    expectFits("German after F1");
    Window->Action(LanguageItem("fr"))->trigger();
    expectFits("French after the switch");
}

} // namespace
} // namespace vornia::test

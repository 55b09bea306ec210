#include "shell/FolderChooser.h"
#include "shell/GermanTranslations.h"
#include "support/FakeHome.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using namespace ms::gui;

namespace {
// Answers the chooser once it is open: checks its instruction, lets `inspect` look at the folder
// browser, then picks `folder` or cancels.
void answerChooser(const QString& folder, QString* instruction,
                   std::function<void(QFileDialog*)> inspect = {}) {
    QTimer::singleShot(50, [folder, instruction, inspect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("FolderChooser"));
        *instruction = dialog->findChild<QLabel*>(QStringLiteral("FolderChooserText"))->text();
        auto* browser = dialog->findChild<QFileDialog*>(QStringLiteral("FolderChooserBrowser"));
        if (inspect)
            inspect(browser);
        if (folder.isEmpty()) {
            browser->reject();
        } else {
            browser->setDirectory(folder);
            static_cast<QDialog*>(browser)->accept();
        }
    });
}
} // namespace

TEST(FolderChooser, ShowsTheInstructionAndReturnsNothingWhenCancelled) {
    QString instruction;
    answerChooser(QString(), &instruction);
    EXPECT_TRUE(chooseGameFolder(nullptr).isEmpty());
    EXPECT_EQ(instruction,
              QStringLiteral("Das Spiel Marvessa kann nicht gefunden werden\n"
                             "Wählen Sie aus der Liste das Hauptverzeichnis des Spiels Marvessa aus.\n"));
}

TEST(FolderChooser, ReturnsTheChosenFolder) {
    mstest::TempDir dir;
    std::filesystem::create_directories(dir / "Marvessa");
    const QString folder = QString::fromStdString((dir / "Marvessa").string());
    QString instruction;
    answerChooser(folder, &instruction);
    EXPECT_EQ(chooseGameFolder(nullptr), folder);
}

// Qt's standard texts are German whatever the desktop's language; the chooser opens at the desktop
// folder, or at the home folder when there is no desktop folder.
TEST(FolderChooser, SpeaksGermanAndStartsAtTheDesktopOrHome) {
    ASSERT_TRUE(installGermanTranslations());
    mstest::TempDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.path().string()));
    for (const bool withDesktop : {false, true}) {
        if (withDesktop)
            std::filesystem::create_directories(home / "Desktop");
        QString cancelText, startFolder, instruction;
        answerChooser(QString(), &instruction, [&](QFileDialog* browser) {
            auto* buttons = browser->findChild<QDialogButtonBox*>();
            cancelText = buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
            startFolder = browser->directory().absolutePath();
        });
        chooseGameFolder(nullptr);
        EXPECT_EQ(cancelText, QStringLiteral("Abbrechen"));
        EXPECT_EQ(startFolder.toStdString(), (withDesktop ? home / "Desktop" : home.path()).string());
    }
    qputenv("HOME", previousHome);
}

// Hidden folders are shown; the sidebar offers the libraries and prefixes found, and the chooser starts
// in the first library's games.
TEST(FolderChooser, OffersTheFoundLibrariesAndPrefixes) {
    mstest::FakeHome home;
    const std::filesystem::path root = home / ".local/share/Steam", card = home / "run/media/mmcblk0p1";
    mstest::FakeHome::makeSteamRoot(root, {card, home / "run/media/missing-card"});
    mstest::FakeHome::makeSteamLibrary(card);
    mstest::FakeHome::makePrefix(home / ".local/share/bottles/bottles/Spiele");
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(home.path().string()));
    QList<QUrl> sidebar;
    QString startFolder;
    bool hidden = false;
    QString instruction;
    answerChooser(QString(), &instruction, [&](QFileDialog* browser) {
        sidebar = browser->sidebarUrls();
        startFolder = browser->directory().absolutePath();
        hidden = browser->filter().testFlag(QDir::Hidden);
    });
    chooseGameFolder(nullptr);
    qputenv("HOME", previousHome);

    auto url = [](const std::filesystem::path& p) {
        return QUrl::fromLocalFile(QString::fromStdString(p.string()));
    };
    EXPECT_TRUE(hidden);
    EXPECT_EQ(startFolder.toStdString(), (root / "steamapps/common").string());
    for (const QUrl& expected :
         {url(home.path()), url(root), url(card), url(home / ".local/share/bottles/bottles/Spiele/drive_c")})
        EXPECT_TRUE(sidebar.contains(expected)) << expected.toString().toStdString();
    EXPECT_FALSE(sidebar.contains(url(home / "run/media/missing-card")));
}

#include "shell/FolderChooser.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ms::gui;

namespace {
// Answers the chooser once it is open: checks its instruction, then picks `folder` or cancels.
void answerChooser(const QString& folder, QString* instruction) {
    QTimer::singleShot(50, [folder, instruction] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("FolderChooser"));
        *instruction = dialog->findChild<QLabel*>(QStringLiteral("FolderChooserText"))->text();
        auto* browser = dialog->findChild<QFileDialog*>(QStringLiteral("FolderChooserBrowser"));
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
    EXPECT_EQ(instruction, QStringLiteral("Das Spiel Marvessa kann nicht gefunden werden\n"
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

#pragma once

#include "mainwindow/NumberField.h"
#include "mainwindow/TMainForm.h"
#include "mainwindow/TOrgDataForm.h"
#include "mainwindow/TProductForm.h"
#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/MessageWindow.h"
#include "shell/StandardMessage.h"
#include "store/SharedDocuments.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace mstest {

// A main window on a data copy of its own and an empty mods folder, for tests that create, edit,
// save and activate ships. Error reports and message windows are recorded instead of shown.
class NewShipGuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    template <typename T = QWidget> T* find(const char* name) const {
        T* widget = m_form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ms::gui::NumberField* field(const char* name) const { return find<ms::gui::NumberField>(name); }
    void click(const char* name) const { find<QAbstractButton>(name)->click(); }
    // Types `text` into a number field over its whole content, as a user does.
    void typeInto(const char* name, const QString& text) const;
    // A marker is shown when it is not hidden; its panel may lie behind another one.
    bool markerShown(const char* name) const { return !find(name)->isHidden(); }
    QString buttonPicture(const char* name) const { return find(name)->property("pictureName").toString(); }

    // Selects a category and the template `guid` in it, as clicks do.
    void showTemplate(int category, const QString& guid);
    // Schooner -> "Neues Schiff erstellen".
    void createSchoonerShip();

    // Every file below the data folder with its bytes.
    std::map<std::string, std::string> snapshot() const;
    std::string indexAttribute(const std::string& guid, const std::string& attribute) const;
    std::string recordText(const std::string& guid, const std::string& path) const;

    std::unique_ptr<TempDir> m_dir;
    std::filesystem::path m_xmla;
    std::filesystem::path m_mods;
    std::unique_ptr<ms::gui::TMainForm> m_form;

  private:
    ms::Environment m_savedEnv;
};

// The same with its product picker and template comparison window, as the program builds them.
class SideWindowsFixture : public NewShipGuiTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<ms::gui::TProductForm> m_picker;
    std::unique_ptr<ms::gui::TOrgDataForm> m_org;
};

} // namespace mstest

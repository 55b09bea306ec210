#pragma once

#include "mainwindow/TMainForm.h"
#include "shell/Environment.h"
#include "store/SharedDocuments.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace mstest {

// Types text into a widget key by key, also characters that QTest's ASCII key table lacks.
void typeText(QWidget* widget, const QString& text);

// A main window on a copy of the delivered data set, after the start-up steps that concern it:
// the projectile list filled, the first category selected. The copy is shared by the tests of a
// suite; they only read it.
class MainFormTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_dir = std::make_unique<TempDir>();
        s_xmla = copyDeliveredData(s_dir->path());
    }
    static void TearDownTestSuite() {
        ms::CloseSharedDocuments();
        s_dir.reset();
    }

    void SetUp() override {
        ms::env().xmlaDir = s_xmla;
        ms::env().decimalIsPoint = decimalIsPoint();
        ms::OpenSharedDocuments(s_xmla);
        m_form = std::make_unique<ms::gui::TMainForm>();
        m_form->fillProjectileTypes();
        m_form->selectFirstCategory();
        m_form->clearPanelMarkers();
    }
    void TearDown() override { m_form.reset(); }

    virtual bool decimalIsPoint() const { return false; }

    template <typename T = QWidget> T* find(const char* name) const {
        T* widget = m_form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* name) const;
    QTreeWidget* shipView() const { return find<QTreeWidget>("ShipView"); }

    // Clicks a category of the list, as the user does.
    void selectCategory(int index) { find<QListWidget>("ShipTypeView")->setCurrentRow(index); }
    // Selects the ship with the GUID in the current list; false when it is not listed.
    bool selectShip(const QString& guid);
    QStringList listedSortKeys() const;
    bool visibleInForm(const char* name) const { return find(name)->isVisibleTo(m_form.get()); }

    std::unique_ptr<ms::gui::TMainForm> m_form;
    static inline std::unique_ptr<TempDir> s_dir;
    static inline std::filesystem::path s_xmla;
};

} // namespace mstest

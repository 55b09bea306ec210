#include "app/mainwindow/NewShipGuiFixture.h"

#include <QLineEdit>
#include <QTest>

#include <pugixml.hpp>

namespace mstest {

namespace fs = std::filesystem;

void NewShipGuiTest::SetUp() {
    m_savedEnv = ms::env();
    m_dir = std::make_unique<TempDir>();
    m_xmla = copyDeliveredData(m_dir->path());
    m_mods = m_dir->path() / "mods";
    fs::create_directories(m_mods);
    ms::env().xmlaDir = m_xmla;
    ms::env().modLocation = m_mods.string() + "/";
    ms::env().decimalIsPoint = false;
    ms::gui::StandardMessage::setSuppressed(true);
    ms::gui::StandardMessage::clearLastShown();
    ms::gui::MessageWindow::clearAnswers();
    ms::OpenSharedDocuments(m_xmla);
    m_form = std::make_unique<ms::gui::TMainForm>();
    m_form->fillProjectileTypes();
    m_form->selectFirstCategory();
}

void NewShipGuiTest::TearDown() {
    m_form.reset();
    ms::CloseSharedDocuments();
    ms::activatedModFolders().clear();
    ms::gui::MessageWindow::clearAnswers();
    ms::gui::StandardMessage::setSuppressed(false);
    ms::env() = m_savedEnv;
    m_dir.reset();
}

void SideWindowsFixture::SetUp() {
    NewShipGuiTest::SetUp();
    m_picker = std::make_unique<ms::gui::TProductForm>();
    m_org = std::make_unique<ms::gui::TOrgDataForm>();
    m_form->setSideWindows(m_picker.get(), m_org.get());
}

void SideWindowsFixture::TearDown() {
    m_picker.reset();
    m_org.reset();
    NewShipGuiTest::TearDown();
}

void NewShipGuiTest::typeInto(const char* name, const QString& text) const {
    ms::gui::NumberField* f = field(name);
    f->setFocus();
    f->selectAll();
    QTest::keyClicks(f, text);
}

void NewShipGuiTest::showTemplate(int category, const QString& guid) {
    find<QListWidget>("ShipTypeView")->setCurrentRow(category);
    auto* view = find<QTreeWidget>("ShipView");
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        if (view->topLevelItem(i)->data(0, Qt::UserRole).toString() == guid)
            view->setCurrentItem(view->topLevelItem(i));
    ASSERT_EQ(m_form->currentShipGuid(), guid);
}

void NewShipGuiTest::createSchoonerShip() {
    showTemplate(0, QStringLiteral("100438"));
    click("NewShipBtn");
    ASSERT_EQ(m_form->currentShipGuid(), QStringLiteral("2000501100"));
}

std::map<std::string, std::string> NewShipGuiTest::snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(m_xmla))
        if (e.is_regular_file())
            files[fs::relative(e.path(), m_xmla).string()] = readFile(e.path());
    return files;
}

std::string NewShipGuiTest::indexAttribute(const std::string& guid, const std::string& attribute) const {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file((m_xmla / "ShipShort.xml").c_str()));
    const pugi::xml_node ship = doc.document_element().find_child_by_attribute("Ship", "GUID", guid.c_str());
    EXPECT_TRUE(ship) << guid;
    return ship.attribute(attribute.c_str()).value();
}

std::string NewShipGuiTest::recordText(const std::string& guid, const std::string& path) const {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file((m_xmla / "ShipFull.xml").c_str()));
    const pugi::xpath_node values =
        doc.select_node(("//Asset/Values[Standard/GUID=\"" + guid + "\"]").c_str());
    EXPECT_TRUE(values) << guid;
    return values.node().first_element_by_path(path.c_str()).text().get();
}

} // namespace mstest

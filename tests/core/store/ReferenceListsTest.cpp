#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "core/store/StoreTestSupport.h"

#include <gtest/gtest.h>

using namespace ms;
using mstest::DeliveredStore;

TEST(ReferenceLists, ProjectileGuidAndBoxPositionThroughPos) {
    DeliveredStore store;
    const auto normal = FindProjectile("102032");
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->pos, 3);
    EXPECT_EQ(normal->name, "Kanone, normal "); // the trailing blank belongs to the name
    EXPECT_EQ(normal->guid, "102032");
    EXPECT_EQ(ProjectileGuidAt(3), "102032");
    EXPECT_EQ(ProjectileGuidAt(0), "0");
    EXPECT_EQ(ProjectileGuidAt(7), "102405");
    EXPECT_EQ(ProjectileGuidAt(8), std::nullopt);
    EXPECT_EQ(ProjectileGuidAt(-1), std::nullopt);
    EXPECT_EQ(FindProjectile("4711"), std::nullopt);
    EXPECT_EQ(FindProjectile("0102032"), std::nullopt); // quoted form: text comparison

    const auto names = ProjectileNames();
    ASSERT_EQ(names.size(), 8u);
    EXPECT_EQ(names.front(), "keine Auswahl");
    // Box index n shows the n-th entry, and Pos leads back to the same row for every entry.
    for (int i = 0; i < 8; ++i) {
        const auto guid = ProjectileGuidAt(i);
        ASSERT_TRUE(guid);
        EXPECT_EQ(FindProjectile(*guid)->pos, i);
        EXPECT_EQ(FindProjectile(*guid)->name, names[i]);
    }
}

TEST(ReferenceLists, PickerOffersFourteenProductsInFileOrder) {
    DeliveredStore store;
    const auto products = PickerProducts();
    ASSERT_EQ(products.size(), 14u);
    EXPECT_EQ(products.front().guid, "1010017");
    EXPECT_EQ(products.front().name, "Münzen");
    EXPECT_EQ(products.front().icon, "icon_resource_money_4_0");
    EXPECT_EQ(products.back().guid, "0000000");
    EXPECT_EQ(products.back().name, "Baukosten entfernen");
    for (const auto& p : products)
        EXPECT_NE(p.name, "keine Auswahl");
}

TEST(ReferenceLists, ProductByGuid) {
    DeliveredStore store;
    const auto boards = FindProduct("1010196");
    ASSERT_TRUE(boards);
    EXPECT_EQ(boards->name, "Bretter");
    EXPECT_EQ(boards->icon, "icon_wooden_planks_0");
    EXPECT_EQ(FindProduct("01010196")->name, "Bretter"); // number comparison
    EXPECT_EQ(FindProduct("4711"), std::nullopt);
    EXPECT_EQ(FindProduct("Holz"), std::nullopt);
}

TEST(ReferenceLists, HelpEntries) {
    DeliveredStore store;
    const auto empty = FindHelpEntry("0");
    ASSERT_TRUE(empty); // exists, and empties the help area
    EXPECT_EQ(empty->header, "");
    EXPECT_EQ(empty->text1 + empty->text2 + empty->text3, "");

    const auto create = FindHelpEntry("203");
    ASSERT_TRUE(create);
    EXPECT_EQ(create->header, "Neues Schiff erstellen");
    EXPECT_EQ(create->text1, "Dieser Schalter erzeugt aus der ausgewählten Schiffsvorlage ein neues Schiff, das Sie "
                             "unmittelbar nach Erzeugung im Datenbereich bearbeiten können.");
    EXPECT_EQ(create->text2, "Den Status des aktuell ausgewählten Schiffes visualisiert der Hintergrund der "
                             "Schiffsdatenanzeige. (dunkelrot=bearbeiten, beige=nicht bearbeiten)");
    EXPECT_EQ(create->text3, "");
    EXPECT_EQ(FindHelpEntry("204")->header, "Speichern");
    EXPECT_EQ(FindHelpEntry("999"), std::nullopt);
}

TEST(ReferenceLists, HelpEntryIsFoundThroughItsFirstParagraph) {
    DeliveredStore store;
    // A hand-edited help file: one entry without its first paragraph, one without its header.
    mstest::writeFile(store.xmla / "Help.xml",
                      "<?xml version=\"1.0\"?>\n<TextExport><Texts>"
                      "<Text><GUID>204</GUID><Header>Speichern</Header><Text2>Zwei</Text2></Text>"
                      "<Text><GUID>205</GUID><Text1>Eins</Text1><Text3>Drei</Text3></Text>"
                      "</Texts></TextExport>");
    CloseSharedDocuments();
    OpenSharedDocuments(store.xmla);

    EXPECT_EQ(FindHelpEntry("204"), std::nullopt); // leaves the help area as it was
    const auto onlyText = FindHelpEntry("205");
    ASSERT_TRUE(onlyText);
    EXPECT_EQ(onlyText->header, "");
    EXPECT_EQ(onlyText->text1, "Eins");
    EXPECT_EQ(onlyText->text2, "");
    EXPECT_EQ(onlyText->text3, "Drei");
}

#include "core/reliability/ReliabilityFixture.h"
#include "lifecycle/ShipDesign.h"
#include "lifecycle/ShipRemoval.h"
#include "lifecycle/ShipSave.h"
#include "shell/AtomicFile.h"
#include "yards/YardAssignment.h"
#include "yards/YardTexts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using mstest::ReliabilityTest;

struct Operation {
    const char* name;
    // Brings the fixture's state to where the operation starts (run before the state is kept).
    std::function<void(class WriteFailureTest&)> prepare;
    std::function<void(class WriteFailureTest&)> run;
    // A save commits the record and the index before it re-indents ShipFull.xml and (for an
    // activated ship) rewrites the mod: a failure there leaves the save in place.
    bool allOrNothing = true;
};

void PrintTo(const Operation& op, std::ostream* os) {
    *os << op.name;
}

class WriteFailureTest : public ReliabilityTest, public ::testing::WithParamInterface<Operation> {
  public:
    using YardTest::f;

    void TearDown() override { ms::setAtomicWriteFailureAt(-1); }

    void createShip() { create("100441"); }
    std::filesystem::path designFile() const { return f.dir / "Entwurf.spantora"; }
    void loadDesign() {
        struct : ms::MessageSink {
            ms::MessageAnswer show(const ms::Message&) override { return {true, {}}; }
        } sink;
        ms::LoadShipDesign(f.xmla, designFile(), sink);
    }
    void activate(const std::string& guid) { f.activate(guid); }
    void save(const std::string& guid, bool activate) {
        ms::ShipForm form = f.shown(guid);
        form.set("NewShipNameText", "Umbenannt");
        ms::SaveShipHooks hooks;
        if (activate)
            hooks.activateShip = [](const std::string& g) {
                ms::ActivateShip(g, mstest::ActivationFixture::inputs());
            };
        ms::SaveShip(f.xmla, form, hooks);
    }
};

std::vector<Operation> operations() {
    const auto none = [](WriteFailureTest&) {};
    const auto sail = [] { return *ms::FindYard("AW", "Sail"); };
    return {
        {"Create", none, [](WriteFailureTest& t) { t.createShip(); }},
        {"Save", none, [](WriteFailureTest& t) { t.save(t.plainShip, false); }, false},
        {"SaveActivated", none, [](WriteFailureTest& t) { t.save(t.activatedShip, true); }, false},
        {"Activate", none, [](WriteFailureTest& t) { t.activate(t.plainShip); }},
        {"ActivateAgain", none, [](WriteFailureTest& t) { t.activate(t.activatedShip); }},
        {"YardAdd", none, [=](WriteFailureTest&) { ms::ToggleYardShip(sail(), "100438"); }},
        {"YardRemove", none, [=](WriteFailureTest& t) { ms::ToggleYardShip(sail(), t.activatedShip); }},
        {"Rename", none, [=](WriteFailureTest&) { ms::RenameYard(sail(), "Werft & Co"); }},
        {"Deactivate", none, [](WriteFailureTest& t) { ms::DeactivateShip(t.activatedShip); }},
        {"DeleteActivated", none, [](WriteFailureTest& t) { ms::DeleteShip(t.activatedShip); }},
        {"DeletePlain", none, [](WriteFailureTest& t) { ms::DeleteShip(t.plainShip); }},
        {"LoadDesign", [](WriteFailureTest& t) { ms::SaveShipDesign(t.f.xmla, t.plainShip, t.designFile()); },
         [](WriteFailureTest& t) { t.loadDesign(); }},
        {"FactoryOn", none, [](WriteFailureTest&) { ms::ToggleSailWeavingFactory(); }},
        {"FactoryOff", [](WriteFailureTest&) { ms::ToggleSailWeavingFactory(); },
         [](WriteFailureTest&) { ms::ToggleSailWeavingFactory(); }},
    };
}

// Each write the operation makes fails once, as on a full disk: afterwards the data directory and
// the mods folder hold together (and are as they were), and the operation then succeeds.
TEST_P(WriteFailureTest, EveryWriteFailingLeavesConsistentDataAndTheOperationThenSucceeds) {
    const Operation& op = GetParam();
    op.prepare(*this);
    ASSERT_EQ(broken(), std::vector<std::string>{});
    keep("start");
    const auto dataBefore = mstest::ActivationFixture::tree(f.xmla),
               modsBefore = mstest::ActivationFixture::tree(f.mods);

    const long long first = ms::atomicWriteCount();
    op.run(*this);
    const long long writes = ms::atomicWriteCount() - first;
    EXPECT_EQ(broken(), std::vector<std::string>{});
    ASSERT_GT(writes, 0);

    for (long long k = 0; k < writes; ++k) {
        putBack("start");
        ms::setAtomicWriteFailureAt(k);
        EXPECT_THROW(op.run(*this), ms::Error) << "write " << k;
        ms::setAtomicWriteFailureAt(-1);
        EXPECT_EQ(broken(), std::vector<std::string>{}) << "write " << k;
        if (op.allOrNothing) {
            EXPECT_EQ(mstest::ActivationFixture::tree(f.xmla), dataBefore) << "write " << k;
            EXPECT_EQ(mstest::ActivationFixture::tree(f.mods), modsBefore) << "write " << k;
        }
        EXPECT_NO_THROW(op.run(*this)) << "write " << k;
        EXPECT_EQ(broken(), std::vector<std::string>{}) << "write " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, WriteFailureTest, ::testing::ValuesIn(operations()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

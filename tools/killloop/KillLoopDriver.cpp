// The kill-loop driver. scripts/killloop.sh runs "run" and kills it with SIGKILL at a random
// moment, then "check" starts up the way the program does (finishing or rolling back a journal)
// and checks that the data directory and the mods folder hold together.
//
//   spantora-killloop init  WORK DELIVERED   fresh WORK/XMLA from the delivered data, empty WORK/mods
//   spantora-killloop run   WORK SEED [N]    start-up, then N random operations (endless without N)
//   spantora-killloop check WORK DELIVERED   start-up, then the consistency check; exit 1 when broken

#include "KillLoopOperations.h"

#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/Error.h"
#include "shell/Journal.h"
#include "shell/ModStaging.h"
#include "shell/XmlFile.h"
#include "store/Consistency.h"
#include "store/SharedDocuments.h"
#include "store/StoreFiles.h"

#include <fstream>
#include <iostream>
#include <set>

namespace fs = std::filesystem;

namespace {

ms::JournalRecovery startUp(const fs::path& work) {
    ms::env().xmlaDir = work / "XMLA";
    ms::env().modLocation = (work / "mods").string() + "/";
    ms::env().decimalIsPoint = false;
    const ms::JournalRecovery recovery = ms::CompletePendingJournal(ms::env().xmlaDir);
    ms::RemoveStagingLeftovers();
    ms::OpenSharedDocuments(ms::env().xmlaDir);
    ms::ListActivatedMods();
    return recovery;
}

int init(const fs::path& work, const fs::path& delivered) {
    fs::remove_all(work);
    fs::create_directories(work / "mods");
    fs::copy(delivered, work / "XMLA", fs::copy_options::recursive);
    return 0;
}

int run(const fs::path& work, unsigned seed, long long count) {
    startUp(work);
    std::mt19937 random(seed);
    for (long long i = 0; count < 0 || i < count; ++i)
        std::cout << killloop::RunRandomOperation(random) << std::endl;
    return 0;
}

// Trigger numbers once handed out, remembered across runs in WORK/trigger-used.txt: none may read
// free again.
void checkTriggerHistory(const fs::path& work, std::vector<std::string>& broken) {
    const fs::path historyFile = work / "trigger-used.txt";
    std::set<std::string> history;
    std::ifstream in(historyFile);
    for (std::string number; std::getline(in, number);)
        history.insert(number);
    pugi::xml_document pool;
    ms::loadXml(pool, ms::env().xmlaDir / ms::kTriggerPoolFile);
    for (const pugi::xml_node e : pool.document_element().children("GUID")) {
        const std::string number = e.first_attribute().value();
        if (std::string(e.first_attribute().next_attribute().value()) != "No")
            history.insert(number);
        else if (history.count(number))
            broken.push_back("Die Freischalt-Kennung " + number + " war schon vergeben und ist wieder frei.");
    }
    std::ofstream out(historyFile);
    for (const std::string& number : history)
        out << number << "\n";
}

int check(const fs::path& work, const fs::path& delivered) {
    const ms::JournalRecovery recovery = startUp(work);
    if (recovery == ms::JournalRecovery::Completed)
        std::cout << "Journal abgeschlossen\n";
    else if (recovery == ms::JournalRecovery::RolledBack)
        std::cout << "Journal zurückgerollt\n";
    std::vector<std::string> broken = ms::CheckConsistency({ms::env().xmlaDir, work / "mods", delivered});
    checkTriggerHistory(work, broken);
    for (const std::string& sentence : broken)
        std::cout << sentence << "\n";
    return broken.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "init")
            return init(args[1], args[2]);
        if ((args.size() == 3 || args.size() == 4) && args[0] == "run")
            return run(args[1], static_cast<unsigned>(std::stoul(args[2])),
                       args.size() == 4 ? std::stoll(args[3]) : -1);
        if (args.size() == 3 && args[0] == "check")
            return check(args[1], args[2]);
    } catch (const std::exception& e) {
        std::cout << e.what() << "\n";
        return 2;
    }
    std::cerr << "spantora-killloop init WORK DELIVERED | run WORK SEED [N] | check WORK DELIVERED\n";
    return 2;
}

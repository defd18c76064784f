#include "store/TemporaryCleanup.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

struct Slot {
    std::atomic<bool> taken{false};
    std::atomic<int> folder{-1}; // set last, read first by the handler
    char name[16] = {};
};

std::array<Slot, 16> slots;
constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, kSignals.size()> former;

// Only async-signal-safe calls: unlinkat, sigaction, raise.
void RemoveAndPassOn(int signal) {
    for (Slot& slot : slots) {
        const int folder = slot.folder.load(std::memory_order_acquire);
        if (folder >= 0)
            ::unlinkat(folder, slot.name, 0);
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        if (kSignals[i] == signal)
            ::sigaction(signal, &former[i], nullptr);
    ::raise(signal);
}

void InstallOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            ::sigaction(kSignals[i], nullptr, &former[i]);
            if (former[i].sa_handler == SIG_IGN)
                continue; // nohup and the like: the signal does not end the program, nothing to remove
            struct sigaction action {};
            action.sa_handler = RemoveAndPassOn;
            sigemptyset(&action.sa_mask);
            ::sigaction(kSignals[i], &action, nullptr);
        }
    });
}

} // namespace

HeldTemporaryName::HeldTemporaryName(int folderDescriptor, const char* name) {
    InstallOnce();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        bool expected = false;
        if (!slots[i].taken.compare_exchange_strong(expected, true))
            continue;
        std::strncpy(slots[i].name, name, sizeof slots[i].name - 1);
        slots[i].folder.store(folderDescriptor, std::memory_order_release);
        slot_ = static_cast<int>(i);
        return;
    }
}

HeldTemporaryName::~HeldTemporaryName() {
    if (slot_ < 0)
        return;
    slots[slot_].folder.store(-1, std::memory_order_release);
    slots[slot_].taken.store(false);
}

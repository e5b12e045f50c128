#include "runaids.h"

// Silent aids, until the sound and D-Bus backends are linked in their place.
namespace {
class SilentAnnouncer final : public RunAnnouncer {
public:
    void prepare(const std::string&) override {}
    void speak(const std::string&) override {}
    void countdownTick() override {}
};
class NoScreenAwake final : public ScreenAwake {
public:
    void hold() override {}
    void release() override {}
};
} // namespace

std::unique_ptr<RunAnnouncer> makeRunAnnouncer() { return std::make_unique<SilentAnnouncer>(); }
std::unique_ptr<ScreenAwake> makeScreenAwake() { return std::make_unique<NoScreenAwake>(); }

#include "app/startup/fontwarmup.h"

#include <fontconfig/fontconfig.h>

FontWarmup::FontWarmup() : m_worker([] { FcInit(); }) {}

FontWarmup::~FontWarmup() {
    join();
}

void FontWarmup::join() {
    if (m_worker.joinable())
        m_worker.join();
}

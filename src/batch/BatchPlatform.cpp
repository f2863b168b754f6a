#include "batch/BatchPlatform.h"

#include <chrono>
#include <cstdio>

#include "platform/SystemMemory.h"

namespace orvanest {

void BatchPlatform::showMessage(const std::string& caption, const std::string& text) {
    messages_.emplace_back(caption, text);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
}

double BatchPlatform::nowSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

void BatchPlatform::releaseFreedMemory() { releaseFreedHeapMemory(); }

}  // namespace orvanest

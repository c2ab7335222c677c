#include "platform/ui/Backend.h"

#include "platform/ui/HeadlessBackend.h"

namespace kovelund::ui {

namespace {

Backend* aktuell = nullptr;

} // namespace

Backend& CurrentBackend() {
    return aktuell ? *aktuell : ProcessHeadlessBackend();
}

void SetCurrentBackend(Backend* backend) noexcept {
    aktuell = backend;
}

ScopedBackend::ScopedBackend(Backend& backend) : previous_(aktuell) {
    aktuell = &backend;
}

ScopedBackend::~ScopedBackend() {
    aktuell = previous_;
}

HeadlessBackend& ProcessHeadlessBackend() {
    static HeadlessBackend backend;
    return backend;
}

} // namespace kovelund::ui

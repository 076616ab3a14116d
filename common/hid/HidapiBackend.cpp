#include "HidapiBackend.h"

namespace hid {

struct HidapiBackend::Impl {};

HidapiBackend::HidapiBackend(std::uint16_t, std::uint16_t) : impl_(std::make_unique<Impl>()) {}
HidapiBackend::~HidapiBackend() = default;
void HidapiBackend::start(Sink&) {}
bool HidapiBackend::write(Handle, const Report&) { return false; }

}  // namespace hid

#include "app/process_objects.h"

namespace lumbra {
namespace {

ProcessObjects* gInstance = nullptr;

}  // namespace

// The members are created in declaration order and destroyed in reverse; the instance is
// reachable only while all of them exist.
ProcessObjects::ProcessObjects() { gInstance = this; }

ProcessObjects::~ProcessObjects() { gInstance = nullptr; }

ProcessObjects& TheProcessObjects() { return *gInstance; }

}  // namespace lumbra

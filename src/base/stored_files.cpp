#include "base/stored_files.hpp"

// The browser page defines this itself (platform/web); on the desktop the disk is the storage.
#ifndef __EMSCRIPTEN__
namespace zaldrun {

void KeepWrittenFiles() {}

}  // namespace zaldrun
#endif

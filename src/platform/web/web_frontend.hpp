// The browser page's front end: the grid drawn on a canvas by the page's script library, keys and
// clicks queued by the page, waits that hand the browser its turn (Asyncify).
#pragma once

#include <memory>

#include "platform/frontend.hpp"

namespace platform {

std::unique_ptr<Frontend> CreateWebFrontend();

}  // namespace platform
